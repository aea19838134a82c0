#pragma once
// The session: the one owner of what happens to the beast during a run. It
// applies each user action to CurrentBeast through the engine or a dialog's
// model, notes it in the run's record, and announces it through Changed,
// once, with everything a view needs worked out already: the kind, the
// beast before and after, the book's outcome, the counters, the record's
// new lines and the roll's grade. The start-up roll goes the same way.
//
// Views are handed the session where the windows are created (Windows.cpp)
// and learn of every change from Changed alone; a view that must show the
// beast or the record before any change asks Beast() or Record().
//
// Every action needs CurrentBeast; without it (before the panel exists or
// after it is gone) the action does nothing and emits nothing. While a roll
// search or a simulation runs no action does anything either: the worker
// thread alone draws from the random source then.

#include <QElapsedTimer>
#include <QObject>
#include <QUndoStack>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/model/BeastChange.h"
#include "ui/model/BookRecord.h"
#include "ui/model/DiyCommit.h"
#include "ui/model/ModifyModel.h"
#include "ui/model/PlanPlayer.h"
#include "ui/model/RollGrade.h"
#include "ui/model/RollSearch.h"
#include "ui/session/BeastCommand.h"
#include "ui/store/BeastStore.h"

class QThread;

class TPet;

class BeastSession : public QObject {
    Q_OBJECT
public:
    explicit BeastSession(QObject* parent = nullptr);
    // Stops a running search and waits for its thread.
    ~BeastSession() override;

    // The run's first beast: a roll of `templateName` that opens the record.
    // Called once, when the windows are ready to hear of it.
    void Start(const std::string& templateName);
    // A new beast of the template (LoadBeast), even the same one again.
    void Roll(const std::string& templateName);
    // HitBook with `book`. An empty book (none chosen yet) calls nothing and
    // reports NoBook, so that a view can say why nothing happened.
    void HitBook(const std::string& book);
    // Certify with `skill`, a name the chooser listed.
    void Certify(const std::string& skill);
    // The correction dialog's "提交": the model writes name, level and points
    // and recomputes the attributes. A level text that is no number writes
    // nothing and reports no change.
    ModifyModel::CommitResult CommitCorrection(ModifyModel& model, const std::string& name,
                                               const std::string& levelText);
    // The full custom dialog's "提交". A field that does not convert writes
    // nothing and reports no change.
    DiyCommitResult CommitCustom(const DiyFields& fields);

    // "洗到满意为止": rolls `templateName` on a worker thread, on a beast of
    // its own, until a roll meets `target`, `cap` rolls are made or StopWork
    // is called; then the kept roll becomes the beast, announced as a
    // RollSearch change, and SearchFinished follows. False (nothing
    // started) without a beast, while the worker is busy, or for a
    // template that does not exist.
    bool StartSearch(const std::string& templateName, const RollTarget& target, uint64_t cap);
    // "模拟 N 次": plays `player` `runs` times, each on a copy of the beast as
    // it stands and for at most `limit` books, on the worker thread; the
    // beast itself is never touched. SimulationFinished gives every run's
    // cost (fewer when stopped). False without a beast or while busy.
    bool StartSimulation(std::shared_ptr<const PlanPlayer> player, uint64_t runs, uint64_t limit);
    // Asks the running search or simulation to stop after its current roll
    // or run.
    void StopWork();
    bool Busy() const { return worker_ != nullptr; }

    // Every change since the start-up roll that can be undone ("撤销 第 32
    // 本 高级必杀") and redone: rolls, books that were not refused,
    // certification, both commits, a kept search roll. Undoing and redoing
    // go through Restore.
    QUndoStack* UndoStack() { return &undo_; }
    // Makes `beast` (with `grade`) the beast again as an undo or redo of the
    // change called `what`: notes it in the record and announces it. Does
    // nothing without a beast or while the worker is busy.
    void Restore(const BeastCommand::Side& side, BeastChange::Kind kind, const std::string& what);

    // --- what is kept across runs ---------------------------------------
    // Hands the session the store, once the main window is up: the beast
    // as it stands becomes a history entry, and from then on every change
    // updates the entry of the beast it changed (a roll starts a new one).
    // The store must outlive the session or be detached with nullptr.
    void AttachStore(BeastStore* store);
    BeastStore* Store() const { return store_; }
    // The history entry of the beast as it stands (0 without a store).
    qint64 CurrentEntry() const { return entry_; }
    // "取回": the beast of history entry or kept row `id` becomes the beast,
    // with its books so far; undoable. A history entry goes on being
    // updated; a kept beast starts a new entry (the kept copy stays as it
    // was). False, changing nothing, without a store or beast, for an id
    // that is gone or a row that does not read.
    bool Recall(BeastStore::Table table, qint64 id);
    // "继续上次": Recall of the previous run's last beast. False when there
    // is none.
    bool ContinueLast();
    // "粘贴代码": the beast of a share code becomes the beast (a new history
    // entry); undoable. Returns "" or, changing nothing, what is wrong.
    std::string PasteCode(const std::string& code);
    // "复制代码": the beast's share code, or "" with `problem` saying why it
    // cannot be shared.
    std::string CopyCode(std::string& problem) const;
    // "收藏": keeps the beast as it stands under `name` with `note`; its id,
    // or 0 without a store.
    qint64 Keep(const QString& name, const QString& note);
    // The name "收藏" offers: template, grade and time ("凤凰 极品 12-10 09:15").
    QString DefaultKeepName() const;
    bool RenameKept(qint64 id, const QString& name, const QString& note);
    // Deletes a kept beast; undoable ("撤销 删除收藏“…”" puts it back).
    bool RemoveKept(qint64 id);
    // Reports a change of the stable through Changed (Kind::Stable).
    void Tell(const std::string& what);

    // Whether there is a beast to act on (and the worker is not busy).
    bool HasBeast() const;
    // The beast as it stands. Precondition: HasBeast().
    const TPet& Beast() const;
    // The run's record: every line and counter since Start.
    const BookRecord& Record() const { return record_; }
    // The grade of the roll the beast is (BeastChange::grade).
    const RollGrade::Result& Grade() const { return grade_; }

signals:
    // After the record has noted the change; `change.after` is the beast as
    // it now stands.
    void Changed(const BeastChange& change);
    // While a search runs, at most every 50 ms: the rolls made and the rolls
    // per second so far.
    void SearchProgress(quint64 rolls, double perSecond);
    // After the search's change (if it made any roll): the rolls made and
    // how it ended.
    void SearchFinished(quint64 rolls, const QString& line);
    // The same for a simulation: runs done, and at the end every run's cost.
    void SimulationProgress(quint64 runs, double perSecond);
    void SimulationFinished(const std::vector<int64_t>& costs);
    // The worker started (true) or ended (false): the actions that change
    // the beast do nothing meanwhile, and views may say so by disabling them.
    void BusyChanged(bool busy);

private:
    // Notes `change` in the record, completes it with the counters and the
    // new lines, and emits it.
    void Announce(BeastChange change);
    // Completes `change` with the grade, counters and the lines the record
    // gained since it had written `written`, and emits it.
    void Publish(BeastChange change, uint64_t written);
    using Progress = std::function<void(uint64_t)>;
    using Job = std::function<void(const std::atomic<bool>& stop, const Progress& progress)>;
    // Runs `job` on the worker thread (with precise waits), reporting its
    // progress through `progressSignal` at most every 50 ms, then `done` on
    // this object's thread once the worker has ended.
    void RunInWorker(Job job, void (BeastSession::*progressSignal)(quint64, double), std::function<void()> done);
    void FinishSearch(const RollSearchResult& result, const std::string& templateName, uint64_t cap);

    // Notes the beast after `change` in its history entry (a new one for a
    // new beast), and sets entry_ to it.
    void Remember(const BeastChange& change);
    // Recall of a stored row: its beast and books become the beast's, as
    // "<action><name><whence>" ("取回 凤凰（上次及更早）"). False, with a
    // word in the status line, when the row does not read.
    bool BringRow(const StoredBeast& row, const std::string& action, const std::string& whence, qint64 entry);
    // Makes `beast` the beast as a Recall change with the line `line`.
    void Bring(const TPet& beast, const RollGrade::Result& grade, const BookRecord::BeastCounters& counters,
               const std::string& line, qint64 entry);

    BookRecord record_;
    BeastStore* store_ = nullptr;
    qint64 entry_ = 0;         // the history entry of the beast as it stands
    qint64 pendingEntry_ = 0;  // the entry a Recall brings back (0: a new one)
    RollGrade::Result grade_;
    QUndoStack undo_;
    QThread* worker_ = nullptr;
    std::atomic<bool> stopWork_{false};
    QElapsedTimer workClock_;
};
