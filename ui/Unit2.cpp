#include "ui/Unit2.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPalette>

#include "data/builtin_data.h"
#include "ui/PanelShare.h"
#include "ui/model/PanelText.h"
#include "ui/model/RollGrade.h"
#include "ui/model/SlotMark.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/AccessibleText.h"
#include "ui/widgets/ArtPixmap.h"
#include "ui/widgets/AutoSizeLabel.h"
#include "ui/widgets/GradeMark.h"
#include "ui/widgets/SlotMarker.h"

TPet* CurrentBeast = nullptr;
TForm2* Form2 = nullptr;

namespace {
constexpr int IconSize = 40;
constexpr int FrameIcon = 88;
// Values shrink to this size before they are elided; smaller is unreadable.
constexpr int FloorPixels = 9;

struct Place {
    const char* caption;
    int x, y;        // value label
    int captionX;    // caption label
    int fieldRight;  // first pixel right of the value's box on the backdrop
};
// Label1 .. Label23, in label number order.
const Place Places[23] = {
    {"攻击资质", 376, 32, 306, 447},  {"防御资质", 376, 54, 306, 447},  {"体力资质", 376, 76, 306, 447},
    {"法力资质", 376, 98, 306, 447},  {"速度资质", 376, 120, 306, 447}, {"躲闪资质", 376, 143, 306, 447},
    {"寿　　命", 376, 168, 306, 447}, {"成　　长", 376, 191, 306, 447}, {"五　　行", 376, 214, 306, 447},
    {"名称", 60, 208, 18, 159},       {"等级", 216, 208, 176, 257},     {"体质", 205, 232, 165, 257},
    {"法力", 205, 256, 165, 257},     {"力量", 205, 280, 165, 257},     {"耐力", 205, 304, 165, 257},
    {"敏捷", 205, 328, 165, 257},     {"潜能", 205, 352, 165, 257},     {"气血", 60, 232, 18, 151},
    {"魔法", 60, 256, 18, 151},       {"攻击", 60, 280, 18, 151},       {"防御", 60, 304, 18, 151},
    {"速度", 60, 328, 18, 151},       {"灵力", 60, 352, 18, 151},
};

// The "+N" marker stands in the 15-pixel strip between the slot grid's frame
// and the panel's right border, beside the last row of slots. "+" over the
// number: two digits fit that strip at the normal size only on two lines.
constexpr int MarkerLeft = 434;
constexpr int MarkerWidth = 15;
constexpr int MarkerBottom = 364;

// The certification frame: the four 3-pixel edge strips of the frame icon.
const QRect FrameStrips[] = {QRect(0, 0, 40, 3), QRect(0, 0, 3, 40), QRect(0, 37, 40, 3), QRect(37, 0, 3, 40)};
}  // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent)
{
    setObjectName("Form2");
    setWindowFlags(Qt::FramelessWindowHint);
    setFixedSize(451, 381);
    setAccessibleName("召唤兽");
    FormCreate();
}

TForm2::~TForm2()
{
    FormClose();
}

void TForm2::FormCreate()
{
    // Painting goes through the backing store, so the panel is double-buffered
    // already; an opaque background avoids erasing to the parent's colour first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    backdrop_ = ArtPixmap::Load(QStringLiteral(":/art/backdrop.jpg"));
    Memo1 = CatalogueLines();
    Memo2 = DescriptionLines();
    ImageList1 = IconList(QStringLiteral(":/art/skills/%1.jpg"), FrameIcon + 1, ArtPixmap::ScreenRatio());

    createPicture();
    createValueFields();
    createSkillSlots();
    createMoreSkillsMarker();
    marker_ = new SlotMarker(this);
    gradeMark_ = new GradeMark(this);
    gradeMark_->setFont(SongTiFont(12));

    std::vector<std::string> lines = Memo1;
    CurrentBeast = new TPet(lines);
}

void TForm2::createPicture()
{
    picture_ = new QLabel(this);
    picture_->setObjectName("Image1");
    picture_->setGeometry(1, 21, 197, 178);
}

void TForm2::createValueFields()
{
    // Black text whatever the desktop theme: the backdrop is always light.
    // A palette, not a style sheet: 23 style-sheeted labels slow start-up.
    QPalette ink = palette();
    ink.setColor(QPalette::WindowText, Qt::black);
    setPalette(ink);

    const QFont font = SongTiFont(14);
    for (int i = 0; i < 23; ++i) {
        const Place& place = Places[i];
        auto* caption = new AutoSizeLabel(QString::fromUtf8(place.caption), this, QPoint(place.captionX, place.y));
        caption->setFont(font);
        auto* value = new AutoSizeLabel(QString(), this, QPoint(place.x, place.y));
        value->setObjectName(QString("Label%1").arg(i + 1));
        value->setFont(font);
        value->setFieldWidth(place.fieldRight - place.x, FloorPixels);
        values_.push_back(value);
    }
}

void TForm2::createSkillSlots()
{
    for (int s = 1; s <= PanelText::SlotCount; ++s) {
        auto* slot = new QLabel(this);
        slot->setObjectName(QString("Image%1").arg(s + 1));
        slot->setGeometry(265 + 42 * ((s - 1) % 4), 240 + 42 * ((s - 1) / 4), IconSize, IconSize);
        slots_[s - 1] = slot;
    }
}

void TForm2::createMoreSkillsMarker()
{
    moreSkills_ = new AutoSizeLabel(QString(), this, QPoint(MarkerLeft, 0));
    moreSkills_->setObjectName("MoreSkills");
    moreSkills_->setFont(SongTiFont(14));
    moreSkills_->setFieldWidth(MarkerWidth, FloorPixels);
    moreSkills_->setAlignment(Qt::AlignCenter);
    moreSkills_->hide();
}

void TForm2::FormClose()
{
    delete CurrentBeast;
    CurrentBeast = nullptr;
}

void TForm2::closeEvent(QCloseEvent* event)
{
    // The panel lives as long as the program; its close event does not end
    // the beast early, destruction does.
    event->accept();
}

void TForm2::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, backdrop_);
}

void TForm2::SetValue(int number, const std::string& text)
{
    AutoSizeLabel* label = values_[number - 1];
    label->setText(QString::fromStdString(text));
    SetAccessibleNameIfChanged(label, QString::fromUtf8(Places[number - 1].caption) + " " + label->fullText());
}

void TForm2::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = PanelShare::Menu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos() : mapToGlobal(QPoint(10, 30));
    menu->popup(at);
}

void TForm2::RefreshAll()
{
    RefreshPicture();
    RefreshAptitudes();
    RefreshPoints();
    RefreshAttributes();
    RefreshSkills();
}

void TForm2::ShowChange(const BeastChange& change)
{
    ShowMark(change);
    ShowGrade(change);
    const unsigned parts = BeastChange::PartsFor(change.kind);
    if (parts == BeastChange::AllParts) {
        RefreshAll();
        return;
    }
    if (parts & BeastChange::Points)
        RefreshPoints();
    if (parts & BeastChange::Attributes)
        RefreshAttributes();
    if (parts & BeastChange::Skills)
        RefreshSkills();
}

void TForm2::RefreshPicture()
{
    const int index = PanelText::PictureIndex(Memo1, CurrentBeast->Name);
    if (index >= 0 && index != pictureIndex_) {
        pictureIndex_ = index;
        // Decoded only when first shown, so start-up reads one JPEG, not 24.
        picture_->setPixmap(ArtPixmap::Load(QString(":/art/beast_%1.jpg").arg(index, 2, 10, QChar('0'))));
        SetAccessibleNameIfChanged(picture_, QString::fromStdString(CurrentBeast->Name));
    }
    emit Refreshed(BeastChange::Picture);
}

void TForm2::SetValues(int first, int last)
{
    const auto v = PanelText::Values(*CurrentBeast);
    for (int n = first; n <= last; ++n)
        SetValue(n, v[n - 1]);
}

void TForm2::RefreshAptitudes()
{
    SetValues(1, 9);
    emit Refreshed(BeastChange::Aptitudes);
}

void TForm2::RefreshPoints()
{
    SetValues(10, 17);
    emit Refreshed(BeastChange::Points);
}

void TForm2::RefreshAttributes()
{
    SetValues(18, 23);
    emit Refreshed(BeastChange::Attributes);
}

void TForm2::RefreshSkills()
{
    const auto entries = PanelText::Slots(*CurrentBeast, Memo2);
    for (int s = 1; s <= PanelText::SlotCount; ++s) {
        const SkillEntry& entry = entries[s - 1];
        QLabel* slot = slots_[s - 1];
        slot->setPixmap(SlotPicture(entry));
        slot->setToolTip(QString::fromStdString(PanelText::ToolTip(entry)));
        SetAccessibleNameIfChanged(slot, QString::fromStdString(PanelText::SlotName(entry, s)));
    }
    RefreshMoreSkillsMarker();
    emit Refreshed(BeastChange::Skills);
}

QPixmap TForm2::SlotPicture(const SkillEntry& entry) const
{
    const bool hasIcon = entry.Icon >= 0 && entry.Icon < static_cast<int>(ImageList1.size());
    if (!hasIcon && !entry.Certified)
        return {};
    // As sharp as the icons: twice the pixels when they are "@2x" twins.
    const qreal ratio = ImageList1[FrameIcon].devicePixelRatio();
    QPixmap pixmap(QSize(IconSize, IconSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    if (hasIcon)
        painter.drawPixmap(0, 0, ImageList1[entry.Icon]);
    if (entry.Certified)
        for (const QRect& strip : FrameStrips) {
            // The source of drawPixmap is in the frame's own pixels.
            const QRectF source(QPointF(strip.topLeft()) * ratio, QSizeF(strip.size()) * ratio);
            painter.drawPixmap(QRectF(strip), ImageList1[FrameIcon], source);
        }
    return pixmap;
}

void TForm2::RefreshMoreSkillsMarker()
{
    const auto hidden = PanelText::HiddenSkills(*CurrentBeast);
    if (hidden.empty()) {
        moreSkills_->hide();
        return;
    }
    QStringList names;
    for (const auto& name : hidden)
        names << QString::fromStdString(name);
    moreSkills_->setText(QString("+\n%1").arg(hidden.size()));
    moreSkills_->show();
    moreSkills_->move(MarkerLeft + (MarkerWidth - moreSkills_->width()) / 2, MarkerBottom - moreSkills_->height());
    moreSkills_->setToolTip(names.join("\n"));
    SetAccessibleNameIfChanged(moreSkills_, QString("另有技能：") + names.join("、"));
}

void TForm2::ShowMark(const BeastChange& change)
{
    // Every action replaces the last one's mark; most leave none.
    const SlotMark mark = SlotMark::For(change);
    const QRect slot = mark.slot >= 0 ? slots_[static_cast<std::size_t>(mark.slot)]->geometry() : QRect();
    marker_->Mark(slot, QString::fromStdString(mark.Sign()), QString::fromStdString(mark.Description()));
}

void TForm2::ShowGrade(const BeastChange& change)
{
    // The mark follows the roll: books and certification leave it.
    using Kind = BeastChange::Kind;
    if (change.kind == Kind::Book || change.kind == Kind::NoBook || change.kind == Kind::Certify)
        return;
    QStringList details;
    for (const std::string& line : RollGrade::DetailLines(change.after, change.grade))
        details << QString::fromStdString(line);
    GradeMark::Tone tone = GradeMark::Tone::Plain;
    if (change.grade.Valid && change.grade.Grade == RollGrade::Level::Superb)
        tone = GradeMark::Tone::Best;
    else if (change.grade.Valid && change.grade.Grade == RollGrade::Level::Good)
        tone = GradeMark::Tone::Good;
    gradeMark_->Show(QString::fromStdString(RollGrade::MarkText(change.grade)), tone, details,
                     picture_->geometry().topLeft() + QPoint(4, 4));
}
