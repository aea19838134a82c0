#include "ui/BeastActions.h"

#include <utility>

#include "ui/Record.h"
#include "ui/Unit2.h"
#include "ui/model/BookRecord.h"

BeastActions* Actions = nullptr;

BeastActions::BeastActions(QObject* parent) : QObject(parent)
{
    setObjectName("BeastActions");
}

void BeastActions::Roll(const std::string& templateName)
{
    if (!CurrentBeast)
        return;
    const TPet before = *CurrentBeast;
    CurrentBeast->LoadBeast(templateName);
    RunRecord().NoteRoll(before, *CurrentBeast);
    Report(BeastChange::Kind::Roll, templateName, before);
}

void BeastActions::HitBook(const std::string& book)
{
    if (!CurrentBeast)
        return;
    const TPet before = *CurrentBeast;
    if (book.empty()) {
        Report(BeastChange::Kind::NoBook, book, before);
        return;
    }
    CurrentBeast->HitBook(book);
    RunRecord().NoteBook(book, before, *CurrentBeast);
    Report(BeastChange::Kind::Book, book, before);
}

void BeastActions::Certify(const std::string& skill)
{
    if (!CurrentBeast)
        return;
    const TPet before = *CurrentBeast;
    CurrentBeast->Certify(skill);
    RunRecord().NoteCertify(skill, before, *CurrentBeast);
    Report(BeastChange::Kind::Certify, skill, before);
}

ModifyModel::CommitResult BeastActions::CommitCorrection(ModifyModel& model, const std::string& name,
                                                         const std::string& levelText)
{
    if (!CurrentBeast)
        return {};
    const TPet before = *CurrentBeast;
    const ModifyModel::CommitResult result = model.Commit(*CurrentBeast, name, levelText);
    if (result.ok) {
        RunRecord().NoteCorrection(before, *CurrentBeast);
        Report(BeastChange::Kind::Correction, CurrentBeast->Name, before);
    }
    return result;
}

DiyCommitResult BeastActions::CommitCustom(const DiyFields& fields)
{
    if (!CurrentBeast)
        return {};
    const TPet before = *CurrentBeast;
    const DiyCommitResult result = CommitDiy(*CurrentBeast, fields);
    if (result.Ok()) {
        RunRecord().NoteCustom(before, *CurrentBeast);
        Report(BeastChange::Kind::Custom, CurrentBeast->Name, before);
    }
    return result;
}

void BeastActions::Report(BeastChange::Kind kind, std::string name, const TPet& before)
{
    BeastChange change;
    change.kind = kind;
    change.name = std::move(name);
    change.before = before;
    change.after = *CurrentBeast;
    if (kind == BeastChange::Kind::Book)
        change.outcome = RecordText::Classify(change.name, before, *CurrentBeast);
    emit Changed(change);
}
