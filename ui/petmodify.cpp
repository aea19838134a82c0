#include "ui/petmodify.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>

#include "ui/widgets/AutoSizeLabel.h"
#include "ui/widgets/CentredOver.h"
#include "ui/widgets/DialogFlags.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/IconButton.h"
#include "ui/widgets/KeyFilter.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/session/BeastSession.h"
#include "engine/strict_number.h"
#include "ui/model/Cp936Text.h"

LazyWindow<TModifyForm> ModifyForm;

namespace {

constexpr std::size_t NameLimit = 12;  // bytes of code page 936

// One attribute row: the label's caption, the name the screen reader speaks
// for its controls, and the default ratio weight.
struct RowSpec {
    const char* caption;
    const char* spoken;
    const char* weight;
};
constexpr RowSpec Rows[ModifyModel::RowCount] = {
    {"体质：", "体质", "1"}, {"法力：", "法力", "0"}, {"力量：", "力量", "3"},
    {"耐力：", "耐力", "1"}, {"敏捷：", "敏捷", "0"},
};
constexpr int RowTop = 24;
constexpr int RowPitch = 30;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top)
{
    auto* label = new AutoSizeLabel(caption, parent, QPoint(left, top));
    label->setObjectName(name);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QString& spoken, const QString& text, QRect geometry)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setAccessibleName(spoken);
    edit->setGeometry(geometry);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

QLineEdit* MakeNumberEdit(QWidget* parent, const QString& name, const QString& spoken, const QString& text,
                          QRect geometry)
{
    QLineEdit* edit = MakeEdit(parent, name, spoken, text, geometry);
    new KeyFilter(edit, KeyFilter::Digits());
    return edit;
}

UpDownButton* MakeSpinner(QWidget* parent, const QString& name, const QString& spoken, QLineEdit* edit, QRect geometry)
{
    auto* spinner = new UpDownButton(parent);
    spinner->setObjectName(name);
    spinner->setGeometry(geometry);
    spinner->SetAssociate(edit);
    spinner->SetCaption(spoken);
    return spinner;
}

std::optional<int32_t> Integer(const QLineEdit* edit)
{
    int32_t value = 0;
    if (!ParseInt32(edit->text().toStdString(), value))
        return std::nullopt;
    return value;
}

std::optional<int32_t> ReadInteger(QWidget* parent, const QLineEdit* edit)
{
    const std::optional<int32_t> value = Integer(edit);
    if (!value)
        ShowErrorReport(parent, InvalidIntegerText(edit->text()));
    return value;
}

}  // namespace

TModifyForm::TModifyForm(BeastSession& session, QWidget* parent)
    : QDialog(parent, FixedDialogFlags()), session_(session)
{
    setObjectName(QStringLiteral("ModifyForm"));
    setWindowTitle(QStringLiteral("召唤兽修正"));
    setFixedSize(219, 326);
    setFont(SongTiFont(13));

    createNameAndLevel();
    createGroups();
    createRows();
    createButtons();
    connectHandlers();
}

TModifyForm::~TModifyForm()
{
    // Deleting the focused level edit ends its editing; by then this object
    // is only a QDialog, so the handler must no longer be called.
    disconnect(Edit2, nullptr, this, nullptr);
}

void TModifyForm::createNameAndLevel()
{
    Label1 = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("名称："), 8, 12);
    Edit1 = MakeEdit(this, QStringLiteral("Edit1"), QStringLiteral("名称"), QString(), QRect(48, 8, 161, 21));
    Label2 = MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("等级："), 8, 44);
    Edit2 = MakeNumberEdit(this, QStringLiteral("Edit2"), QStringLiteral("等级"), QStringLiteral("0"),
                           QRect(48, 40, 49, 21));
    UpDown6 = MakeSpinner(this, QStringLiteral("UpDown6"), QStringLiteral("等级"), Edit2, QRect(97, 40, 15, 21));
}

void TModifyForm::createGroups()
{
    GroupBox1 = new QGroupBox(QStringLiteral("潜能点分配"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 72, 121, 217);
    GroupBox2 = new QGroupBox(QStringLiteral("比例分配"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(140, 72, 69, 217);
}

void TModifyForm::createRows()
{
    for (std::size_t k = 0; k < values_.size(); ++k) {
        const int i = static_cast<int>(k);
        const int top = RowTop + RowPitch * i;
        const QString spoken = QString::fromUtf8(Rows[k].spoken);
        RowLabels[k] = MakeLabel(GroupBox1, QStringLiteral("RowLabel%1").arg(i + 1), QString::fromUtf8(Rows[k].caption),
                                 8, top + 4);
        values_[k] = MakeNumberEdit(GroupBox1, QStringLiteral("Edit%1").arg(4 + i), spoken, QStringLiteral("0"),
                                    QRect(48, top, 49, 21));
        values_[k]->setReadOnly(true);
        spinners_[k] =
            MakeSpinner(GroupBox1, QStringLiteral("UpDown%1").arg(1 + i), spoken, values_[k], QRect(97, top, 15, 21));
        weights_[k] = MakeNumberEdit(GroupBox2, QStringLiteral("Edit%1").arg(9 + i), spoken + QStringLiteral("比例"),
                                     QString::fromLatin1(Rows[k].weight), QRect(16, top, 33, 21));
    }
    Edit4 = values_[0], Edit5 = values_[1], Edit6 = values_[2], Edit7 = values_[3], Edit8 = values_[4];
    UpDown1 = spinners_[0], UpDown2 = spinners_[1], UpDown3 = spinners_[2], UpDown4 = spinners_[3],
    UpDown5 = spinners_[4];
    Edit9 = weights_[0], Edit10 = weights_[1], Edit11 = weights_[2], Edit12 = weights_[3], Edit13 = weights_[4];

    Label3 = MakeLabel(GroupBox1, QStringLiteral("Label3"), QStringLiteral("潜能:"), 8, 178);
    Edit3 = MakeNumberEdit(GroupBox1, QStringLiteral("Edit3"), QStringLiteral("潜能"), QStringLiteral("0"),
                           QRect(48, 174, 49, 21));
    Edit3->setReadOnly(true);

    CheckBox1 = new QCheckBox(QStringLiteral("应用"), GroupBox2);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 176, 49, 17);
}

void TModifyForm::createButtons()
{
    BitBtn1 = MakeIconButton(this, "BitBtn1", QStringLiteral("提交"), ":/art/btn_commit.png", QRect(32, 296, 57, 23));
    BitBtn2 = MakeIconButton(this, "BitBtn2", QStringLiteral("关闭"), ":/art/btn_close.png", QRect(128, 296, 57, 23));
}

void TModifyForm::connectHandlers()
{
    for (UpDownButton* spinner : spinners_)
        connect(spinner, &UpDownButton::Clicked, this, &TModifyForm::UpDown1Click);
    connect(UpDown6, &UpDownButton::Clicked, this, &TModifyForm::StepLevel);
    connect(Edit1, &QLineEdit::textEdited, this, &TModifyForm::Edit1Edited);
    connect(Edit2, &QLineEdit::textChanged, this, &TModifyForm::Edit2Change);
    connect(Edit2, &QLineEdit::editingFinished, this, &TModifyForm::Edit2Done);
    connect(CheckBox1, &QCheckBox::toggled, this, &TModifyForm::CheckBox1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TModifyForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TModifyForm::BitBtn2Click);
}

void TModifyForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QWidget* owner = parentWidget())
        setGeometry(CentredOver(owner->window(), this));
    FormShow();
}

void TModifyForm::FormShow()
{
    if (!session_.HasBeast())
        return;
    model_.Load(session_.Beast());
    Edit1->setText(QString::fromStdString(model_.name()));
    nameBefore_ = Edit1->text();
    const QString level = QString::number(model_.storedLevel());
    if (Edit2->text() != level)
        Edit2->setText(level);  // runs Edit2Change
    LoadPoints();
}

void TModifyForm::LoadPoints()
{
    model_.LoadPoints();
    ShowRows();
}

void TModifyForm::ShowRows()
{
    for (std::size_t i = 0; i < values_.size(); ++i)
        values_[i]->setText(QString::number(model_.row(static_cast<int>(i)).value));
    Edit3->setText(QString::number(model_.potential()));
}

void TModifyForm::Edit2Change()
{
    const std::optional<int32_t> level = ReadInteger(this, Edit2);
    if (!level)
        return;
    if (model_.ChangeLevel(*level) != *level) {
        Edit2->setText(QStringLiteral("0"));  // itself a level change, to 0
        return;
    }
    ShowRows();
    CheckBox1->setChecked(false);
}

void TModifyForm::Edit2Done()
{
    const std::optional<int32_t> level = Integer(Edit2);
    if (level && model_.WrittenLevel(*level) != *level)
        ShowLevel(model_.WrittenLevel(*level));
}

void TModifyForm::ShowLevel(int32_t level)
{
    // The rows already show this level's points (a level below the stored
    // one gains nothing), so the moves made since stay.
    const QSignalBlocker blocker(Edit2);
    Edit2->setText(QString::number(level));
}

void TModifyForm::StepLevel(UpDownButton::Direction direction)
{
    if (const auto next = model_.StepLevel(Integer(Edit2), direction == UpDownButton::Direction::Up))
        Edit2->setText(QString::number(*next));  // runs Edit2Change
}

void TModifyForm::UpDown1Click(UpDownButton::Direction direction)
{
    const auto it = std::find(spinners_.begin(), spinners_.end(), sender());
    if (it == spinners_.end())
        return;
    if (model_.Step(static_cast<int>(it - spinners_.begin()), direction == UpDownButton::Direction::Up))
        ShowRows();
}

void TModifyForm::CheckBox1Click(bool checked)
{
    if (!checked)
        return;
    std::array<int32_t, ModifyModel::RowCount> weights{};
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const std::optional<int32_t> weight = ReadInteger(this, weights_[i]);
        if (!weight)
            return;
        weights[i] = *weight;
    }
    if (model_.ApplyRatio(weights) == ModifyModel::RatioResult::BadSum) {
        ShowInfoMessage(this, QStringLiteral("比例之和需为5或10或100！"));
        return;
    }
    ShowRows();
}

void TModifyForm::BitBtn1Click()
{
    if (!session_.HasBeast())
        return;
    const ModifyModel::CommitResult result =
        session_.CommitCorrection(model_, Edit1->text().toStdString(), Edit2->text().toStdString());
    if (!result.ok) {
        ShowErrorReport(this, InvalidIntegerText(QString::fromStdString(result.offending)));
        return;
    }
    ShowLevel(result.level);
}

void TModifyForm::BitBtn2Click()
{
    close();
}

void TModifyForm::Edit1Edited(const QString& text)
{
    if (!Cp936Available() && !toldNoConverter_) {
        toldNoConverter_ = true;
        ShowInfoMessage(this, QStringLiteral("系统缺少GBK编码转换，名称长度按每个汉字2字节估算。"));
    }
    const std::string fitted = FitCp936Edit(nameBefore_.toStdString(), text.toStdString(), NameLimit);
    const QString shown = QString::fromStdString(fitted);
    if (shown != text) {
        const int cursor = Edit1->cursorPosition() - static_cast<int>(text.size() - shown.size());
        Edit1->setText(shown);
        Edit1->setCursorPosition(std::clamp(cursor, 0, static_cast<int>(shown.size())));
    }
    nameBefore_ = shown;
}
