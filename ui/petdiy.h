#pragma once
// The full custom dialog "完全DIY": gives CurrentBeast any aptitudes, growth,
// element, skill list and certified skill. Created once and reused; each
// showing reloads the eight edits and the skill list from the template.

#include <QDialog>

#include "ui/model/DiyCommit.h"
#include "ui/LazyWindow.h"
#include "ui/model/SkillListEditor.h"

#include <string>
#include <vector>

class BeastSession;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;

class TDIYForm : public QDialog {
    Q_OBJECT
public:
    // `session` must outlive the dialog; "提交" goes through it.
    explicit TDIYForm(BeastSession& session, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    // Edit1 .. Edit7: the seven aptitudes in template order (Edit7 lifespan).
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit3;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QLineEdit* Edit8;      // growth
    QCheckBox* CheckBox1;  // "永生", never enabled
    QComboBox* ComboBox1;  // element, editable
    QGroupBox* GroupBox1;
    QListWidget* ListBox1;      // the beast's skills
    QListWidget* ListBox2;      // the vocabulary
    QToolButton* SpeedButton1;  // add
    QToolButton* SpeedButton2;  // remove
    QToolButton* SpeedButton3;  // up
    QToolButton* SpeedButton4;  // down
    QCheckBox* CheckBox2;
    QComboBox* ComboBox2;  // certifiable skills, pick only
    QPushButton* BitBtn1;  // "提交"
    QPushButton* BitBtn2;  // "关闭"

    void FormShow();
    void SpeedButton1Click();
    void ListBox2DblClick(QListWidgetItem* item);
    void SpeedButton2Click();
    void ListBox1DblClick(QListWidgetItem* item);
    void SpeedButton3Click();
    void SpeedButton4Click();
    void BitBtn1Click();
    void BitBtn2Click();
    // Edit1KeyPress (digits, Edit1 .. Edit7) and Edit8KeyPress (digits and
    // ".") are the KeyFilter objects installed on the edits.

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createAptitudeEdits();
    void createGrowthAndElement();
    void createSkillLists();
    void createCertification();
    void createButtons();
    void connectHandlers();

    QLineEdit* Edit(int index) const;
    DiyFields ShownFields() const;
    std::vector<std::string> ListedSkills() const;
    // Applies a list edit to the selected entry of ListBox1; no selection, no edit.
    void EditSkills(int (SkillListEditor::*edit)(int));
    void ShowSkills(const std::vector<std::string>& skills, int selected);
    BeastSession& session_;
};

// Built on first use once CreateWindows() has run (see ui/Windows.h).
extern LazyWindow<TDIYForm> DIYForm;
