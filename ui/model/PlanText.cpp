#include "ui/model/PlanText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

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

std::string PlanText::Number(long double value, int digits)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lf", digits, value);
    return text;
}

std::string PlanText::About(long double value)
{
    return "约 " + Number(std::nearbyint(value), 0);
}

namespace {
// The first skill count from `n` at which the plan, holding (low, high),
// takes a target book, and that action; Filler when it only pads.
std::pair<int, PlanAction> FirstTarget(const BookPlanner& plan, int n, int low, int high)
{
    const int cap = plan.Problem().Cap;
    for (int m = n; m <= cap; ++m) {
        const PlanAction act = plan.Action({m, low, high});
        if (act == PlanAction::LowTarget || act == PlanAction::HighTarget)
            return {m, act};
    }
    return {n, PlanAction::Filler};
}

std::string Lead(const PlanProblem& p, int low, int high, bool first)
{
    if (first)
        return {};
    if (low == p.LowTargets && high == p.HighTargets)
        return "目标齐了：";
    if (low == p.LowTargets && p.LowTargets > 0)
        return "低级目标齐了：";
    return "高级目标齐了：";
}

std::string Saving(long double plan, long double straight)
{
    const long double saved = straight - plan;
    if (saved < 0.5L)
        return "按规划与只打目标书平均花费差不多";
    const long double share = straight > 0 ? saved / straight : 0;
    const std::string part = share > 0.5L ? "省一半多" : "约省 " + PlanText::Number(share * 100, 0) + "%";
    return "按规划平均可省" + PlanText::About(saved) + "（" + part + "）";
}

std::string Quantile(int64_t value, bool certain)
{
    return (certain ? "" : "约 ") + std::to_string(value);
}

std::string CostLine(const std::string& title, const PlanFigures& f, const CostQuantiles* q)
{
    std::string line = title + "平均花费" + PlanText::About(f.Cost);
    if (!q || q->Percentile90 < 0)
        return line + "，一半和九成把握的花费正在算…";
    if (q->Bounded())
        return line + "，一半不超过 " + std::to_string(q->Median) + "～" + std::to_string(q->MedianHigh)
            + " 之间的某个数，九成不超过 " + std::to_string(q->Percentile90) + "～"
            + std::to_string(q->Percentile90High) + " 之间的某个数（准确数正在算）";
    return line + "，一半不超过 " + Quantile(q->Median, q->Certain) + "，九成不超过 "
        + Quantile(q->Percentile90, q->Certain);
}

std::vector<std::string> Exact(const std::string& title, const PlanFigures& f, const CostQuantiles* q)
{
    std::vector<std::string> lines = {
        title + "期望花费 " + PlanText::Number(f.Cost) + "；期望书数：低级目标 " + PlanText::Number(f.LowBooks)
        + "，高级目标 " + PlanText::Number(f.HighBooks) + "，垫书 " + PlanText::Number(f.FillerBooks)};
    if (q && q->Percentile90 >= 0 && q->Bounded()) {
        lines.push_back(title + "花费中位数在 " + std::to_string(q->Median) + "～" + std::to_string(q->MedianHigh)
                        + " 之间，90% 分位数在 " + std::to_string(q->Percentile90) + "～"
                        + std::to_string(q->Percentile90High) + " 之间（准确数正在算）");
    } else if (q && q->Percentile90 >= 0) {
        lines.push_back(title + "花费中位数 " + std::to_string(q->Median) + "，90% 分位数 "
                        + std::to_string(q->Percentile90));
        if (!q->Certain)
            lines.push_back("（分位数处的概率在舍入误差界内，可能差 1）");
    }
    return lines;
}
}  // namespace

std::vector<std::string> PlanText::Steps(const BookPlanner& plan, PlanState start, const std::string& low,
                                         const std::string& high)
{
    const PlanProblem& p = plan.Problem();
    std::vector<std::string> steps;
    PlanState s = start;
    // One step per kind of target, then the padding to the minimum.
    for (int phase = 0; phase < 3 && !plan.Done(s); ++phase) {
        const auto [m, act] = FirstTarget(plan, s.Skills, s.LowHeld, s.HighHeld);
        std::string step = Lead(p, s.LowHeld, s.HighHeld, steps.empty());
        if (act == PlanAction::Filler) {
            steps.push_back(step + "用便宜书垫到 " + std::to_string(p.MinSkills) + " 个技能");
            break;
        }
        const std::string names = act == PlanAction::LowTarget ? low : high;
        if (m > s.Skills)
            step += "技能不到 " + std::to_string(m) + " 个先用便宜书垫到 " + std::to_string(m) + " 个，再";
        else if (steps.empty())
            step += "先";
        steps.push_back(step + ActionName(act) + (names.empty() ? "" : "（" + names + "）"));
        const int gained = act == PlanAction::LowTarget ? p.LowTargets - s.LowHeld : p.HighTargets - s.HighHeld;
        (act == PlanAction::LowTarget ? s.LowHeld : s.HighHeld) += gained;
        s.Skills = std::min(p.Cap, std::max(m, s.LowHeld + s.HighHeld));
    }
    return steps;
}

PlanReport PlanText::Report(const PlanTargets& targets, const std::vector<std::string>& skills,
                            const std::string& certified, const PlanProblem& settings, int startSkills)
{
    PlanReport report;
    if (targets.Names().empty()) {
        report.Head = {"请在左边的书单里勾选目标技能（最多 " + std::to_string(BookPlanner::MaxTargets) + " 个）。"};
        return report;
    }
    const PlanProblem problem = targets.Problem(certified, settings);
    if (!BookPlanner::Valid(problem)) {
        report.Head = {"价格或技能数超出范围。"};
        return report;
    }
    const bool fromBeast = startSkills < 0;
    const PlanState start =
        fromBeast ? targets.StateOf(skills, certified, problem.Cap) : PlanTargets::Fresh(startSkills, problem.Cap);
    const int total = problem.LowTargets + problem.HighTargets;
    report.Head.push_back(std::string(fromBeast ? "当前召唤兽：" : "假设开始时：") + std::to_string(start.Skills)
                          + " 个技能，已有目标 " + std::to_string(start.LowHeld + start.HighHeld) + "/"
                          + std::to_string(total)
                          + (total < static_cast<int>(targets.Names().size()) ? "（认证的目标算已有）" : ""));
    auto plan = std::make_shared<const BookPlanner>(problem);
    if (plan->Done(start)) {
        report.Head.push_back("目标已经达成。");
        return report;
    }
    if (fromBeast) {
        report.NextBook = targets.BookFor(plan->Action(start), skills, certified);
        report.Head.push_back("下一本：" + report.NextBook + "（" + ActionName(plan->Action(start)) + "）");
    }
    std::string low, high;
    const std::vector<std::string> held = fromBeast ? skills : std::vector<std::string>{};
    for (const std::string& name : targets.Names()) {
        if (name == certified || std::find(held.begin(), held.end(), name) != held.end())
            continue;
        std::string& list = PlanTargets::IsLowBook(name) ? low : high;
        list += (list.empty() ? "" : "、") + name;
    }
    report.Steps = Steps(*plan, start, low, high);
    report.Details = Rules(*plan);
    PlanProblem straightProblem = problem;
    straightProblem.Padding = false;
    report.Straight = std::make_shared<const BookPlanner>(straightProblem);
    report.Plan = std::move(plan);
    report.From = start;
    return report;
}

PlanCosts PlanText::Costs(const PlanReport& report, const std::atomic<bool>& cancel)
{
    PlanCosts costs;
    if (!report.Plan)
        return costs;
    const int64_t unbounded = std::numeric_limits<int64_t>::max();
    costs.Plan = report.Plan->Quantiles(report.From, unbounded, &cancel);
    costs.Straight = report.Straight->Quantiles(report.From, unbounded, &cancel);
    return costs;
}

std::optional<PlanCosts> PlanText::QuickBounds(const PlanReport& report, const std::atomic<bool>& cancel)
{
    // About a third of a second of walking on a desktop of 2026.
    constexpr long double SlowWork = 5e6L;
    if (!report.Plan || std::max(report.Plan->QuantileWork(report.From), report.Straight->QuantileWork(report.From))
                            < SlowWork)
        return std::nullopt;
    // Prices in units of a 24th of the lowest: ranges about 4 % wide.
    const PlanProblem& p = report.Plan->Problem();
    const int64_t unit = std::max(1, std::min({p.LowPrice, p.HighPrice, p.FillerPrice}) / 24);
    PlanCosts costs;
    costs.Plan = report.Plan->Bounds(report.From, unit, &cancel);
    costs.Straight = report.Straight->Bounds(report.From, unit, &cancel);
    return costs;
}

std::vector<std::string> PlanText::Figures(const PlanReport& report, const PlanCosts* costs)
{
    if (!report.Plan)
        return {};
    const PlanFigures plan = report.Plan->Figures(report.From);
    const PlanFigures straight = report.Straight->Figures(report.From);
    return {
        CostLine("按规划：", plan, costs ? &costs->Plan : nullptr),
        "平均用书：低级目标书" + About(plan.LowBooks) + " 本，高级目标书" + About(plan.HighBooks) + " 本，垫书"
            + About(plan.FillerBooks) + " 本",
        CostLine("只打目标书（目标齐了才垫书）：", straight, costs ? &costs->Straight : nullptr),
        Saving(plan.Cost, straight.Cost),
    };
}

std::vector<std::string> PlanText::ExactFigures(const PlanReport& report, const PlanCosts* costs)
{
    if (!report.Plan)
        return {};
    std::vector<std::string> lines = Exact("按规划：", report.Plan->Figures(report.From), costs ? &costs->Plan : nullptr);
    for (const std::string& line :
         Exact("只打目标书：", report.Straight->Figures(report.From), costs ? &costs->Straight : nullptr))
        lines.push_back(line);
    lines.push_back("按规划可省期望花费 "
                    + Number(report.Straight->Figures(report.From).Cost - report.Plan->Figures(report.From).Cost));
    return lines;
}
