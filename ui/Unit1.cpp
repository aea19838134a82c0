#include "ui/Unit1.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>

#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/PanelShare.h"
#include "ui/model/PanelText.h"
#include "ui/model/StatusText.h"
#include "ui/session/BeastSession.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/BookPreview.h"
#include "ui/widgets/ButtonTabWidget.h"
#include "ui/widgets/IconList.h"
#include "ui/widgets/LazyPage.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/RadioList.h"
#include "ui/widgets/ReturnOnMarked.h"
#include "ui/widgets/ReturnPressesButton.h"
#include "ui/widgets/StatusLine.h"

std::string SelectedBook;
std::string CertifyChoice;
TForm1* Form1 = nullptr;

namespace {
struct RowButton {
    const char* name;
    const char* caption;
    int left;
    int width;
    void (TForm1::*handler)();
    const char* description = nullptr;  // for screen readers, where the caption says too little
};
// The button row, left to right.
const RowButton RowButtons[] = {
    {"BitBtn27", "召唤兽修正", 56, 89, &TForm1::BitBtn27Click},
    {"BitBtn28", "完全DIY", 192, 89, &TForm1::BitBtn28Click},
    // The free space between "完全DIY" and "认证".
    {"PlannerButton", "规划", 286, 37, &TForm1::PlannerButtonClick, "打开打书规划"},
    {"BitBtn25", "认证", 328, 89, &TForm1::BitBtn25Click},
    // The free space between "认证" and "打书", centred.
    {"RecordButton", "记录", 432, 65, &TForm1::RecordButtonClick, "打开打书记录"},
    {"BitBtn26", "打书", 512, 89, &TForm1::BitBtn26Click},
    {"BitBtn1", "关于软件", 648, 65, &TForm1::BitBtn1Click},
};
constexpr int BeastButtonLefts[] = {32, 120, 208, 296};
constexpr int ButtonRowTop = 476;
// The status line: in the beast picker's strip below the beast buttons
// (which end at 453), clear of the picker's lower edge at 476.
const QRect StatusPlace(8, 456, 458, 17);
// "洗到满意…": on the beast buttons' row, right of the fourth (which ends
// at 369), inside the picker's 472 pixels.
const QRect SearchPlace(382, 431, 82, 22);
const QKeySequence HitKey(Qt::CTRL | Qt::Key_D);
const QKeySequence RollAgainKey(Qt::CTRL | Qt::Key_R);

// Return and Enter press a focused button as Space does, as in the dialogs.
void PressOnReturn(QPushButton* button)
{
    new ReturnPressesButton(button);
}
}  // namespace

TForm1::TForm1(BeastSession& session, QWidget* parent) : QWidget(parent), session_(session)
{
    createWindow();
    createBeastArea();
    createBeastPicker();
    createBookLists();
    createBookPreview();
    createButtonRow();
    createStatusLine();
    createSearchButton();
    createUndoActions();
    createStableActions();
    createShortcuts();
}

void TForm1::createWindow()
{
    // A new main window starts with no book chosen and no pick pending.
    SelectedBook.clear();
    CertifyChoice.clear();
    setObjectName("Form1");
    setWindowTitle(ApplicationTitle());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(732, 523);
    setAttribute(Qt::WA_QuitOnClose);
    // MS Sans Serif has no Chinese; its captions come out in 宋体 at 12 px,
    // so that face serves the whole window (and, the panel using it too, is
    // the only Chinese face loaded at start-up).
    setFont(SongTiFont(12));
}

void TForm1::createBeastArea()
{
    Panel5 = new QWidget(this);
    Panel5->setObjectName("Panel5");
    Panel5->setAccessibleName("召唤兽区域");
    Panel5->setGeometry(0, 0, 472, 403);
}

// Only the first page of each tab widget is on screen at start; the others
// are made when first opened.
void TForm1::createBeastPicker()
{
    PageControl1 = new ButtonTabWidget(55, 20, this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setAccessibleName("召唤兽选择");
    PageControl1->setGeometry(0, 403, 472, 73);
    for (const BeastPage& page : BeastPickerPages()) {
        auto* tab = new LazyPage([this, &page](QWidget* made) { MakeBeastButtons(page, made); });
        tab->setAccessibleName(QString::fromStdString(page.Caption) + "级召唤兽");
        if (PageControl1->count() == 0)
            tab->Build();
        PageControl1->addTab(tab, QString::fromStdString(page.Caption));
    }
    LazyPage::BuildWhenCurrent(PageControl1);
}

void TForm1::MakeBeastButtons(const BeastPage& page, QWidget* tab)
{
    for (std::size_t i = 0; i < page.Beasts.size() && i < std::size(BeastButtonLefts); ++i) {
        auto* button = new QPushButton(QString::fromStdString(page.Beasts[i]), tab);
        button->setObjectName(QString("SpeedButton%1").arg(button->text()));
        button->setAccessibleName(button->text());
        button->setFlat(true);
        button->setGeometry(BeastButtonLefts[i], 8, 73, 22);
        button->setToolTip("洗一只新的 " + button->text() + "（再洗同一种："
                           + RollAgainKey.toString(QKeySequence::NativeText) + "）");
        PressOnReturn(button);
        connect(button, &QPushButton::clicked, this, [this, button] { SpeedButton1Click(button); });
    }
}

void TForm1::createBookLists()
{
    PageControl2 = new QTabWidget(this);
    PageControl2->setObjectName("PageControl2");
    PageControl2->setAccessibleName("技能书");
    PageControl2->setGeometry(472, 0, 260, 403);
    RadioList** const lists[] = {&RadioGroup1, &RadioGroup2, &RadioGroup3};
    constexpr int columns[] = {2, 2, 1};
    for (int i = 0; i < static_cast<int>(std::size(lists)); ++i) {
        LazyPage* page = BookListPage(i, columns[i], lists[i]);
        if (i == 0)
            page->Build();
        PageControl2->addTab(page, QString::fromStdString(BookLists()[i].Title));
    }
    LazyPage::BuildWhenCurrent(PageControl2);
}

LazyPage* TForm1::BookListPage(int index, int columns, RadioList** made)
{
    return new LazyPage([this, index, columns, made](QWidget* page) {
        auto* fill = new QVBoxLayout(page);
        fill->setContentsMargins(0, 0, 0, 0);
        *made = MakeBookList(index, columns);
        fill->addWidget(*made);
    });
}

RadioList* TForm1::MakeBookList(int index, int columns)
{
    const BookList& list = BookLists()[index];
    QStringList items;
    for (const std::string& item : list.Items)
        items.append(QString::fromStdString(item));
    auto* group = new RadioList(QString("RadioGroup%1").arg(index + 1), items, columns);
    group->setAccessibleName(QString::fromStdString(list.Title).trimmed() + "书单");
    for (int i = 0; i < group->Count(); ++i) {
        const SkillEntry book = PanelText::Skill(DescriptionLines(), list.Items[i]);
        group->Item(i)->setToolTip(QString::fromStdString(PanelText::ToolTip(book)));
        group->Item(i)->setAccessibleDescription(QString::fromStdString(book.Description));
        new ReturnOnMarked(group->Item(i), [this] { BitBtn26Click(); });
    }
    connect(group, &RadioList::MarkMoved, this, &TForm1::RadioGroup1Click);
    return group;
}

void TForm1::createBookPreview()
{
    auto* preview = new BookPreview(this);
    preview->setGeometry(472, 403, 260, 73);
    Image1 = preview->Icon;
    ScrollBox1 = preview->Scroll;
    Label1 = preview->Text;
    preview_ = preview;
}

void TForm1::createButtonRow()
{
    for (const RowButton& row : RowButtons) {
        auto* button = new QPushButton(QString::fromUtf8(row.caption), this);
        button->setObjectName(row.name);
        button->setAccessibleName(button->text());
        if (row.description)
            button->setAccessibleDescription(QString::fromUtf8(row.description));
        button->setGeometry(row.left, ButtonRowTop + 10, row.width, 25);
        PressOnReturn(button);
        connect(button, &QPushButton::clicked, this, row.handler);
    }
}

void TForm1::createStatusLine()
{
    Status = new StatusLine("状态：", this);
    Status->setObjectName("Status");
    Status->setGeometry(StatusPlace);
    Status->raise();
}

void TForm1::createSearchButton()
{
    // Beside the beast buttons, in the picker's free space to their right.
    auto* button = new QPushButton("洗到满意…", this);
    button->setObjectName("SearchButton");
    button->setAccessibleName(button->text());
    button->setAccessibleDescription("一直洗同一种召唤兽，直到洗出满足条件的一只");
    button->setToolTip(button->accessibleDescription());
    button->setGeometry(SearchPlace);
    PressOnReturn(button);
    connect(button, &QPushButton::clicked, this, [this] { emit SearchRequested(lastTemplate_); });
}

void TForm1::createUndoActions()
{
    UndoAction = session_.UndoStack()->createUndoAction(this, "撤销");
    UndoAction->setObjectName("UndoAction");
    UndoAction->setShortcut(QKeySequence::Undo);
    RedoAction = session_.UndoStack()->createRedoAction(this, "重做");
    RedoAction->setObjectName("RedoAction");
    RedoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    addActions({UndoAction, RedoAction});
}

void TForm1::createStableActions()
{
    struct Entry {
        QAction** action;
        const char* name;
        const char* text;
        QKeySequence key;
    };
    const Entry entries[] = {
        {&HistoryAction, "HistoryAction", "历史与收藏…", QKeySequence(Qt::CTRL | Qt::Key_H)},
        {&KeepAction, "KeepAction", "收藏当前…", QKeySequence(Qt::CTRL | Qt::Key_K)},
        {&CopyCodeAction, "CopyCodeAction", "复制代码", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {&PasteCodeAction, "PasteCodeAction", "粘贴代码", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
        {&ContinueAction, "ContinueAction", "继续上次", QKeySequence()},
    };
    for (const Entry& entry : entries) {
        *entry.action = new QAction(entry.text, this);
        (*entry.action)->setObjectName(entry.name);
        (*entry.action)->setShortcut(entry.key);
        addAction(*entry.action);
    }
}

void TForm1::createShortcuts()
{
    auto* hit = new QShortcut(HitKey, this, this, &TForm1::BitBtn26Click);
    hit->setObjectName("HitShortcut");
    auto* again = new QShortcut(RollAgainKey, this, this, &TForm1::RollAgain);
    again->setObjectName("RollAgainShortcut");
    auto* menu = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this, this, &TForm1::ShowPictureMenu);
    menu->setObjectName("PictureMenuShortcut");
    if (auto* button = findChild<QPushButton*>("BitBtn26"))
        button->setToolTip("打书（" + HitKey.toString(QKeySequence::NativeText) + "）");
}

void TForm1::ShowStatus(const BeastChange& change)
{
    if (change.kind == BeastChange::Kind::Roll || change.kind == BeastChange::Kind::RollSearch)
        lastTemplate_ = change.name;
    Status->SetStatus(QString::fromStdString(StatusText::For(change)));
}

void TForm1::SetActionsEnabled(bool enabled)
{
    PageControl1->setEnabled(enabled);
    for (const char* name : {"SearchButton", "BitBtn27", "BitBtn28", "BitBtn25", "BitBtn26"})
        if (auto* button = findChild<QPushButton*>(name))
            button->setEnabled(enabled);
    for (const char* name : {"HitShortcut", "RollAgainShortcut"})
        if (auto* shortcut = findChild<QShortcut*>(name))
            shortcut->setEnabled(enabled);
    UndoAction->setEnabled(enabled && session_.UndoStack()->canUndo());
    RedoAction->setEnabled(enabled && session_.UndoStack()->canRedo());
}

void TForm1::RollAgain()
{
    session_.Roll(lastTemplate_);
}

void TForm1::SetPanel(QWidget* panel, const IconList* icons)
{
    panel_ = panel;
    icons_ = icons;
}

void TForm1::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() != QContextMenuEvent::Keyboard || !panel_) {
        QWidget::contextMenuEvent(event);
        return;
    }
    ShowPictureMenu();
}

void TForm1::ShowPictureMenu()
{
    if (!panel_)
        return;
    QMenu* menu = PanelShare::Menu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(panel_->mapToGlobal(QPoint(10, 30)));
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    FormShow();
}

void TForm1::FormShow()
{
    if (!panel_ || panel_->parentWidget() == Panel5)
        return;
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    panel_->setParent(Panel5, Qt::Widget);
    panel_->move(10, 10);
    panel_->show();
}

void TForm1::SpeedButton1Click(QPushButton* sender)
{
    session_.Roll(sender->text().toStdString());
}

void TForm1::RadioGroup1Click(const QString& chosen)
{
    const std::string name = chosen.toStdString();
    const SkillEntry book = PanelText::Skill(DescriptionLines(), name);
    const bool hasIcon = icons_ && book.Icon >= 0 && book.Icon < static_cast<int>(icons_->size());
    preview_->Show(book, hasIcon ? (*icons_)[book.Icon] : QPixmap());
    SelectedBook = name;
    Status->SetStatus(QString::fromStdString(StatusText::Book(name, book.Description)));
    emit BookChosen(SelectedBook);
}

void TForm1::BitBtn26Click()
{
    session_.HitBook(SelectedBook);
}

void TForm1::BitBtn25Click()
{
    std::vector<std::string> list;
    if (!session_.HasBeast() || !session_.Beast().CertifiableSkills(list)) {
        ShowInfoMessage(this, "此召唤兽无可认证技能或已经认证！");
        return;
    }
    emit CertifyRequested(list);
    if (!CertifyChoice.empty())
        session_.Certify(std::exchange(CertifyChoice, {}));
}

void TForm1::BitBtn27Click()
{
    emit CorrectionRequested();
}

void TForm1::BitBtn28Click()
{
    emit CustomRequested();
}

void TForm1::BitBtn1Click()
{
    emit AboutRequested();
}

void TForm1::RecordButtonClick()
{
    emit RecordRequested(SelectedBook);
}

void TForm1::PlannerButtonClick()
{
    emit PlannerRequested();
}
