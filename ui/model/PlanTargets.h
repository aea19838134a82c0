#pragma once
// The player's target skills as the book planner sees them: which are bought
// at the low price (the 低级 list) and which at the high price (the 高级 and
// 其他 lists), the plan's state for a beast, and the book that carries out
// an action of the plan on that beast.
//
// A target the beast holds certified is held for good: it leaves the plan.
// Skills beyond the planner's cap count as the cap. A name held twice in the
// slots (only a hand-built beast can do that) counts as one target held.

#include <string>
#include <vector>

#include "ui/model/BookPlanner.h"

class PlanTargets {
public:
    // The targets in the player's order. Precondition: distinct names.
    explicit PlanTargets(std::vector<std::string> targets = {});

    const std::vector<std::string>& Names() const { return targets_; }
    // Whether the skill's book is on the 低级 list.
    static bool IsLowBook(const std::string& skill);

    // The problem for a beast with this certified skill: its target counts
    // by price; prices, minimum and padding come from `settings`.
    PlanProblem Problem(const std::string& certified, PlanProblem settings) const;
    // The state of a beast with these slots and certified skill.
    PlanState StateOf(const std::vector<std::string>& skills, const std::string& certified, int cap) const;
    // A beast of `skills` slots holding no target: (min(skills, cap), 0, 0).
    static PlanState Fresh(int skills, int cap);

    // The book that takes `action` on the beast: the first target of its
    // kind, in the player's order, that the beast lacks; for a filler the
    // first 低级 book that is no target and that the beast lacks. Empty for
    // Done or when there is none.
    std::string BookFor(PlanAction action, const std::vector<std::string>& skills,
                        const std::string& certified) const;

private:
    bool Live(const std::string& target, const std::string& certified) const;
    std::vector<std::string> targets_;
};
