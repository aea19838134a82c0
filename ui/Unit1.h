#pragma once
// The main window: the beast panel above the beast picker, the book lists
// with their preview, and the button row.

#include <QWidget>

#include <string>

#include "ui/Selections.h"
#include "ui/model/PanelText.h"

class QLabel;
class QPushButton;
class RadioList;
class QScrollArea;
class QTabWidget;

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    void SpeedButton1Click(QPushButton* sender);
    void RadioGroup1Click(const QString& chosen);
    void BitBtn26Click();  // 打书
    void BitBtn25Click();  // 认证
    void BitBtn27Click();  // 召唤兽修正
    void BitBtn28Click();  // 完全DIY
    void BitBtn1Click();   // 关于软件
    void RecordButtonClick();  // 记录
    void PlannerButtonClick();  // 规划

    QWidget* Panel5 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    RadioList* RadioGroup1 = nullptr;
    RadioList* RadioGroup2 = nullptr;
    RadioList* RadioGroup3 = nullptr;
    QLabel* Image1 = nullptr;  // preview icon cell
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Label1 = nullptr;  // preview description

signals:
    // A book was chosen in the lists (after SelectedBook is set).
    void BookChosen(const std::string& book);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createWindow();
    void createBeastArea();
    void createBeastPicker();
    void createBookLists();
    void createBookPreview();
    void createButtonRow();
    RadioList* MakeBookList(int index, int columns);
    void FormShow();
    // The preview's icon, text and their names for `book`; empties the icon
    // cell first, and leaves the text when no line names the book.
    void ShowBook(const SkillEntry& book);
    void FitPreview();
};

extern TForm1* Form1;
