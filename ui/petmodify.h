#pragma once
// The correction dialog: renames CurrentBeast, raises its level up to 160 and
// spends its potential on the five attribute points, one step at a time or by
// a ratio. ModifyModel holds the working numbers and writes them into the
// beast on "提交"; this window shows the model and forwards the user's acts.

#include <QDialog>

#include <array>

#include "ui/widgets/UpDownButton.h"
#include "ui/LazyWindow.h"
#include "ui/model/ModifyModel.h"

class BeastSession;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TModifyForm : public QDialog {
    Q_OBJECT
public:
    // `session` must outlive the dialog; "提交" goes through it.
    explicit TModifyForm(BeastSession& session, QWidget* parent = nullptr);
    ~TModifyForm() override;

    QLabel* Label1;
    QLineEdit* Edit1;  // name, at most 12 bytes of code page 936
    QLabel* Label2;
    QLineEdit* Edit2;  // level
    UpDownButton* UpDown6;
    QGroupBox* GroupBox1;
    std::array<QLabel*, 5> RowLabels{};
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    UpDownButton* UpDown1;
    UpDownButton* UpDown2;
    UpDownButton* UpDown3;
    UpDownButton* UpDown4;
    UpDownButton* UpDown5;
    QLabel* Label3;
    QLineEdit* Edit3;  // potential
    QGroupBox* GroupBox2;
    QLineEdit* Edit9;
    QLineEdit* Edit10;
    QLineEdit* Edit11;
    QLineEdit* Edit12;
    QLineEdit* Edit13;
    QCheckBox* CheckBox1;
    QPushButton* BitBtn1;  // 提交
    QPushButton* BitBtn2;  // 关闭

    void FormShow();
    // Runs on every change of the level text. A level below the stored one
    // shows the rows of the stored level, which is what "提交" writes; the
    // text itself is set right when editing ends (Edit2Done).
    void Edit2Change();
    void UpDown1Click(UpDownButton::Direction direction);
    void CheckBox1Click(bool checked);
    void BitBtn1Click();
    void BitBtn2Click();
    void LoadPoints();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createNameAndLevel();
    void createGroups();
    void createRows();
    void createButtons();
    void connectHandlers();

    void Edit1Edited(const QString& text);
    void Edit2Done();
    void StepLevel(UpDownButton::Direction direction);
    void ShowLevel(int32_t level);
    void ShowRows();

    ModifyModel model_;
    std::array<QLineEdit*, 5> values_{};
    std::array<UpDownButton*, 5> spinners_{};
    std::array<QLineEdit*, 5> weights_{};
    QString nameBefore_;
    bool toldNoConverter_ = false;
    BeastSession& session_;
};

// Built on first use once CreateWindows() has run (see ui/Windows.h).
extern LazyWindow<TModifyForm> ModifyForm;
