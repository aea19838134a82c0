#include "ui/RecordWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QGroupBox>
#include <QResizeEvent>
#include <QTextBlock>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "engine/pet.h"
#include "ui/PanelShare.h"
#include "ui/model/BeastChange.h"
#include "ui/model/BookOdds.h"
#include "ui/model/BookRecord.h"
#include "ui/model/ReachCurves.h"
#include "ui/model/RollGrade.h"
#include "ui/session/BeastSession.h"
#include "ui/skin/Fonts.h"
#include "ui/widgets/BesideMain.h"
#include "ui/widgets/JoinedLines.h"
#include "ui/widgets/ReachChart.h"
#include "ui/widgets/MessageBoxes.h"
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
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(4);
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
    // It gives way first: three lines at the least.
    list_->setMinimumHeight(list_->fontMetrics().lineSpacing() * 3 + 2 * list_->frameWidth() + 8);
    layout()->addWidget(list_);
}

void RecordWindow::createFigures()
{
    counters_ = makeText("本只召唤兽");
    counters_->setObjectName("BeastCounters");
    counters_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    counters_->installEventFilter(this);
    auto* countersBox = Framed("本只召唤兽", counters_);
    // The grading rule is long and rarely read: behind a button, whole in
    // its tooltip and its description.
    auto* rule = new QPushButton("评级规则…", this);
    rule->setObjectName("GradeRuleButton");
    rule->setAccessibleName("评级规则");
    const QString ruleText = QString::fromStdString(RollGrade::RuleText());
    rule->setToolTip(ruleText);
    rule->setAccessibleDescription(ruleText);
    rule->setAutoDefault(false);
    new ReturnPressesButton(rule);
    connect(rule, &QPushButton::clicked, this, [this, ruleText] { ShowInfoMessage(this, ruleText); });
    auto* ruleRow = new QHBoxLayout;
    ruleRow->addStretch(1);
    ruleRow->addWidget(rule);
    static_cast<QVBoxLayout*>(countersBox->layout())->addLayout(ruleRow);
    layout()->addWidget(countersBox);
    odds_ = makeText("下一本的几率");
    odds_->setObjectName("BookOdds");
    odds_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    odds_->installEventFilter(this);
    chart_ = new ReachChart(this);
    // The figures and their chart take turns: beside the main window on a
    // small screen there is height for one of them whole, not both.
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("OddsTabs");
    tabs->setAccessibleName("下一本的几率");
    tabs->setUsesScrollButtons(false);
    tabs->addTab(odds_, "数字");
    tabs->addTab(chart_, "几率图");
    layout()->addWidget(Framed("下一本的几率", tabs));
    auto* box = static_cast<QVBoxLayout*>(layout());
    box->setStretch(0, 1);
    box->setStretch(2, 0);
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
    counters_->setPlainText(JoinedLines(counters));
    FitToText(counters_);
}

void RecordWindow::FitToText(QPlainTextEdit* text)
{
    // As tall as its lines as wrapped at its width, so that neither box
    // ever scrolls; the record above takes what is left.
    const QAbstractTextDocumentLayout* layout = text->document()->documentLayout();
    qreal height = 0;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
        height += layout->blockBoundingRect(block).height();
    const int frame = 2 * text->frameWidth() + static_cast<int>(2 * text->document()->documentMargin());
    text->setFixedHeight(static_cast<int>(std::ceil(height)) + frame);
}

bool RecordWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && (watched == counters_ || watched == odds_)) {
        auto* text = static_cast<QPlainTextEdit*>(watched);
        // After the edit's own resize has wrapped its lines anew.
        if (static_cast<QResizeEvent*>(event)->oldSize().width() != text->width())
            QTimer::singleShot(0, text, [text] { FitToText(text); });
    }
    return ToolWindow::eventFilter(watched, event);
}

void RecordWindow::refreshOdds()
{
    const std::vector<BookWait> waits = BookOdds::Waits(skills_.size());
    const std::vector<std::string> lines = BookOdds::Lines(skills_, certified_, book_, waits);
    odds_->setPlainText(JoinedLines(lines));
    FitToText(odds_);
    chart_->SetCurves(ReachCurves::For(skills_.size(), waits));
}

void RecordWindow::PlaceBeside(QWidget* mainWindow)
{
    const QRect place = BesideMain(mainWindow, {PreferredWidth, PreferredHeight}, NarrowestWidth, false);
    resize(place.width(), std::max(place.height(), 300));
    move(place.topLeft());
}
