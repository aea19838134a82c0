// Cost of grading a roll (the exact battle-sum distribution by convolution
// and the shares read from it), per template: it runs after every roll, so
// it must stay far below the roll's own prescribed waits.

#include <benchmark/benchmark.h>

#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/model/RollGrade.h"

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

}  // namespace

BENCHMARK_MAIN();
