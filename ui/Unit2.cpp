#include "Unit2.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>

#include "AutoSizeLabel.h"
#include "Fonts.h"
#include "data/builtin_data.h"
#include "ui/model/PanelText.h"

TPet* CurrentBeast = nullptr;
TForm2* Form2 = nullptr;

namespace {
constexpr int IconSize = 40;
constexpr int FrameIcon = 88;

struct Place {
    const char* caption;
    int x, y;       // value label
    int captionX;   // caption label
};
// Label1 .. Label23, in label number order.
const Place Places[23] = {
    {"攻击资质", 376, 32, 306},  {"防御资质", 376, 54, 306},  {"体力资质", 376, 76, 306},
    {"法力资质", 376, 98, 306},  {"速度资质", 376, 120, 306}, {"躲闪资质", 376, 143, 306},
    {"寿　　命", 376, 168, 306}, {"成　　长", 376, 191, 306}, {"五　　行", 376, 214, 306},
    {"名称", 60, 208, 18},       {"等级", 216, 208, 176},     {"体质", 205, 232, 165},
    {"法力", 205, 256, 165},     {"力量", 205, 280, 165},     {"耐力", 205, 304, 165},
    {"敏捷", 205, 328, 165},     {"潜能", 205, 352, 165},     {"气血", 60, 232, 18},
    {"魔法", 60, 256, 18},       {"攻击", 60, 280, 18},       {"防御", 60, 304, 18},
    {"速度", 60, 328, 18},       {"灵力", 60, 352, 18},
};


QString Tip(const std::string& skill)
{
    return QString::fromStdString(skill) + "\n" + QString::fromStdString(SkillDescription(skill));
}
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
    backdrop_ = QPixmap(":/art/backdrop.jpg");
    Memo1 = CatalogueLines();
    Memo2 = DescriptionLines();
    ImageList1 = IconList(QStringLiteral(":/art/skills/%1.jpg"), FrameIcon + 1);

    picture_ = new QLabel(this);
    picture_->setObjectName("Image1");
    picture_->setGeometry(1, 21, 197, 178);

    // Black text whatever the desktop theme: the backdrop is always light.
    // A palette, not a style sheet: 23 style-sheeted labels slow start-up.
    QPalette ink = palette();
    ink.setColor(QPalette::WindowText, Qt::black);
    setPalette(ink);

    const QFont font = SongTiFont(14);
    for (int i = 0; i < 23; ++i) {
        auto* caption = new AutoSizeLabel(QString::fromUtf8(Places[i].caption), this,
                                          QPoint(Places[i].captionX, Places[i].y));
        caption->setFont(font);
        auto* value = new AutoSizeLabel(QString(), this, QPoint(Places[i].x, Places[i].y));
        value->setObjectName(QString("Label%1").arg(i + 1));
        value->setFont(font);
        values_.push_back(value);
    }
    for (int s = 1; s <= PanelText::SlotCount; ++s) {
        auto* slot = new QLabel(this);
        slot->setObjectName(QString("Image%1").arg(s + 1));
        slot->setGeometry(265 + 42 * ((s - 1) % 4), 240 + 42 * ((s - 1) / 4), IconSize, IconSize);
    }
    moreSkills_ = new AutoSizeLabel(QString(), this, QPoint(432, 352));
    moreSkills_->setObjectName("MoreSkills");
    moreSkills_->setFont(font);
    moreSkills_->hide();

    std::vector<std::string> lines = Memo1;
    CurrentBeast = new TPet(lines);
    CurrentBeast->LoadBeast("芙蓉仙子");
    RefreshAll();
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
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xf4, 0xf0, 0xe4));
    if (!backdrop_.isNull())
        painter.drawPixmap(0, 0, backdrop_);
}

AutoSizeLabel* TForm2::ValueLabel(int number) const
{
    return values_[number - 1];
}

QLabel* TForm2::Slot(int slot) const
{
    const QString name = QString("image%1").arg(slot + 1);
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return label;
    return nullptr;
}

void TForm2::SetValue(int number, const std::string& text)
{
    AutoSizeLabel* label = ValueLabel(number);
    label->SetText(QString::fromStdString(text));
    label->setAccessibleName(QString::fromUtf8(Places[number - 1].caption) + " " + label->text());
}

void TForm2::RefreshAll()
{
    RefreshPicture();
    RefreshAptitudes();
    RefreshPoints();
    RefreshAttributes();
    RefreshSkills();
}

void TForm2::RefreshPicture()
{
    if (!CurrentBeast)
        return;
    const int index = PanelText::PictureIndex(Memo1, CurrentBeast->Name);
    if (index < 0 || index == pictureIndex_)
        return;
    pictureIndex_ = index;
    // Decoded only when first shown, so start-up reads one JPEG, not 24.
    picture_->setPixmap(QPixmap(QString(":/art/beast_%1.jpg").arg(index, 2, 10, QChar('0'))));
    picture_->setAccessibleName(QString::fromStdString(CurrentBeast->Name));
}

void TForm2::SetValues(int first, int last)
{
    if (!CurrentBeast)
        return;
    const auto v = PanelText::Values(*CurrentBeast);
    for (int n = first; n <= last; ++n)
        SetValue(n, v[n - 1]);
}

void TForm2::RefreshAptitudes()
{
    SetValues(1, 9);
}

void TForm2::RefreshPoints()
{
    SetValues(10, 17);
}

void TForm2::RefreshAttributes()
{
    SetValues(18, 23);
}

void TForm2::RefreshSkills()
{
    if (!CurrentBeast)
        return;
    const TPet& pet = *CurrentBeast;
    const auto icons = PanelText::SlotIcons(pet, Memo2);
    for (int s = 1; s <= PanelText::SlotCount; ++s) {
        QLabel* slot = Slot(s);
        if (!slot)
            continue;
        const int icon = icons[s - 1];
        QPixmap pixmap(IconSize, IconSize);
        pixmap.fill(Qt::transparent);
        bool drawn = false;
        if (icon >= 0 && icon < static_cast<int>(ImageList1.size()) && !ImageList1[icon].isNull()) {
            QPainter(&pixmap).drawPixmap(0, 0, ImageList1[icon]);
            drawn = true;
        }
        std::string skill = s - 1 < static_cast<int>(pet.Skills.size()) ? pet.Skills[s - 1] : "";
        if (s == PanelText::SlotCount && !pet.CertifiedSkill.empty()) {
            skill = pet.CertifiedSkill;
            const QPixmap& frame = ImageList1[FrameIcon];
            if (!frame.isNull()) {
                QPainter painter(&pixmap);
                for (const QRect strip : {QRect(0, 0, 40, 3), QRect(0, 0, 3, 40), QRect(0, 37, 40, 3), QRect(37, 0, 3, 40)})
                    painter.drawPixmap(strip, frame, strip);
            }
            drawn = true;
        }
        slot->setPixmap(drawn ? pixmap : QPixmap());
        slot->setToolTip(skill.empty() ? QString() : Tip(skill));
        slot->setAccessibleName(skill.empty() ? QString("空技能格%1").arg(s) : QString::fromStdString(skill));
    }
    const auto hidden = PanelText::HiddenSkills(pet);
    if (hidden.empty()) {
        moreSkills_->hide();
    } else {
        moreSkills_->SetText(QString("+%1").arg(hidden.size()));
        QStringList tips;
        for (const auto& h : hidden)
            tips << QString::fromStdString(h);
        moreSkills_->setToolTip(tips.join("\n"));
        moreSkills_->setAccessibleName(QString("另有技能：") + tips.join("、"));
        moreSkills_->show();
    }
}
