#include "ui/model/PlanPlayer.h"

#include <cmath>
#include <utility>

#include "engine/pet.h"

PlanPlayer::PlanPlayer(PlanTargets targets, const std::string& certified, const PlanProblem& settings)
    : targets_(std::move(targets)), plan_(targets_.Problem(certified, settings))
{
}

bool PlanPlayer::Valid(const PlanTargets& targets, const std::string& certified, const PlanProblem& settings)
{
    return !targets.Names().empty() && BookPlanner::Valid(targets.Problem(certified, settings));
}

PlanState PlanPlayer::StateOf(const std::vector<std::string>& skills, const std::string& certified) const
{
    return targets_.StateOf(skills, certified, plan_.Problem().Cap);
}

PlanPlayer::Step PlanPlayer::Next(const std::vector<std::string>& skills, const std::string& certified) const
{
    Step step;
    step.Action = plan_.Action(StateOf(skills, certified));
    if (step.Action == PlanAction::Done)
        return step;
    step.Book = targets_.BookFor(step.Action, skills, certified);
    step.Price = plan_.Price(step.Action);
    return step;
}

int64_t PlanPlayer::Simulate(TPet beast, uint64_t limit) const
{
    int64_t cost = 0;
    for (uint64_t books = 0; books < limit; ++books) {
        const Step step = Next(beast.Skills, beast.CertifiedSkill);
        if (step.Book.empty())
            break;
        beast.HitBook(step.Book);
        cost += step.Price;
    }
    return cost;
}

PlanLedger::PlanLedger(long double expectedCost, const CostQuantiles& quantiles)
    : expected_(expectedCost), quantiles_(quantiles)
{
}

void PlanLedger::Note(PlanAction action, int price)
{
    switch (action) {
    case PlanAction::LowTarget:
        ++low_;
        break;
    case PlanAction::HighTarget:
        ++high_;
        break;
    case PlanAction::Filler:
        ++filler_;
        break;
    case PlanAction::Done:
        return;
    }
    cost_ += price;
}

std::vector<std::string> PlanLedger::Lines() const
{
    std::string first = "共打 " + std::to_string(Books()) + " 本，花费 " + std::to_string(cost_) + "；预计平均约 "
        + std::to_string(std::llround(expected_));
    // A range where only bounds were worked out (BookPlanner::QuickQuantiles).
    const auto shown = [](int64_t low, int64_t high) {
        return std::to_string(low) + (high > low ? "～" + std::to_string(high) : "");
    };
    if (quantiles_.Median >= 0)
        first += "，一半不超过 " + shown(quantiles_.Median, quantiles_.MedianHigh);
    if (quantiles_.Percentile90 >= 0)
        first += "，九成不超过 " + shown(quantiles_.Percentile90, quantiles_.Percentile90High);
    return {first,
            "其中低级目标书 " + std::to_string(low_) + " 本，高级目标书 " + std::to_string(high_) + " 本，垫书 "
                + std::to_string(filler_) + " 本"};
}
