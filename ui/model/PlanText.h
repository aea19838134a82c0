#pragma once
// The wording of a book plan for the planner window: the plan as a few
// steps in plain words with the books named, the figures rounded for people
// (the exact ones kept for a tooltip and the details), and the plan's full
// table of actions by targets held and skill count behind "详细".
//
// The cost's median and 90th percentile take the longest; Report leaves
// them out so that it stays quick, and Costs works them out, on any thread,
// from the report's two solved plans.

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/model/BookPlanner.h"

class PlanTargets;

// What the planner window shows for one set of choices.
struct PlanReport {
    // "当前召唤兽：4 个技能，已有目标 1/3"; or the one line there is when
    // nothing is planned ("请在左边的书单里勾选目标技能…").
    std::vector<std::string> Head;
    std::vector<std::string> Steps;    // "先打低级目标书（必杀、连击）", …
    std::vector<std::string> Details;  // PlanText::Rules and the exact expected figures
    std::string NextBook;              // the plan's next book on the beast; empty when none
    // The solved plans, and the straight one (target books only, padding
    // once the targets are held), when there is something to plan.
    std::shared_ptr<const BookPlanner> Plan;
    std::shared_ptr<const BookPlanner> Straight;
    PlanState From;
};

// The cost quantiles of both plans of a report, exact or (Bounds) a range
// each lies in.
struct PlanCosts {
    CostQuantiles Plan;
    CostQuantiles Straight;
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
    // The plan from `start` in a few steps, each a phase until a kind of
    // target is complete: "先打低级目标书（必杀、连击）", "低级目标齐了：技能
    // 不到 4 个先用便宜书垫到 4 个，再打高级目标书（高级必杀）". `low` and
    // `high` name the targets of each kind still to get.
    static std::vector<std::string> Steps(const BookPlanner& plan, PlanState start, const std::string& low,
                                          const std::string& high);
    // The report for `targets` on a beast with these slots and certified
    // skill: from that beast (`startSkills` < 0) or from a beast of
    // `startSkills` skills holding no target. Prices and minimum come from
    // `settings`. Precondition: settings within BookPlanner's ranges.
    static PlanReport Report(const PlanTargets& targets, const std::vector<std::string>& skills,
                             const std::string& certified, const PlanProblem& settings, int startSkills);
    // The quantiles of both plans, exact however high the prices; gives up
    // (leaving -1) only when `cancel` turns true.
    static PlanCosts Costs(const PlanReport& report, const std::atomic<bool>& cancel);
    // Where Costs would take long (prices high and without a common
    // divisor), ranges for the quantiles worked out in a fraction of the
    // time (BookPlanner::Bounds), to show until the exact ones are in;
    // nothing where Costs is quick anyway.
    static std::optional<PlanCosts> QuickBounds(const PlanReport& report, const std::atomic<bool>& cancel);
    // The figures rounded for people: "按规划：平均花费约 65，一半不超过 60，
    // 九成不超过 99", the books by kind, the same for target books only, and
    // what the plan saves. Without `costs` the quantiles read "正在算". A
    // quantile near a rounding edge reads "约 60".
    static std::vector<std::string> Figures(const PlanReport& report, const PlanCosts* costs);
    // The same figures exact, one per line, for a tooltip and the details.
    static std::vector<std::string> ExactFigures(const PlanReport& report, const PlanCosts* costs);
    // A real value with `digits` decimals, correctly rounded from its
    // binary value.
    static std::string Number(long double value, int digits = 3);
    // A real value rounded to a whole number, ties to even ("约 65").
    static std::string About(long double value);
};
