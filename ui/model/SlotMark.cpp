#include "ui/model/SlotMark.h"

#include "ui/model/BeastChange.h"
#include "ui/model/PanelText.h"

namespace {
constexpr int CertifiedSlot = PanelText::SlotCount - 1;
}

std::string SlotMark::Sign() const
{
    switch (kind) {
    case Kind::New:
        return "新";
    case Kind::Swapped:
        return "换";
    case Kind::Certified:
        return "认";
    case Kind::None:
        break;
    }
    return {};
}

std::string SlotMark::Description() const
{
    if (kind == Kind::None)
        return {};
    const std::string where = "第 " + std::to_string(slot + 1) + " 格";
    switch (kind) {
    case Kind::New:
        return where + "新增";
    case Kind::Swapped:
        return where + "被覆盖";
    default:
        return where + "认证";
    }
}

SlotMark SlotMark::For(const BeastChange& change)
{
    SlotMark mark;
    if (change.kind == BeastChange::Kind::Certify) {
        if (change.after.CertifiedSkill == change.name && change.before.CertifiedSkill != change.name)
            mark = {Kind::Certified, CertifiedSlot};
        return mark;
    }
    if (change.kind != BeastChange::Kind::Book)
        return mark;
    const auto slot = static_cast<int>(change.outcome.slot);
    // The certified slot covers the twelfth skill; past it no slot shows.
    const bool covered = slot == CertifiedSlot && !change.after.CertifiedSkill.empty();
    if (slot >= PanelText::SlotCount || covered)
        return mark;
    if (change.outcome.kind == BookOutcome::Kind::Inserted)
        mark = {Kind::New, slot};
    else if (change.outcome.kind == BookOutcome::Kind::Overwritten)
        mark = {Kind::Swapped, slot};
    return mark;
}
