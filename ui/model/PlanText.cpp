#include "ui/model/PlanText.h"

#include <cmath>
#include <cstdio>

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
    const auto quantile = [&](int64_t c) { return c < 0 ? std::string("（算不出）") : std::to_string(c); };
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
