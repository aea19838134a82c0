#pragma once
// The "打书记录" tool window: the record's lines, the current beast's
// counters, the exact odds of the next book with a chart of the books still
// needed, and the buttons that share the beast panel as a picture. It only
// shows what BookRecord, BookOdds and RollGrade produce, as plain,
// selectable text.

#include <cstdint>
#include <string>
#include <vector>

#include "ui/widgets/ToolWindow.h"

class BeastSession;
struct BeastChange;
class QPlainTextEdit;
class ReachChart;

class RecordWindow : public ToolWindow {
    Q_OBJECT
public:
    // A tool window of `mainWindow` that shows the session's record. While
    // shown it follows every change from what the change carries; Refresh
    // catches up after a hidden spell. The session must outlive the window.
    RecordWindow(const BeastSession& session, QWidget* mainWindow);

    // The book whose odds the window shows; empty for none chosen yet.
    void SetBook(const std::string& book);

    // Appends the lines added since the last refresh, scrolls to the newest
    // and rewrites the counters and the odds, all from the session's record.
    void Refresh();
    // The same for one change, from the change alone. A hidden window
    // ignores it: the odds cost work per book, and Refresh catches up.
    void ShowChange(const BeastChange& change);
    // Puts the window beside the main window: on its right when the screen
    // has room, else on its left, else against the screen's right edge.
    void PlaceBeside(QWidget* mainWindow);

    QPlainTextEdit* List() const { return list_; }
    QPlainTextEdit* Counters() const { return counters_; }
    QPlainTextEdit* Odds() const { return odds_; }
    ReachChart* Chart() const { return chart_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createList();
    void createFigures();
    void createShareRow();
    void appendLines(const std::vector<std::string>& lines);
    void showCounters(const std::vector<std::string>& counters);
    void refreshOdds();
    QPlainTextEdit* makeText(const QString& name);

    const BeastSession& session_;
    std::vector<std::string> skills_;  // the beast's, for the odds
    std::string certified_;
    QPlainTextEdit* list_ = nullptr;
    static void FitToText(QPlainTextEdit* text);

    QPlainTextEdit* counters_ = nullptr;
    QPlainTextEdit* odds_ = nullptr;
    ReachChart* chart_ = nullptr;
    uint64_t shown_ = 0;  // lines written when last refreshed
    std::string book_;
};
