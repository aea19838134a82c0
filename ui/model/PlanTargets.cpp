#include "ui/model/PlanTargets.h"

#include <algorithm>
#include <utility>

#include "data/builtin_data.h"

namespace {
bool Contains(const std::vector<std::string>& list, const std::string& name)
{
    return std::find(list.begin(), list.end(), name) != list.end();
}
}  // namespace

PlanTargets::PlanTargets(std::vector<std::string> targets) : targets_(std::move(targets)) {}

bool PlanTargets::IsLowBook(const std::string& skill)
{
    return Contains(BookLists()[0].Items, skill);
}

bool PlanTargets::Live(const std::string& target, const std::string& certified) const
{
    return target != certified;
}

PlanProblem PlanTargets::Problem(const std::string& certified, PlanProblem settings) const
{
    settings.LowTargets = 0;
    settings.HighTargets = 0;
    for (const std::string& target : targets_)
        if (Live(target, certified))
            ++(IsLowBook(target) ? settings.LowTargets : settings.HighTargets);
    return settings;
}

PlanState PlanTargets::StateOf(const std::vector<std::string>& skills, const std::string& certified, int cap) const
{
    PlanState state = Fresh(static_cast<int>(std::min<std::size_t>(skills.size(), static_cast<std::size_t>(cap))), cap);
    for (const std::string& target : targets_)
        if (Live(target, certified) && Contains(skills, target))
            ++(IsLowBook(target) ? state.LowHeld : state.HighHeld);
    return state;
}

PlanState PlanTargets::Fresh(int skills, int cap)
{
    return {std::clamp(skills, 0, cap), 0, 0};
}

std::string PlanTargets::BookFor(PlanAction action, const std::vector<std::string>& skills,
                                 const std::string& certified) const
{
    const auto lacks = [&](const std::string& book) { return book != certified && !Contains(skills, book); };
    if (action == PlanAction::LowTarget || action == PlanAction::HighTarget) {
        for (const std::string& target : targets_)
            if (IsLowBook(target) == (action == PlanAction::LowTarget) && lacks(target))
                return target;
    } else if (action == PlanAction::Filler) {
        for (const std::string& book : BookLists()[0].Items)
            if (!Contains(targets_, book) && lacks(book))
                return book;
    }
    return {};
}
