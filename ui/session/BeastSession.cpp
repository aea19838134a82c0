#include "ui/session/BeastSession.h"

#include <algorithm>
#include <utility>

#include "engine/pet.h"
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

bool BeastSession::HasBeast() const
{
    return CurrentBeast != nullptr;
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
    if (!CurrentBeast)
        return;
    BeastChange change = Begin(BeastChange::Kind::Roll, templateName);
    CurrentBeast->LoadBeast(templateName);
    Announce(std::move(change));
}

void BeastSession::HitBook(const std::string& book)
{
    if (!CurrentBeast)
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
    if (!CurrentBeast)
        return;
    BeastChange change = Begin(BeastChange::Kind::Certify, skill);
    CurrentBeast->Certify(skill);
    Announce(std::move(change));
}

ModifyModel::CommitResult BeastSession::CommitCorrection(ModifyModel& model, const std::string& name,
                                                         const std::string& levelText)
{
    if (!CurrentBeast)
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
    if (!CurrentBeast)
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
    if (change.kind == BeastChange::Kind::Roll)
        grade_ = RollGrade::Of(change.after);
    else if (change.kind == BeastChange::Kind::Correction || change.kind == BeastChange::Kind::Custom)
        grade_ = {};
    change.grade = grade_;
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
    case BeastChange::Kind::NoBook:
        break;
    }
    change.counters = record_.Beast();
    change.run = record_.Run();
    const auto& lines = record_.Lines();
    const std::size_t fresh = std::min<std::size_t>(record_.LinesWritten() - written, lines.size());
    change.lines.assign(lines.end() - static_cast<std::ptrdiff_t>(fresh), lines.end());
    emit Changed(change);
}
