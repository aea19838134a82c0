// Cost of grading a roll (the exact battle-sum distribution by convolution
// and the shares read from it), per template: it runs after every roll, so
// it must stay far below the roll's own prescribed waits. And the rate of
// "洗到满意为止" with the system clock against the floor its prescribed
// waits alone set (one 1 ms wait per innate and per fixed skill).

#include <benchmark/benchmark.h>

#include <atomic>

#include "data/builtin_data.h"
#include "engine/pet.h"
#include "engine/random_source.h"
#include "ui/model/RollGrade.h"
#include "ui/model/RollSearch.h"

namespace {

void GradeRoll(benchmark::State& state)
{
    TPet pet(CatalogueLines());
    const auto index = static_cast<std::size_t>(state.range(0));
    std::vector<std::string> fields;
    TPet::SplitText(CatalogueLines()[index], ';', fields);
    pet.LoadBeast(fields[0]);
    for (auto _ : state) {
        RollGrade::Result result = RollGrade::Of(pet);
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(fields[0]);
}
BENCHMARK(GradeRoll)->DenseRange(0, 23)->Unit(benchmark::kMicrosecond);

// 100 rolls of 芙蓉仙子 (three innate skills, no fixed: three waits a roll,
// a floor of 333 rolls a second) for a target no roll meets; argument 1
// with the precise waits of the search thread (about 1.2 × the floor,
// against 1.6 × without).
void SearchRate(benchmark::State& state)
{
    SetClock(nullptr);
    if (state.range(0))
        PreferPreciseWaits();  // as the session's search thread does
    RollTarget never;
    never.MinSkillCount = 4;
    const std::atomic<bool> stop{false};
    uint64_t rolls = 0;
    for (auto _ : state)
        rolls += RollSearch::Run(CatalogueLines(), "芙蓉仙子", never, 100, stop, [](uint64_t) {}).rolls;
    state.counters["rolls_per_second"] = benchmark::Counter(static_cast<double>(rolls), benchmark::Counter::kIsRate);
    state.counters["floor_per_second"] = 1000.0 / 3;
}
BENCHMARK(SearchRate)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
