#include "ui/model/PlanText.h"

#include <cmath>
#include <cstdio>

#include "ui/model/PlanTargets.h"

namespace {
std::string Held(const PlanProblem& p, int low, int high)
{
    if (p.HighTargets == 0 || p.LowTargets == 0)
        return "已有目标 " + std::to_string(low + high) + "/" + std::to_string(p.LowTargets + p.HighTargets);
    return "已有低级目标 " + std::to_string(low) + "/" + std::to_string(p.LowTargets) + "、高级目标 " +
           std::to_string(high) + "/" + std::to_string(p.HighTargets);
}

std::string Range(int first, int last, int cap)
{
    if (last == cap)
        return std::to_string(first) + " 个以上";
    if (first == last)
        return std::to_string(first) + " 个";
    return std::to_string(first) + "–" + std::to_string(last) + " 个";
}

// The plan for one combination held, by skill count from the least
// possible to the cap, in runs of one action.
std::string RuleFor(const BookPlanner& plan, int low, int high)
{
    const PlanProblem& p = plan.Problem();
    std::string line;
    int first = low + high;
    PlanAction run = plan.Action({first, low, high});
    for (int n = first + 1; n <= p.Cap + 1; ++n) {
        const PlanAction act = n <= p.Cap ? plan.Action({n, low, high}) : PlanAction::Done;
        if (n <= p.Cap && act == run)
            continue;
        if (run != PlanAction::Done)
            line += (line.empty() ? "" : "；") + Range(first, n - 1, p.Cap) + "：" + PlanText::ActionName(run);
        first = n;
        run = act;
    }
    return Held(p, low, high) + "，技能 " + line;
}
}  // namespace

std::string PlanText::ActionName(PlanAction action)
{
    switch (action) {
    case PlanAction::LowTarget: return "打低级目标书";
    case PlanAction::HighTarget: return "打高级目标书";
    case PlanAction::Filler: return "垫书";
    case PlanAction::Done: return "完成";
    }
    return {};
}

std::vector<std::string> PlanText::Rules(const BookPlanner& plan)
{
    const PlanProblem& p = plan.Problem();
    std::vector<std::string> lines;
    for (int t = 0; t <= p.LowTargets + p.HighTargets; ++t)
        for (int low = std::min(t, p.LowTargets); low >= 0 && t - low <= p.HighTargets; --low) {
            const bool all = low == p.LowTargets && t - low == p.HighTargets;
            if (all && p.MinSkills > t)
                lines.push_back("目标齐全，技能少于 " + std::to_string(p.MinSkills) + " 个时垫书");
            else if (!all)
                lines.push_back(RuleFor(plan, low, t - low));
        }
    return lines;
}

std::vector<std::string> PlanText::Figures(const std::string& title, const BookPlanner& plan, PlanState start,
                                           const CostQuantiles& q)
{
    const PlanFigures f = plan.Figures(start);
    const auto quantile = [&](int64_t c) { return c < 0 ? std::string("（计算量过大，未算）") : std::to_string(c); };
    std::vector<std::string> lines = {
        title,
        "期望花费 " + Number(f.Cost),
        "期望书数：低级目标 " + Number(f.LowBooks) + "，高级目标 " + Number(f.HighBooks) + "，垫书 " +
            Number(f.FillerBooks),
        "花费中位数 " + quantile(q.Median) + "，90% 分位数 " + quantile(q.Percentile90),
    };
    if (q.Median >= 0 && !q.Certain)
        lines.push_back("（分位数处的概率在舍入误差界内，可能差 1）");
    return lines;
}

std::string PlanText::Number(long double value, int digits)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lf", digits, value);
    return text;
}

PlanReport PlanText::Report(const PlanTargets& targets, const std::vector<std::string>& skills,
                            const std::string& certified, const PlanProblem& settings, int startSkills)
{
    PlanReport report;
    if (targets.Names().empty()) {
        report.Lines = {"请在左边的书单里勾选目标技能（最多 " + std::to_string(BookPlanner::MaxTargets) + " 个）。"};
        return report;
    }
    const PlanProblem problem = targets.Problem(certified, settings);
    if (!BookPlanner::Valid(problem)) {
        report.Lines = {"价格或技能数超出范围。"};
        return report;
    }
    const bool fromBeast = startSkills < 0;
    const PlanState start =
        fromBeast ? targets.StateOf(skills, certified, problem.Cap) : PlanTargets::Fresh(startSkills, problem.Cap);
    const int total = problem.LowTargets + problem.HighTargets;
    auto& lines = report.Lines;
    lines.push_back(std::string(fromBeast ? "当前召唤兽：" : "开始：") + std::to_string(start.Skills) + " 个技能，已有目标 " +
                    std::to_string(start.LowHeld + start.HighHeld) + "/" + std::to_string(total) +
                    (total < static_cast<int>(targets.Names().size()) ? "（认证的目标算已有）" : ""));
    const BookPlanner plan(problem);
    if (plan.Done(start)) {
        lines.push_back("目标已经达成。");
        return report;
    }
    if (fromBeast) {
        report.NextBook = targets.BookFor(plan.Action(start), skills, certified);
        lines.push_back("下一本：" + report.NextBook + "（" + ActionName(plan.Action(start)) + "）");
    }
    lines.push_back("");
    lines.push_back("规划：");
    for (const std::string& rule : Rules(plan))
        lines.push_back("  " + rule);
    PlanProblem straightProblem = problem;
    straightProblem.Padding = false;
    const BookPlanner straight(straightProblem);
    lines.push_back("");
    for (const std::string& line : Figures("按规划：", plan, start, plan.Quantiles(start)))
        lines.push_back(line);
    lines.push_back("");
    for (const std::string& line : Figures("只打目标书（目标齐全后才垫书）：", straight, start, straight.Quantiles(start)))
        lines.push_back(line);
    lines.push_back("规划可省期望花费 " + Number(straight.Figures(start).Cost - plan.Figures(start).Cost));
    return report;
}
