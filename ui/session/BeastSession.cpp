#include "ui/session/BeastSession.h"

#include <QThread>

#include <algorithm>
#include <utility>

#include "engine/pet.h"
#include "engine/random_source.h"
#include "ui/CurrentBeast.h"
#include "ui/model/RecordText.h"

namespace {
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
}

BeastSession::~BeastSession()
{
    if (search_) {
        stopSearch_ = true;
        search_->wait();
        delete search_;
    }
}

bool BeastSession::HasBeast() const
{
    return CurrentBeast != nullptr && !search_;
}

const TPet& BeastSession::Beast() const
{
    return *CurrentBeast;
}

void BeastSession::Start(const std::string& templateName)
{
    Roll(templateName);
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
    case BeastChange::Kind::NoBook:
        break;
    }
    Publish(std::move(change), written);
}

void BeastSession::Publish(BeastChange change, uint64_t written)
{
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
    emit Changed(change);
}

bool BeastSession::StartSearch(const std::string& templateName, const RollTarget& target, uint64_t cap)
{
    std::vector<std::string> fields;
    if (!HasBeast() || !CurrentBeast->FindTemplate(templateName, fields))
        return false;
    stopSearch_ = false;
    searchTemplate_ = templateName;
    searchCap_ = cap;
    searchClock_.start();
    search_ = QThread::create([this, catalogue = CurrentBeast->Catalogue, templateName, target, cap] {
        PreferPreciseWaits();
        QElapsedTimer sinceReport;
        sinceReport.start();
        const auto progress = [&](uint64_t rolls) {
            if (sinceReport.elapsed() < 50)
                return;
            sinceReport.restart();
            QMetaObject::invokeMethod(
                this,
                [this, rolls] {
                    const double seconds = static_cast<double>(searchClock_.nsecsElapsed()) / 1e9;
                    emit SearchProgress(rolls, seconds > 0 ? static_cast<double>(rolls) / seconds : 0.0);
                },
                Qt::QueuedConnection);
        };
        const RollSearchResult result = RollSearch::Run(catalogue, templateName, target, cap, stopSearch_, progress);
        QMetaObject::invokeMethod(
            this, [this, result] { FinishSearch(result); }, Qt::QueuedConnection);
    });
    search_->start();
    return true;
}

void BeastSession::StopSearch()
{
    stopSearch_ = true;
}

void BeastSession::FinishSearch(const RollSearchResult& result)
{
    search_->wait();
    delete std::exchange(search_, nullptr);
    const std::string line = RollSearch::Line(result, searchCap_);
    if (result.rolls > 0 && CurrentBeast) {
        BeastChange change = Begin(BeastChange::Kind::RollSearch, searchTemplate_);
        change.detail = line;
        const uint64_t written = record_.LinesWritten();
        *CurrentBeast = result.kept;
        change.after = *CurrentBeast;
        record_.NoteRollSearch(result.rolls, line, change.after);
        Publish(std::move(change), written);
    }
    emit SearchFinished(result.rolls, QString::fromStdString(line));
}
