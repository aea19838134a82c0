#include "ui/petdiy.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

#include "ui/widgets/ArtPixmap.h"
#include "ui/widgets/AutoSizeLabel.h"
#include "ui/widgets/DialogFlags.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/IconButton.h"
#include "ui/widgets/KeyFilter.h"
#include "ui/widgets/ListItemKeys.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/ReturnPressesButton.h"
#include "ui/session/BeastSession.h"
#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/model/DiyCommit.h"
#include "ui/model/PanelText.h"
#include "ui/model/SkillListEditor.h"

LazyWindow<TDIYForm> DIYForm;

namespace {

QString Text(const std::string& s)
{
    return QString::fromStdString(s);
}

template <typename W> W* Named(W* widget, const char* name, const QString& spoken = QString())
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!spoken.isEmpty())
        widget->setAccessibleName(spoken);
    return widget;
}

// One label and edit pair of the left column: the label's caption, the name a
// screen reader speaks for the edit, the tops of both and the edit's limit.
struct EditRow {
    const char* label;
    const char* edit;
    const char* caption;
    const char* spoken;
    int top;
    int maxLength;
};
constexpr EditRow AptitudeEdits[] = {
    {"Label1", "Edit1", "攻击资质：", "攻击资质", 16, 4},  {"Label2", "Edit2", "防御资质：", "防御资质", 48, 4},
    {"Label3", "Edit3", "体力资质：", "体力资质", 80, 4},  {"Label4", "Edit4", "法力资质：", "法力资质", 112, 4},
    {"Label5", "Edit5", "速度资质：", "速度资质", 144, 4}, {"Label6", "Edit6", "躲闪资质：", "躲闪资质", 176, 4},
    {"Label7", "Edit7", "寿    命：", "寿命", 208, 4},
};
constexpr EditRow GrowthEdit = {"Label9", "Edit8", "成    长：", "成长", 256, 5};
constexpr int LabelDrop = 4;  // a label's top below its edit's

// A skill of a list, its description there for screen readers.
QListWidgetItem* SkillItem(const QString& skill)
{
    auto* item = new QListWidgetItem(skill);
    item->setData(Qt::AccessibleDescriptionRole, Text(PanelText::Skill(DescriptionLines(), skill.toStdString()).Description));
    return item;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int x, int y)
{
    return Named(new AutoSizeLabel(caption, parent, QPoint(x, y)), name);
}

QLineEdit* MakeEdit(QWidget* parent, const EditRow& row, const QString& admitted)
{
    auto* edit = Named(new QLineEdit(parent), row.edit, QString::fromUtf8(row.spoken));
    edit->setGeometry(80, row.top, 81, 21);
    edit->setMaxLength(row.maxLength);
    new KeyFilter(edit, admitted);
    return edit;
}

QToolButton* MakeSpeedButton(QWidget* parent, const char* name, const char* icon, const QString& tip, int y)
{
    auto* button = Named(new QToolButton(parent), name, tip);
    button->setGeometry(134, y, 23, 22);
    button->setIcon(ArtPixmap::Icon(QString::fromLatin1(icon)));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    new ReturnPressesButton(button);
    return button;
}

QComboBox* MakeComboBox(QWidget* parent, const char* name, const QString& spoken, QRect geometry,
                        const QStringList& items)
{
    auto* box = Named(new QComboBox(parent), name, spoken);
    box->setGeometry(geometry);
    box->addItems(items);
    box->setCurrentIndex(0);
    return box;
}

}  // namespace

TDIYForm::TDIYForm(BeastSession& session, QWidget* parent)
    : QDialog(parent, FixedDialogFlags()), session_(session)
{
    setObjectName(QStringLiteral("DIYForm"));
    setWindowTitle(QStringLiteral("完全DIY"));
    setFont(SongTiFont(13));
    setFixedSize(473, 352);
    move(239, 167);

    createAptitudeEdits();
    createGrowthAndElement();
    createSkillLists();
    createCertification();
    createButtons();
    connectHandlers();
}

void TDIYForm::createAptitudeEdits()
{
    QLabel** labels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7};
    QLineEdit** edits[] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7};
    for (std::size_t k = 0; k < std::size(AptitudeEdits); ++k) {
        const EditRow& row = AptitudeEdits[k];
        *labels[k] = MakeLabel(this, row.label, QString::fromUtf8(row.caption), 16, row.top + LabelDrop);
        *edits[k] = MakeEdit(this, row, KeyFilter::Digits());
    }
    CheckBox1 = Named(new QCheckBox(QStringLiteral("永生"), this), "CheckBox1");
    CheckBox1->setGeometry(80, 232, 81, 17);
    CheckBox1->setEnabled(false);
}

void TDIYForm::createGrowthAndElement()
{
    Label9 = MakeLabel(this, GrowthEdit.label, QString::fromUtf8(GrowthEdit.caption), 16, GrowthEdit.top + LabelDrop);
    Edit8 = MakeEdit(this, GrowthEdit, KeyFilter::DigitsAndPoint());

    Label8 = MakeLabel(this, "Label8", QStringLiteral("五    行："), 16, 296);
    ComboBox1 = MakeComboBox(
        this, "ComboBox1", QStringLiteral("五行"), QRect(80, 288, 81, 21),
        {QStringLiteral("金"), QStringLiteral("木"), QStringLiteral("水"), QStringLiteral("火"), QStringLiteral("土")});
    ComboBox1->setEditable(true);
    // A typed element is taken as it is; it must not join the list.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->lineEdit()->setAccessibleName(QStringLiteral("五行"));
    // Qt on Linux names a drop-down by its value; the label comes through the
    // buddy relation.
    Label8->setBuddy(ComboBox1);
}

void TDIYForm::createSkillLists()
{
    GroupBox1 = Named(new QGroupBox(QStringLiteral("技能"), this), "GroupBox1");
    GroupBox1->setGeometry(176, 8, 289, 300);

    ListBox1 = Named(new QListWidget(GroupBox1), "ListBox1", QStringLiteral("技能列表"));
    ListBox1->setGeometry(8, 24, 121, 209);
    SpeedButton3 = MakeSpeedButton(GroupBox1, "SpeedButton3", ":/art/btn_up.png", QStringLiteral("上移"), 40);
    SpeedButton4 = MakeSpeedButton(GroupBox1, "SpeedButton4", ":/art/btn_down.png", QStringLiteral("下移"), 72);
    SpeedButton1 = MakeSpeedButton(GroupBox1, "SpeedButton1", ":/art/btn_add.png", QStringLiteral("添加"), 120);
    SpeedButton2 = MakeSpeedButton(GroupBox1, "SpeedButton2", ":/art/btn_remove.png", QStringLiteral("删除"), 152);

    ListBox2 = Named(new QListWidget(GroupBox1), "ListBox2", QStringLiteral("全部技能"));
    ListBox2->setGeometry(160, 24, 121, 260);
    for (const std::string& line : DescriptionLines())
        ListBox2->addItem(SkillItem(Text(std::string(LineKey(line)))));
}

void TDIYForm::createCertification()
{
    CheckBox2 = Named(new QCheckBox(QStringLiteral("认证技能："), GroupBox1), "CheckBox2", QStringLiteral("认证技能"));
    CheckBox2->setGeometry(8, 240, 81, 17);
    std::vector<std::string> certifiable;
    TPet::CertifiableSet(certifiable);
    QStringList items;
    for (const std::string& skill : certifiable)
        items << Text(skill);
    ComboBox2 = MakeComboBox(GroupBox1, "ComboBox2", QStringLiteral("认证的技能"), QRect(8, 264, 121, 21), items);
    // The check box above is its label, but only a label can be a buddy.
    ComboBox2->setAccessibleDescription(QStringLiteral("认证的技能"));
}

void TDIYForm::createButtons()
{
    BitBtn1 = MakeIconButton(this, "BitBtn1", QStringLiteral("提交"), ":/art/btn_commit.png", QRect(112, 320, 57, 23));
    BitBtn2 = MakeIconButton(this, "BitBtn2", QStringLiteral("关闭"), ":/art/btn_close.png", QRect(288, 320, 57, 23));
}

void TDIYForm::connectHandlers()
{
    connect(SpeedButton1, &QToolButton::clicked, this, &TDIYForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TDIYForm::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TDIYForm::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TDIYForm::SpeedButton4Click);
    connect(ListBox2, &QListWidget::itemDoubleClicked, this, &TDIYForm::ListBox2DblClick);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TDIYForm::ListBox1DblClick);
    // From the keyboard, Return or Space on a list does what a double click does.
    connect(new ListItemKeys(ListBox2), &ListItemKeys::Pressed, this, &TDIYForm::ListBox2DblClick);
    connect(new ListItemKeys(ListBox1), &ListItemKeys::Pressed, this, &TDIYForm::ListBox1DblClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TDIYForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TDIYForm::BitBtn2Click);
}

void TDIYForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

QLineEdit* TDIYForm::Edit(int index) const
{
    QLineEdit* const edits[] = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7};
    return edits[index];
}

std::vector<std::string> TDIYForm::ListedSkills() const
{
    std::vector<std::string> skills;
    for (int i = 0; i < ListBox1->count(); ++i)
        skills.push_back(ListBox1->item(i)->text().toStdString());
    return skills;
}

void TDIYForm::ShowSkills(const std::vector<std::string>& skills, int selected)
{
    ListBox1->clear();
    for (const std::string& skill : skills)
        ListBox1->addItem(SkillItem(Text(skill)));
    ListBox1->setCurrentRow(selected);
}

DiyFields TDIYForm::ShownFields() const
{
    DiyFields fields;
    for (int k = 0; k < 7; ++k)
        fields.Aptitudes[k] = Edit(k)->text().toStdString();
    fields.Growth = Edit8->text().toStdString();
    fields.Element = ComboBox1->currentText().toStdString();
    fields.Skills = ListedSkills();
    fields.Certify = CheckBox2->isChecked();
    fields.CertifiedSkill = ComboBox2->currentText().toStdString();
    return fields;
}

void TDIYForm::FormShow()
{
    if (!session_.HasBeast())
        return;
    const DiyFields fields = TemplateFields(session_.Beast());
    for (int k = 0; k < 7; ++k)
        Edit(k)->setText(Text(fields.Aptitudes[k]));
    Edit8->setText(Text(fields.Growth));
    ShowSkills(fields.Skills, -1);
}

void TDIYForm::SpeedButton1Click()
{
    const QListWidgetItem* item = ListBox2->currentItem();
    if (!item || !item->isSelected())
        return;
    SkillListEditor editor(ListedSkills());
    switch (editor.Add(item->text().toStdString())) {
    case SkillListEditor::AddResult::Added:
        ListBox1->addItem(SkillItem(item->text()));
        break;
    case SkillListEditor::AddResult::Duplicate:
        ShowInfoMessage(this, Text(SkillListEditor::DuplicateMessage()));
        break;
    case SkillListEditor::AddResult::Full:
        ShowInfoMessage(this, Text(SkillListEditor::FullMessage()));
        break;
    }
}

void TDIYForm::ListBox2DblClick(QListWidgetItem* item)
{
    ListBox2->setCurrentItem(item);
    SpeedButton1Click();
}

void TDIYForm::EditSkills(int (SkillListEditor::*edit)(int))
{
    const QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !item->isSelected())
        return;
    SkillListEditor editor(ListedSkills());
    const int selected = (editor.*edit)(ListBox1->currentRow());
    ShowSkills(editor.Skills(), selected);
}

void TDIYForm::SpeedButton2Click()
{
    EditSkills(&SkillListEditor::Remove);
}

void TDIYForm::ListBox1DblClick(QListWidgetItem* item)
{
    ListBox1->setCurrentItem(item);
    SpeedButton2Click();
}

void TDIYForm::SpeedButton3Click()
{
    EditSkills(&SkillListEditor::MoveUp);
}

void TDIYForm::SpeedButton4Click()
{
    EditSkills(&SkillListEditor::MoveDown);
}

void TDIYForm::BitBtn1Click()
{
    if (!session_.HasBeast())
        return;
    const DiyCommitResult result = session_.CommitCustom(ShownFields());
    switch (result.failure) {
    case DiyCommitResult::Failure::Integer:
        ShowErrorReport(this, InvalidIntegerText(Text(result.offending)));
        return;
    case DiyCommitResult::Failure::Decimal:
        ShowErrorReport(this, InvalidFloatText(Text(result.offending)));
        return;
    case DiyCommitResult::Failure::None:
        break;
    }
}

void TDIYForm::BitBtn2Click()
{
    close();
}
