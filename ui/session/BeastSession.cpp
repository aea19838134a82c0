#include "ui/session/BeastSession.h"

#include <QThread>

#include <algorithm>
#include <memory>
#include <utility>

#include "engine/pet.h"
#include "engine/random_source.h"
#include "ui/CurrentBeast.h"
#include "ui/model/RecordText.h"
#include "ui/session/BeastCommand.h"

namespace {
// What changes the beast and so can be undone: not a refused book, not
// "打书" without a book, and not an undo or redo itself.
bool Undoable(const BeastChange& change)
{
    using Kind = BeastChange::Kind;
    switch (change.kind) {
    case Kind::Book:
        return change.outcome.kind != BookOutcome::Kind::Refused;
    case Kind::NoBook:
    case Kind::Undo:
    case Kind::Redo:
    case Kind::Stable:
        return false;
    default:
        return true;
    }
}

// How the undo stack names a change: "撤销 " or "重做 " goes before it.
std::string UndoText(const BeastChange& change)
{
    using Kind = BeastChange::Kind;
    switch (change.kind) {
    case Kind::Roll:
        return "洗出 " + change.name;
    case Kind::RollSearch:
        return "洗到满意 " + change.name;
    case Kind::Book:
        return "第 " + std::to_string(change.counters.BooksUsed) + " 本 " + change.name;
    case Kind::Certify:
        return "认证 " + change.name;
    case Kind::Correction:
        return "修正";
    case Kind::Custom:
        return "完全DIY";
    case Kind::Recall:
        return change.detail;
    default:
        return change.name;
    }
}

BeastChange Begin(BeastChange::Kind kind, std::string name)
{
    BeastChange change;
    change.kind = kind;
    change.name = std::move(name);
    change.before = *CurrentBeast;
    return change;
}
}  // namespace

BeastSession::BeastSession(QObject* parent) : QObject(parent)
{
    setObjectName("BeastSession");
    undo_.setUndoLimit(1000);
}

BeastSession::~BeastSession()
{
    if (worker_) {
        stopWork_ = true;
        worker_->wait();
        delete worker_;
    }
}

bool BeastSession::HasBeast() const
{
    return CurrentBeast != nullptr && !worker_;
}

const TPet& BeastSession::Beast() const
{
    return *CurrentBeast;
}

void BeastSession::Start(const std::string& templateName)
{
    Roll(templateName);
    undo_.clear();  // nothing comes before the run's first beast
}

void BeastSession::Restore(const BeastCommand::Side& side, BeastChange::Kind kind, const std::string& what)
{
    if (!HasBeast())
        return;
    BeastChange change = Begin(kind, what);
    const uint64_t written = record_.LinesWritten();
    *CurrentBeast = side.Beast;
    change.after = side.Beast;
    record_.NoteUndo(kind == BeastChange::Kind::Undo, what, side.Beast);
    grade_ = side.Grade;
    pendingEntry_ = side.Entry;
    Publish(std::move(change), written);
}

void BeastSession::Roll(const std::string& templateName)
{
    if (!HasBeast())
        return;
    BeastChange change = Begin(BeastChange::Kind::Roll, templateName);
    CurrentBeast->LoadBeast(templateName);
    Announce(std::move(change));
}

void BeastSession::HitBook(const std::string& book)
{
    if (!HasBeast())
        return;
    BeastChange change = Begin(book.empty() ? BeastChange::Kind::NoBook : BeastChange::Kind::Book, book);
    if (!book.empty()) {
        CurrentBeast->HitBook(book);
        change.outcome = RecordText::Classify(book, change.before, *CurrentBeast);
    }
    Announce(std::move(change));
}

void BeastSession::Certify(const std::string& skill)
{
    if (!HasBeast())
        return;
    BeastChange change = Begin(BeastChange::Kind::Certify, skill);
    CurrentBeast->Certify(skill);
    Announce(std::move(change));
}

ModifyModel::CommitResult BeastSession::CommitCorrection(ModifyModel& model, const std::string& name,
                                                         const std::string& levelText)
{
    if (!HasBeast())
        return {};
    BeastChange change = Begin(BeastChange::Kind::Correction, {});
    const ModifyModel::CommitResult result = model.Commit(*CurrentBeast, name, levelText);
    if (result.ok) {
        change.name = CurrentBeast->Name;
        Announce(std::move(change));
    }
    return result;
}

DiyCommitResult BeastSession::CommitCustom(const DiyFields& fields)
{
    if (!HasBeast())
        return {};
    BeastChange change = Begin(BeastChange::Kind::Custom, {});
    const DiyCommitResult result = CommitDiy(*CurrentBeast, fields);
    if (result.Ok()) {
        change.name = CurrentBeast->Name;
        Announce(std::move(change));
    }
    return result;
}

void BeastSession::Announce(BeastChange change)
{
    change.after = *CurrentBeast;
    const uint64_t written = record_.LinesWritten();
    switch (change.kind) {
    case BeastChange::Kind::Roll:
        record_.NoteRoll(change.after);
        break;
    case BeastChange::Kind::Book:
        record_.NoteBook(change.name, change.outcome, change.after);
        break;
    case BeastChange::Kind::Certify:
        record_.NoteCertify(change.name, change.before, change.after);
        break;
    case BeastChange::Kind::Correction:
        record_.NoteCorrection(change.before, change.after);
        break;
    case BeastChange::Kind::Custom:
        record_.NoteCustom(change.before, change.after);
        break;
    case BeastChange::Kind::RollSearch:
    case BeastChange::Kind::Undo:
    case BeastChange::Kind::Redo:
    case BeastChange::Kind::NoBook:
    case BeastChange::Kind::Recall:
    case BeastChange::Kind::Stable:
        break;
    }
    Publish(std::move(change), written);
}

void BeastSession::Publish(BeastChange change, uint64_t written)
{
    const RollGrade::Result gradeBefore = grade_;
    const qint64 entryBefore = entry_;
    if (change.kind == BeastChange::Kind::Roll || change.kind == BeastChange::Kind::RollSearch)
        grade_ = RollGrade::Of(change.after);
    else if (change.kind == BeastChange::Kind::Correction || change.kind == BeastChange::Kind::Custom)
        grade_ = {};
    change.grade = grade_;
    change.counters = record_.Beast();
    change.run = record_.Run();
    const auto& lines = record_.Lines();
    const std::size_t fresh = std::min<std::size_t>(record_.LinesWritten() - written, lines.size());
    change.lines.assign(lines.end() - static_cast<std::ptrdiff_t>(fresh), lines.end());
    Remember(change);
    if (Undoable(change))
        undo_.push(new BeastCommand(*this, QString::fromStdString(UndoText(change)),
                                    {change.before, gradeBefore, entryBefore}, {change.after, change.grade, entry_}));
    emit Changed(change);
}

bool BeastSession::StartSearch(const std::string& templateName, const RollTarget& target, uint64_t cap)
{
    std::vector<std::string> fields;
    if (!HasBeast() || !CurrentBeast->FindTemplate(templateName, fields))
        return false;
    auto result = std::make_shared<RollSearchResult>();
    RunInWorker(
        [result, catalogue = CurrentBeast->Catalogue, templateName, target, cap](const std::atomic<bool>& stop,
                                                                                 const Progress& progress) {
            *result = RollSearch::Run(catalogue, templateName, target, cap, stop, progress);
        },
        &BeastSession::SearchProgress, [this, result, templateName, cap] { FinishSearch(*result, templateName, cap); });
    return true;
}

bool BeastSession::StartSimulation(std::shared_ptr<const PlanPlayer> player, uint64_t runs, uint64_t limit)
{
    if (!HasBeast() || !player)
        return false;
    auto costs = std::make_shared<std::vector<int64_t>>();
    RunInWorker(
        [costs, player, beast = *CurrentBeast, runs, limit](const std::atomic<bool>& stop, const Progress& progress) {
            for (uint64_t run = 0; run < runs && !stop.load(std::memory_order_relaxed); ++run) {
                costs->push_back(player->Simulate(beast, limit));
                progress(run + 1);
            }
        },
        &BeastSession::SimulationProgress, [this, costs] { emit SimulationFinished(*costs); });
    return true;
}

void BeastSession::StopWork()
{
    stopWork_ = true;
}

void BeastSession::RunInWorker(Job job, void (BeastSession::*progressSignal)(quint64, double),
                               std::function<void()> done)
{
    stopWork_ = false;
    workClock_.start();
    worker_ = QThread::create([this, job = std::move(job), progressSignal, done = std::move(done)] {
        PreferPreciseWaits();
        QElapsedTimer sinceReport;
        sinceReport.start();
        const Progress progress = [&](uint64_t count) {
            if (sinceReport.elapsed() < 50)
                return;
            sinceReport.restart();
            QMetaObject::invokeMethod(
                this,
                [this, count, progressSignal] {
                    const double seconds = static_cast<double>(workClock_.nsecsElapsed()) / 1e9;
                    emit(this->*progressSignal)(count, seconds > 0 ? static_cast<double>(count) / seconds : 0.0);
                },
                Qt::QueuedConnection);
        };
        job(stopWork_, progress);
        QMetaObject::invokeMethod(
            this,
            [this, done] {
                worker_->wait();
                delete std::exchange(worker_, nullptr);
                emit BusyChanged(false);
                done();
            },
            Qt::QueuedConnection);
    });
    worker_->start();
    emit BusyChanged(true);
}

void BeastSession::FinishSearch(const RollSearchResult& result, const std::string& templateName, uint64_t cap)
{
    const std::string line = RollSearch::Line(result, cap);
    if (result.rolls > 0 && CurrentBeast) {
        BeastChange change = Begin(BeastChange::Kind::RollSearch, templateName);
        change.detail = line;
        const uint64_t written = record_.LinesWritten();
        *CurrentBeast = result.kept;
        change.after = *CurrentBeast;
        record_.NoteRollSearch(result.rolls, line, change.after);
        Publish(std::move(change), written);
    }
    emit SearchFinished(result.rolls, QString::fromStdString(line));
}
