#pragma once
// The main window: the beast panel above the beast picker, the book lists
// with their preview, and the button row.

#include <QWidget>

#include <string>

#include "ui/Selections.h"
#include "ui/model/PanelText.h"

class QLabel;
class QPushButton;
class LazyPage;
class RadioList;
struct BeastPage;
class QScrollArea;
class StatusLine;
struct BeastChange;
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
    // Ctrl+R: a new beast of the template rolled last (芙蓉仙子 at start).
    void RollAgain();

    QWidget* Panel5 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QTabWidget* PageControl2 = nullptr;
    // The book lists; 高级 and 其他 stay nullptr until their page is first
    // opened (the beast picker's later pages likewise have no buttons yet).
    RadioList* RadioGroup1 = nullptr;
    RadioList* RadioGroup2 = nullptr;
    RadioList* RadioGroup3 = nullptr;
    QLabel* Image1 = nullptr;  // preview icon cell
    QScrollArea* ScrollBox1 = nullptr;
    QLabel* Label1 = nullptr;  // preview description
    // What the last action did, below the beast buttons.
    StatusLine* Status = nullptr;

signals:
    // A book was chosen in the lists (after SelectedBook is set).
    void BookChosen(const std::string& book);

protected:
    void showEvent(QShowEvent* event) override;
    // The menu key and Shift+F10 open the beast panel's picture menu.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createWindow();
    void createBeastArea();
    void createBeastPicker();
    void createBookLists();
    void createBookPreview();
    void createButtonRow();
    void createStatusLine();
    void createShortcuts();
    void ShowStatus(const BeastChange& change);
    // The beast panel's picture menu at the panel's top left.
    void ShowPictureMenu();
    void MakeBeastButtons(const BeastPage& page, QWidget* tab);
    // The page of book list `index`; its list, made when the page is first
    // shown, is stored in *made.
    LazyPage* BookListPage(int index, int columns, RadioList** made);
    RadioList* MakeBookList(int index, int columns);
    void FormShow();
    // The preview's icon, text and their names for `book`; empties the icon
    // cell first, and leaves the text when no line names the book.
    void ShowBook(const SkillEntry& book);
    void FitPreview();

    std::string lastTemplate_ = "芙蓉仙子";
};

extern TForm1* Form1;
