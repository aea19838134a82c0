#pragma once
// The wording of a book plan for the planner window: the plan as rules per
// count of targets held, and the figures of a start, as plain lines.

#include <string>
#include <vector>

#include "ui/model/BookPlanner.h"

class PlanTargets;

// What the planner window shows for one set of choices.
struct PlanReport {
    std::vector<std::string> Lines;
    std::string NextBook;  // the plan's next book on the beast; empty when none
};

class PlanText {
public:
    // "打低级目标书", "打高级目标书", "垫书" or "完成".
    static std::string ActionName(PlanAction action);
    // One line per combination of targets held that is short of the goal,
    // fewest held first: the plan's action by skill count, runs of equal
    // action joined ("技能 0–6 个：垫书；7 个以上：打低级目标书"). The
    // count at the cap reads "N 个以上".
    static std::vector<std::string> Rules(const BookPlanner& plan);
    // Expected cost and books and the cost's median and 90th percentile
    // from `start`, headed by `title`.
    static std::vector<std::string> Figures(const std::string& title, const BookPlanner& plan, PlanState start,
                                            const CostQuantiles& quantiles);
    // The whole report for `targets` on a beast with these slots and
    // certified skill: from that beast (`startSkills` < 0) or from a beast of
    // `startSkills` skills holding no target. Prices and minimum come from
    // `settings`. Precondition: settings within BookPlanner's ranges.
    static PlanReport Report(const PlanTargets& targets, const std::vector<std::string>& skills,
                             const std::string& certified, const PlanProblem& settings, int startSkills);
    // A real value with `digits` decimals, correctly rounded from its
    // binary value.
    static std::string Number(long double value, int digits = 3);
};
