// The book planner's solve for the largest problem the window offers: twelve
// targets and a minimum of 24 skills, one price class and two.

#include <benchmark/benchmark.h>

#include <limits>

#include "data/builtin_data.h"
#include "ui/model/BookPlanner.h"
#include "ui/model/PlanTargets.h"
#include "ui/model/PlanText.h"

namespace {

PlanProblem Largest(int low, int high)
{
    PlanProblem p;
    p.LowTargets = low;
    p.HighTargets = high;
    p.MinSkills = 24;
    p.LowPrice = 1;
    p.HighPrice = 10;
    p.FillerPrice = 1;
    return p;
}

void BM_SolveTwelveTargetsOnePrice(benchmark::State& state)
{
    for (auto _ : state) {
        BookPlanner plan(Largest(12, 0));
        benchmark::DoNotOptimize(plan.Figures({4, 0, 0}).Cost);
    }
}
BENCHMARK(BM_SolveTwelveTargetsOnePrice)->Unit(benchmark::kMillisecond);

void BM_SolveTwelveTargetsTwoPrices(benchmark::State& state)
{
    for (auto _ : state) {
        BookPlanner plan(Largest(6, 6));
        benchmark::DoNotOptimize(plan.Figures({4, 0, 0}).Cost);
    }
}
BENCHMARK(BM_SolveTwelveTargetsTwoPrices)->Unit(benchmark::kMillisecond);

// The median and 90th percentile from a fresh beast of four skills.
void BM_QuantilesTwelveTargets(benchmark::State& state)
{
    const BookPlanner plan(Largest(6, 6));
    for (auto _ : state)
        benchmark::DoNotOptimize(plan.Quantiles({4, 0, 0}).Percentile90);
}
BENCHMARK(BM_QuantilesTwelveTargets)->Unit(benchmark::kMillisecond);

// The worst inputs the planner window accepts: twelve targets, the top
// prices, the largest minimum. What the window's thread does per re-plan
// (both plans solved, the text without the quantiles) …
PlanProblem Dear(int low, int high, int filler)
{
    PlanProblem p;
    p.MinSkills = 24;
    p.LowPrice = low;
    p.HighPrice = high;
    p.FillerPrice = filler;
    return p;
}

std::vector<std::string> TwelveTargets()
{
    std::vector<std::string> names(BookLists()[0].Items.begin(), BookLists()[0].Items.begin() + 6);
    names.insert(names.end(), BookLists()[1].Items.begin(), BookLists()[1].Items.begin() + 6);
    return names;
}

void BM_ReplanOnTheWindowThread(benchmark::State& state)
{
    const PlanTargets targets(TwelveTargets());
    const PlanProblem settings = Dear(997, 999, 998);
    for (auto _ : state) {
        const PlanReport report = PlanText::Report(targets, {}, {}, settings, 4);
        benchmark::DoNotOptimize(PlanText::Figures(report, nullptr).size());
    }
}
BENCHMARK(BM_ReplanOnTheWindowThread)->Unit(benchmark::kMillisecond);

// … and what its worker does: both plans' quantiles, exact, for prices
// with a common divisor (all 999) and without one (997, 999, 998).
void BM_QuantilesOffTheWindowThread(benchmark::State& state)
{
    const PlanTargets targets(TwelveTargets());
    const PlanProblem settings = state.range(0) ? Dear(999, 999, 999) : Dear(997, 999, 998);
    const PlanReport report = PlanText::Report(targets, {}, {}, settings, 4);
    const std::atomic<bool> cancel{false};
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanText::Costs(report, cancel).Plan.Percentile90);
}
BENCHMARK(BM_QuantilesOffTheWindowThread)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The ranges shown first where the exact sums are slow: how long the
// worst inputs leave the figures blank.
void BM_RangesFirstOffTheWindowThread(benchmark::State& state)
{
    const PlanReport report = PlanText::Report(PlanTargets(TwelveTargets()), {}, {}, Dear(997, 999, 998), 4);
    const std::atomic<bool> cancel{false};
    for (auto _ : state)
        benchmark::DoNotOptimize(PlanText::QuickBounds(report, cancel));
}
BENCHMARK(BM_RangesFirstOffTheWindowThread)->Unit(benchmark::kMillisecond);

}  // namespace
