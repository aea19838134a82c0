// Plans followed book by book through the real engine (TPet::HitBook) with a
// seeded pseudo-random clock: the mean cost and books agree with the exact
// expectation, and the cost's quantiles with the exact ones.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ScriptedClock.h"
#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/model/BookPlanner.h"
#include "ui/model/PlanTargets.h"

namespace {

struct Walked {
    int64_t cost = 0;
    int low = 0;
    int high = 0;
    int filler = 0;
};

struct Sample {
    double mean = 0;
    double error = 0;  // standard error of the mean
};

Sample Of(const std::vector<double>& values)
{
    double sum = 0;
    double squares = 0;
    for (double v : values) {
        sum += v;
        squares += v * v;
    }
    const auto n = static_cast<double>(values.size());
    const double mean = sum / n;
    return {mean, std::sqrt((squares / n - mean * mean) / (n - 1))};
}

// Follows the plan on `pet` until the goal is met.
Walked Follow(TPet& pet, const PlanTargets& targets, const BookPlanner& plan)
{
    Walked run;
    for (int guard = 0; guard < 100000; ++guard) {
        const PlanState s = targets.StateOf(pet.Skills, pet.CertifiedSkill, plan.Problem().Cap);
        const PlanAction act = plan.Action(s);
        if (act == PlanAction::Done)
            return run;
        const std::string book = targets.BookFor(act, pet.Skills, pet.CertifiedSkill);
        EXPECT_FALSE(book.empty());
        const std::size_t before = pet.Skills.size();
        pet.HitBook(book);
        // Never a refused book: the book now stands in the slots.
        EXPECT_EQ(std::count(pet.Skills.begin(), pet.Skills.end(), book), 1);
        EXPECT_LE(pet.Skills.size(), before + 1);
        run.cost += plan.Price(act);
        ++(act == PlanAction::LowTarget ? run.low : act == PlanAction::HighTarget ? run.high : run.filler);
    }
    ADD_FAILURE() << "the plan did not end";
    return run;
}

TEST(PlanThroughEngine, MeanCostAgreesWithTheExpectation)
{
    const auto& low = BookLists()[0].Items;
    const auto& high = BookLists()[1].Items;
    const PlanTargets targets({low[10], high[3], low[20], high[12]});
    PlanProblem settings;
    settings.LowPrice = 1;
    settings.HighPrice = 10;
    settings.FillerPrice = 1;
    const BookPlanner plan(targets.Problem("", settings));
    const std::vector<std::string> start = {high[30], BookLists()[2].Items[0]};
    const PlanState from = targets.StateOf(start, "", plan.Problem().Cap);
    ASSERT_EQ(from, (PlanState{2, 0, 0}));
    // The plan pads on the way: every kind of book is hit.
    ASSERT_GT(plan.Figures(from).FillerBooks, 0.1L);

    ScriptedClock clock;
    clock.FreeRunFrom(20261209);
    constexpr int Runs = 4000;
    std::vector<double> cost, lows, highs, fillers;
    TPet pet(CatalogueLines());
    for (int i = 0; i < Runs; ++i) {
        pet.Skills = start;
        const Walked run = Follow(pet, targets, plan);
        cost.push_back(static_cast<double>(run.cost));
        lows.push_back(run.low);
        highs.push_back(run.high);
        fillers.push_back(run.filler);
    }
    const PlanFigures expected = plan.Figures(from);
    const struct {
        const char* what;
        Sample sample;
        long double exact;
    } checks[] = {{"cost", Of(cost), expected.Cost},
                  {"low books", Of(lows), expected.LowBooks},
                  {"high books", Of(highs), expected.HighBooks},
                  {"filler books", Of(fillers), expected.FillerBooks}};
    for (const auto& c : checks)
        EXPECT_NEAR(c.sample.mean, static_cast<double>(c.exact), 3 * c.sample.error) << c.what;

    const CostQuantiles q = plan.Quantiles(from);
    ASSERT_TRUE(q.Certain);
    const auto share = [&](int64_t c) {
        return static_cast<double>(std::count_if(cost.begin(), cost.end(), [&](double v) { return v <= static_cast<double>(c); })) / Runs;
    };
    const auto exact = plan.CostDistribution(from, q.Percentile90);
    for (int64_t c : {q.Median, q.Percentile90}) {
        const double p = static_cast<double>(exact[static_cast<std::size_t>(c)]);
        EXPECT_NEAR(share(c), p, 3 * std::sqrt(p * (1 - p) / Runs)) << c;
    }
}

}  // namespace
