#include "petmodify.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include <algorithm>

#include "DialogFlags.h"
#include "AutoSizeLabel.h"
#include "Fonts.h"
#include "IconButton.h"
#include "KeyFilter.h"
#include "MessageBoxes.h"
#include "Record.h"
#include "Unit2.h"
#include "engine/strict_number.h"
#include "ui/model/Cp936Text.h"

TModifyForm* ModifyForm = nullptr;

namespace {

constexpr std::size_t NameLimit = 12;  // bytes of code page 936

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* label = new AutoSizeLabel(caption, parent, QPoint(left, top));
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QString& text, QRect geometry)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setTextMargins(0, 0, 0, 0);
    return edit;
}

UpDownButton* MakeSpinner(QWidget* parent, const QString& name, QLineEdit* edit, QRect geometry)
{
    auto* spinner = new UpDownButton(parent);
    spinner->setObjectName(name);
    spinner->setGeometry(geometry);
    spinner->SetAssociate(edit);
    return spinner;
}


bool ReadInteger(QWidget* parent, const QLineEdit* edit, int32_t& value)
{
    if (ParseInt32(edit->text().toStdString(), value))
        return true;
    ShowErrorReport(parent, InvalidIntegerText(edit->text()));
    return false;
}

}  // namespace

TModifyForm::TModifyForm(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ModifyForm"));
    setWindowTitle(QStringLiteral("召唤兽修正"));
    setWindowFlags(FixedDialogFlags());
    setFixedSize(219, 326);
    setFont(SongTiFont(13));

    Label1 = MakeLabel(this, "Label1", QStringLiteral("名称："), 8, 12);
    Edit1 = MakeEdit(this, QStringLiteral("Edit1"), QString(), QRect(48, 8, 161, 21));
    Label2 = MakeLabel(this, "Label2", QStringLiteral("等级："), 8, 44);
    Edit2 = MakeEdit(this, QStringLiteral("Edit2"), QStringLiteral("0"), QRect(48, 40, 49, 21));
    UpDown6 = MakeSpinner(this, QStringLiteral("UpDown6"), Edit2, QRect(97, 40, 15, 21));
    UpDown6->SetRange(0, ModifyModel::MaxLevel);

    GroupBox1 = new QGroupBox(QStringLiteral("潜能点分配"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 72, 121, 217);
    GroupBox2 = new QGroupBox(QStringLiteral("比例分配"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(140, 72, 69, 217);

    static const char* const captions[5] = {"体质：", "法力：", "力量：", "耐力：", "敏捷："};
    static const char* const defaults[5] = {"1", "0", "3", "1", "0"};
    for (int i = 0; i < 5; ++i) {
        const int top = 24 + 30 * i;
        const auto k = static_cast<std::size_t>(i);
        RowLabels[k] = MakeLabel(GroupBox1, "", QString::fromUtf8(captions[i]), 8, top + 4);
        RowLabels[k]->setObjectName(QStringLiteral("RowLabel%1").arg(i + 1));
        values_[k] = MakeEdit(GroupBox1, QStringLiteral("Edit%1").arg(4 + i), QStringLiteral("0"),
                              QRect(48, top, 49, 21));
        values_[k]->setReadOnly(true);
        spinners_[k] = MakeSpinner(GroupBox1, QStringLiteral("UpDown%1").arg(1 + i), values_[k],
                                   QRect(97, top, 15, 21));
        weights_[k] = MakeEdit(GroupBox2, QStringLiteral("Edit%1").arg(9 + i),
                               QString::fromLatin1(defaults[i]), QRect(16, top, 33, 21));
        connect(spinners_[k], &UpDownButton::Clicked, this, &TModifyForm::UpDown1Click);
    }
    Edit4 = values_[0], Edit5 = values_[1], Edit6 = values_[2], Edit7 = values_[3], Edit8 = values_[4];
    UpDown1 = spinners_[0], UpDown2 = spinners_[1], UpDown3 = spinners_[2], UpDown4 = spinners_[3],
    UpDown5 = spinners_[4];
    Edit9 = weights_[0], Edit10 = weights_[1], Edit11 = weights_[2], Edit12 = weights_[3],
    Edit13 = weights_[4];

    Label3 = MakeLabel(GroupBox1, "Label3", QStringLiteral("潜能:"), 8, 178);
    Edit3 = MakeEdit(GroupBox1, QStringLiteral("Edit3"), QStringLiteral("0"), QRect(48, 174, 49, 21));
    Edit3->setReadOnly(true);

    CheckBox1 = new QCheckBox(QStringLiteral("应用"), GroupBox2);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 176, 49, 17);

    BitBtn1 = MakeIconButton(this, "BitBtn1", QStringLiteral("提交"), ":/art/btn_commit.png", QRect(32, 296, 57, 23));
    BitBtn2 = MakeIconButton(this, "BitBtn2", QStringLiteral("关闭"), ":/art/btn_close.png", QRect(128, 296, 57, 23));

    for (QLineEdit* edit : {Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, Edit13})
        new KeyFilter(edit, KeyFilter::Digits());

    connect(Edit1, &QLineEdit::textEdited, this, &TModifyForm::Edit1Edited);
    connect(Edit2, &QLineEdit::textChanged, this, &TModifyForm::Edit2Change);
    connect(CheckBox1, &QCheckBox::toggled, this, &TModifyForm::CheckBox1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TModifyForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TModifyForm::BitBtn2Click);
}

void TModifyForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->window()->frameGeometry();
        move(frame.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    FormShow();
}

void TModifyForm::FormShow()
{
    if (!CurrentBeast)
        return;
    const TPet& beast = *CurrentBeast;
    Edit1->setText(QString::fromStdString(beast.Name));
    nameBefore_ = Edit1->text();
    model_.Load({beast.Level, {beast.Physique, beast.Magic, beast.Strength, beast.Endurance, beast.Agility},
                 beast.Potential});
    const QString level = QString::number(beast.Level);
    if (Edit2->text() != level)
        Edit2->setText(level);  // runs Edit2Change
    UpDown6->SetRange(beast.Level, ModifyModel::MaxLevel);
    LoadPoints();
}

void TModifyForm::LoadPoints()
{
    if (CurrentBeast) {
        const TPet& beast = *CurrentBeast;
        // Only the stored values change here: a commit leaves the rows alone.
        model_.Load({beast.Level, {beast.Physique, beast.Magic, beast.Strength, beast.Endurance, beast.Agility},
                     beast.Potential});
    }
    ShowRows();
}

void TModifyForm::ShowRows()
{
    for (int i = 0; i < ModifyModel::RowCount; ++i) {
        const ModifyModel::Row& row = model_.row(i);
        ValueEdit(i)->setText(QString::number(row.value));
        spinners_[static_cast<std::size_t>(i)]->SetRange(row.floor, row.ceiling);
    }
    Edit3->setText(QString::number(model_.potential()));
}

void TModifyForm::Edit2Change()
{
    int32_t level = 0;
    if (!ReadInteger(this, Edit2, level))
        return;
    if (CurrentBeast)
        LoadPoints();
    if (level > ModifyModel::MaxLevel) {
        Edit2->setText(QStringLiteral("0"));  // itself a level change, to 0
        return;
    }
    model_.ChangeLevel(level);
    ShowRows();
    CheckBox1->setChecked(false);
}

void TModifyForm::UpDown1Click(UpDownButton::Direction direction)
{
    const auto it = std::find(spinners_.begin(), spinners_.end(), sender());
    if (it == spinners_.end())
        return;
    model_.Step(static_cast<int>(it - spinners_.begin()), direction == UpDownButton::Direction::Up);
    ShowRows();
}

void TModifyForm::CheckBox1Click(bool checked)
{
    if (!checked)
        return;
    std::array<int32_t, ModifyModel::RowCount> weights{};
    for (std::size_t i = 0; i < weights.size(); ++i)
        if (!ReadInteger(this, weights_[i], weights[i]))
            return;
    if (model_.ApplyRatio(weights) == ModifyModel::RatioResult::BadSum) {
        ShowInfoMessage(this, QStringLiteral("比例之和需为5或10或100！"));
        return;
    }
    ShowRows();
}

void TModifyForm::BitBtn1Click()
{
    if (!CurrentBeast)
        return;
    // Every number is read before anything is written: a bad level writes
    // nothing at all, not even the name.
    int32_t typed = 0;
    if (!ReadInteger(this, Edit2, typed))
        return;
    const ModifyModel::Stored plan = model_.Plan(typed);
    TPet& beast = *CurrentBeast;
    const TPet before = beast;
    beast.Name = Edit1->text().toStdString();
    beast.Level = plan.level;
    beast.Physique = plan.points[0];
    beast.Magic = plan.points[1];
    beast.Strength = plan.points[2];
    beast.Endurance = plan.points[3];
    beast.Agility = plan.points[4];
    beast.Potential = plan.potential;
    beast.ComputeAttributes(beast.Level);
    model_.Remember(plan);
    NoteCorrection(before, beast);
    if (plan.level != typed) {
        // The level was never lowered; the rows stand as they are.
        const QSignalBlocker blocker(Edit2);
        Edit2->setText(QString::number(plan.level));
    }
    if (Form2) {
        Form2->RefreshPoints();
        Form2->RefreshAttributes();
    }
}

void TModifyForm::BitBtn2Click()
{
    close();
}

bool TModifyForm::Edit2KeyPress(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    return KeyFilter::Admits(key, modifiers, text, KeyFilter::Digits());
}

void TModifyForm::Edit1Edited(const QString& text)
{
    const std::string fitted = FitCp936Edit(nameBefore_.toStdString(), text.toStdString(), NameLimit);
    const QString shown = QString::fromStdString(fitted);
    if (shown != text) {
        const int cursor = Edit1->cursorPosition() - static_cast<int>(text.size() - shown.size());
        Edit1->setText(shown);
        Edit1->setCursorPosition(std::clamp(cursor, 0, static_cast<int>(shown.size())));
    }
    nameBefore_ = shown;
}
