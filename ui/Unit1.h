#pragma once
// The main window: the beast panel above the beast picker, the book lists
// with their preview, and the button row. It changes the beast only through
// the session it is given; the buttons that open another window ask for it
// through a signal, which the code that creates the windows answers.

#include <QWidget>

#include <string>
#include <vector>

#include "ui/Selections.h"
#include "ui/model/PanelText.h"

class BeastSession;
class QAction;
class BookPreview;
class IconList;
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
    // `session` must outlive the window.
    explicit TForm1(BeastSession& session, QWidget* parent = nullptr);

    // The beast panel to show in Panel5 from the first showing on, and the
    // icons the book preview draws. Both must outlive the window or be
    // passed again; the panel is reparented when the window is shown.
    void SetPanel(QWidget* panel, const IconList* icons);

    void SpeedButton1Click(QPushButton* sender);
    void RadioGroup1Click(const QString& chosen);
    void BitBtn26Click();       // 打书
    void BitBtn25Click();       // 认证
    void BitBtn27Click();       // 召唤兽修正
    void BitBtn28Click();       // 完全DIY
    void BitBtn1Click();        // 关于软件
    void RecordButtonClick();   // 记录
    void PlannerButtonClick();  // 规划
    // Ctrl+R: a new beast of the template rolled last (芙蓉仙子 at start).
    void RollAgain();
    // Says in the status line what a change did.
    void ShowStatus(const BeastChange& change);
    // Enables or disables every control and key that changes the beast
    // (beast buttons, 洗到满意…, the book actions and dialogs, Ctrl+D and
    // Ctrl+R), while the session's worker is busy.
    void SetActionsEnabled(bool enabled);

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
    // "撤销 …" (Ctrl+Z) and "重做 …" (Ctrl+Shift+Z, Ctrl+Y), named after the
    // change they undo or redo; also in the panel's picture menu.
    QAction* UndoAction = nullptr;
    QAction* RedoAction = nullptr;
    // The history and the stable: "历史与收藏…" (Ctrl+H), "收藏当前…"
    // (Ctrl+K), "复制代码" (Ctrl+Shift+C), "粘贴代码" (Ctrl+Shift+V) and
    // "继续上次". Whoever creates the windows connects them.
    QAction* HistoryAction = nullptr;
    QAction* KeepAction = nullptr;
    QAction* CopyCodeAction = nullptr;
    QAction* PasteCodeAction = nullptr;
    QAction* ContinueAction = nullptr;

signals:
    // A book was chosen in the lists (after SelectedBook is set).
    void BookChosen(const std::string& book);
    // The button row asks for the other windows. The certification chooser
    // is asked with the skills it offers and must be modal: the pick is in
    // CertifyChoice when the signal returns.
    void CertifyRequested(const std::vector<std::string>& skills);
    void CorrectionRequested();
    void CustomRequested();
    void AboutRequested();
    void RecordRequested(const std::string& book);
    void PlannerRequested();
    // "洗到满意…": rolls of the template rolled last.
    void SearchRequested(const std::string& templateName);

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
    void createSearchButton();
    void createUndoActions();
    void createStableActions();
    void createShortcuts();
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

    BeastSession& session_;
    QWidget* panel_ = nullptr;
    BookPreview* preview_ = nullptr;
    const IconList* icons_ = nullptr;
    std::string lastTemplate_ = "芙蓉仙子";
};

extern TForm1* Form1;
