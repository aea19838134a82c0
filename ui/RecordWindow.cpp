#include "ui/RecordWindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "engine/pet.h"
#include "ui/PanelShare.h"
#include "ui/model/BeastChange.h"
#include "ui/model/BookOdds.h"
#include "ui/model/BookRecord.h"
#include "ui/model/ReachCurves.h"
#include "ui/model/RollGrade.h"
#include "ui/session/BeastSession.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/JoinedLines.h"
#include "ui/widgets/ReachChart.h"
#include "ui/widgets/ReturnPressesButton.h"

namespace {
constexpr int PreferredWidth = 380;
// Taller than the main window where the screen allows: beside it the window
// is narrow, and the odds wrap.
constexpr int PreferredHeight = 760;
constexpr int NarrowestWidth = 240;

QGroupBox* Framed(const QString& title, QWidget* content)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(content);
    return box;
}
}  // namespace

RecordWindow::RecordWindow(const BeastSession& session, QWidget* mainWindow)
    : ToolWindow("RecordWindow", "打书记录", mainWindow), session_(session)
{
    setFont(SongTiFont(13));
    new QVBoxLayout(this);
    createList();
    createFigures();
    createShareRow();
    resize(PreferredWidth, PreferredHeight);
}

QPlainTextEdit* RecordWindow::makeText(const QString& name)
{
    auto* text = new QPlainTextEdit(this);
    text->setAccessibleName(name);
    text->setReadOnly(true);
    // Read, select and copy from the keyboard too; Tab leaves the box.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setTabChangesFocus(true);
    text->setFocusPolicy(Qt::StrongFocus);
    return text;
}

void RecordWindow::createList()
{
    list_ = makeText("打书记录");
    list_->setObjectName("RecordList");
    list_->setMaximumBlockCount(static_cast<int>(BookRecord::MaxLines));
    layout()->addWidget(list_);
}

void RecordWindow::createFigures()
{
    counters_ = makeText("本只召唤兽");
    counters_->setObjectName("BeastCounters");
    // Room for the counters and the grading rule, wrapped.
    counters_->setFixedHeight(counters_->fontMetrics().lineSpacing() * 9 + 12);
    layout()->addWidget(Framed("本只召唤兽", counters_));
    odds_ = makeText("下一本的几率");
    odds_->setObjectName("BookOdds");
    odds_->setMinimumHeight(odds_->fontMetrics().lineSpacing() * 6);
    chart_ = new ReachChart(this);
    auto* oddsBox = Framed("下一本的几率", odds_);
    oddsBox->layout()->addWidget(chart_);
    layout()->addWidget(oddsBox);
    auto* box = static_cast<QVBoxLayout*>(layout());
    box->setStretch(0, 1);
    box->setStretch(2, 2);
}

void RecordWindow::createShareRow()
{
    auto* row = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        void (*action)(QWidget*);
    } buttons[] = {
        {"CopyPicture", "复制图片", [](QWidget*) { PanelShare::Copy(); }},
        {"SavePicture", "保存图片…", [](QWidget* parent) { PanelShare::SaveWithDialog(parent); }},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(b.name);
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
        new ReturnPressesButton(button);
        connect(button, &QPushButton::clicked, this, [this, action = b.action] { action(this); });
        row->addWidget(button);
    }
    row->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void RecordWindow::SetBook(const std::string& book)
{
    if (book == book_)
        return;
    book_ = book;
    refreshOdds();
}

void RecordWindow::Refresh()
{
    const BookRecord& record = session_.Record();
    const auto& lines = record.Lines();
    const uint64_t fresh = std::min<uint64_t>(record.LinesWritten() - shown_, lines.size());
    appendLines({lines.end() - static_cast<std::ptrdiff_t>(fresh), lines.end()});
    shown_ = record.LinesWritten();
    skills_ = record.Skills();
    certified_ = record.CertifiedSkill();
    showCounters(record.CounterLines());
    refreshOdds();
}

void RecordWindow::ShowChange(const BeastChange& change)
{
    if (!isVisible())
        return;
    appendLines(change.lines);
    shown_ += change.lines.size();
    skills_ = change.after.Skills;
    certified_ = change.after.CertifiedSkill;
    showCounters(BookRecord::CounterLines(change.after.Name, skills_, certified_, change.counters, change.run));
    refreshOdds();
}

void RecordWindow::appendLines(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        list_->appendPlainText(QString::fromStdString(line));
    list_->verticalScrollBar()->setValue(list_->verticalScrollBar()->maximum());
}

void RecordWindow::showCounters(const std::vector<std::string>& counters)
{
    std::vector<std::string> text = counters;
    text.push_back(RollGrade::RuleText());
    counters_->setPlainText(JoinedLines(text));
}

void RecordWindow::refreshOdds()
{
    const std::vector<BookWait> waits = BookOdds::Waits(skills_.size());
    odds_->setPlainText(JoinedLines(BookOdds::Lines(skills_, certified_, book_, waits)));
    chart_->SetCurves(ReachCurves::For(skills_.size(), waits));
}

void RecordWindow::PlaceBeside(const QWidget* mainWindow)
{
    const QScreen* screen = mainWindow ? mainWindow->screen() : this->screen();
    if (!mainWindow || !screen)
        return;
    const QRect free = screen->availableGeometry();
    const QRect main = mainWindow->frameGeometry();
    // Not shown yet, this window has no frame to measure; the main window's
    // title bar and borders come from the same window manager. Placed by its
    // client area, which is what a window not yet shown can be given.
    const QPoint inset = mainWindow->geometry().topLeft() - main.topLeft();
    const QSize frame = main.size() - mainWindow->size();
    const int right = free.right() - main.right() - frame.width();
    const int left = main.left() - free.left() - frame.width();
    const int top = std::max(main.top(), free.top());
    const int height = std::min(PreferredHeight, free.bottom() + 1 - top - frame.height());
    int width = PreferredWidth;
    int x = 0;
    if (right >= NarrowestWidth) {
        width = std::min(width, right);
        x = main.right() + 1;
    } else if (left >= NarrowestWidth) {
        width = std::min(width, left);
        x = main.left() - width - frame.width();
    } else {
        x = free.right() + 1 - width - frame.width();
    }
    setGeometry(x + inset.x(), top + inset.y(), width, std::max(height, 300));
}
