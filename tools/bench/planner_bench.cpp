// The book planner's solve for the largest problem the window offers: twelve
// targets and a minimum of 24 skills, one price class and two.

#include <benchmark/benchmark.h>

#include "ui/model/BookPlanner.h"

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

}  // namespace
