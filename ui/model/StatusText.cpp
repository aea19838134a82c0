#include "ui/model/StatusText.h"

#include "engine/pet.h"
#include "ui/model/BeastChange.h"
#include "ui/model/RecordText.h"
#include "ui/model/RollGrade.h"

std::string StatusText::For(const BeastChange& change)
{
    switch (change.kind) {
    case BeastChange::Kind::Roll:
        return "洗出 " + change.after.Name + "：" + RollGrade::Summary(change.grade);
    case BeastChange::Kind::RollSearch:
        return change.detail + "：" + RollGrade::Summary(change.grade);
    case BeastChange::Kind::Undo:
        return "撤销 " + change.name;
    case BeastChange::Kind::Redo:
        return "重做 " + change.name;
    case BeastChange::Kind::Book:
        return RecordText::BookLine(change.counters.BooksUsed, change.name, change.outcome);
    case BeastChange::Kind::NoBook:
        return "请先选一本技能书";
    case BeastChange::Kind::Certify:
        return RecordText::CertifyLine(change.name, change.before, change.after);
    case BeastChange::Kind::Correction:
        return RecordText::CorrectionLine(change.before, change.after);
    case BeastChange::Kind::Custom:
        return RecordText::CustomLine(change.before, change.after);
    case BeastChange::Kind::Recall:
        return change.detail + "：" + RollGrade::Summary(change.grade);
    case BeastChange::Kind::Stable:
        return change.detail;
    }
    return {};
}

std::string StatusText::Book(const std::string& name, const std::string& description)
{
    return name + "：" + description;
}
