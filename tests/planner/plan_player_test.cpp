// A plan played book by book: the next book, the ledger's sums against the
// plan's expectation, the simulation on a copy of a beast, and the spread of
// simulated costs beside the exact distribution.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ScriptedClock.h"
#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/model/CostSpread.h"
#include "ui/model/PlanPlayer.h"

namespace {
using Names = std::vector<std::string>;

PlanProblem Prices(int low, int high, int filler, int minSkills = 0)
{
    PlanProblem settings;
    settings.LowPrice = low;
    settings.HighPrice = high;
    settings.FillerPrice = filler;
    settings.MinSkills = minSkills;
    return settings;
}

TPet BeastWith(Names skills)
{
    TPet pet(CatalogueLines());
    pet.Skills = std::move(skills);
    return pet;
}
}  // namespace

TEST(PlanPlayer, PlaysEachBookOnACopyUntilTheGoal)
{
    const PlanPlayer player(PlanTargets({"必杀", "高级必杀"}), "", Prices(2, 30, 1));
    ASSERT_TRUE(PlanPlayer::Valid(PlanTargets({"必杀"}), "", Prices(2, 30, 1)));
    const PlanPlayer::Step first = player.Next({"夜战"}, "");
    EXPECT_FALSE(first.Book.empty());
    EXPECT_NE(first.Action, PlanAction::Done);
    EXPECT_EQ(first.Price, player.Plan().Price(first.Action));
    EXPECT_EQ(player.Next({"必杀", "高级必杀"}, "").Action, PlanAction::Done);
    EXPECT_TRUE(player.Next({"必杀", "高级必杀"}, "").Book.empty());

    // One low target on a beast of one skill: the book overwrites 夜战
    // (draw 1 of 4, then slot 0 of 1) and the goal is met at the price of 2.
    ScriptedClock clock;
    const PlanPlayer one(PlanTargets({"必杀"}), "", Prices(2, 30, 1));
    const TPet beast = BeastWith({"夜战"});
    clock.Then(4, 1).Then(1, 0);
    EXPECT_EQ(one.Simulate(beast, 100), 2);
    EXPECT_EQ(clock.Pending(), 0u);
    EXPECT_EQ(beast.Skills, Names{"夜战"});  // the caller's beast is untouched
    EXPECT_EQ(one.Simulate(BeastWith({"必杀"}), 100), 0);
    clock.FreeRunFrom(5);
    EXPECT_EQ(one.Simulate(BeastWith({"夜战"}), 0), 0);  // no book within the limit
}

// Many simulated runs from a fixed sequence average the plan's expected
// cost within four standard errors.
TEST(PlanPlayer, SimulatedCostsAverageThePlansExpectation)
{
    ScriptedClock clock;
    clock.FreeRunFrom(2027);
    const PlanProblem settings = Prices(1, 10, 1, 4);
    const PlanPlayer player(PlanTargets({"必杀", "连击", "高级必杀"}), "", settings);
    const TPet start = BeastWith({"夜战", "感知"});
    const long double expected = player.Plan().Figures(player.StateOf(start.Skills, "")).Cost;
    constexpr int Runs = 2000;
    double sum = 0, squares = 0;
    for (int run = 0; run < Runs; ++run) {
        const auto cost = static_cast<double>(player.Simulate(start, 100000));
        sum += cost;
        squares += cost * cost;
    }
    const double mean = sum / Runs;
    const double deviation = std::sqrt(squares / Runs - mean * mean);
    EXPECT_LT(std::fabs(mean - static_cast<double>(expected)), 4 * deviation / std::sqrt(Runs))
        << "mean " << mean << " against " << static_cast<double>(expected);
}

TEST(PlanLedger, SumsEachKindAndSaysItAgainstTheExpectation)
{
    CostQuantiles quantiles;
    quantiles.Median = 60;
    quantiles.Percentile90 = 99;
    PlanLedger ledger(65.318L, quantiles);
    for (int i = 0; i < 20; ++i)
        ledger.Note(PlanAction::LowTarget, 1);
    for (int i = 0; i < 3; ++i)
        ledger.Note(PlanAction::HighTarget, 10);
    for (int i = 0; i < 10; ++i)
        ledger.Note(PlanAction::Filler, 1);
    ledger.Note(PlanAction::Done, 5);  // no book
    EXPECT_EQ(ledger.Books(), 33u);
    EXPECT_EQ(ledger.Cost(), 60);
    EXPECT_EQ(ledger.Lines(),
              (Names{"共打 33 本，花费 60；预计平均约 65，一半不超过 60，九成不超过 99",
                     "其中低级目标书 20 本，高级目标书 3 本，垫书 10 本"}));
    EXPECT_EQ(PlanLedger(2.5L, CostQuantiles{}).Lines()[0], "共打 0 本，花费 0；预计平均约 3");
}

TEST(CostSpread, BinsTheRunsAndTheExactDistributionAlike)
{
    // Exact: P(cost = c) = 1/4 for c = 1 .. 4.
    const std::vector<long double> atMost{0, 0.25L, 0.5L, 0.75L, 1};
    const CostSpread spread = CostSpread::Of({1, 2, 2, 4}, atMost, 2);
    ASSERT_EQ(spread.Bins.size(), 2u);
    EXPECT_EQ(spread.Bins[0].From, 1);
    EXPECT_EQ(spread.Bins[0].To, 2);
    EXPECT_DOUBLE_EQ(spread.Bins[0].Simulated, 0.75);
    EXPECT_EQ(spread.Bins[0].Exact, 0.5L);
    EXPECT_EQ(spread.Bins[1].From, 3);
    EXPECT_DOUBLE_EQ(spread.Bins[1].Simulated, 0.25);
    EXPECT_EQ(spread.Bins[1].Exact, 0.5L);
    EXPECT_DOUBLE_EQ(spread.Mean, 2.25);
    EXPECT_EQ(spread.Median, 2);
    EXPECT_EQ(
        spread.Description(),
        "模拟 4 次：平均 2.2，一半不超过 2；各段花费的模拟比例与精确比例：1–2 75.0% 对 50.0%；3–4 25.0% 对 50.0%；");
    EXPECT_TRUE(CostSpread::Of({}, atMost).Bins.empty());
}
