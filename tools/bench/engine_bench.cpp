// Compute cost of the rules beside their prescribed 1 ms waits: with a free
// clock the waits cost nothing, with the system clock they dominate. Besides
// its prescribed waits a roll with the system clock spends some 50 to 150 us
// on each of its ~19 draws without a wait (the counter read's 1 us step, as
// the kernel wakes from it).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/builtin_data.h"
#include "engine/pet.h"
#include "engine/random_source.h"

namespace {

// Free waits and a counter that moves on at every read.
class FreeClock final : public Clock {
public:
    bool QueryCounter(uint64_t& ticks) override
    {
        ticks = (state_ += 0x9e3779b97f4a7c15ull) >> 17;
        return true;
    }
    uint32_t TickCount() override { return static_cast<uint32_t>(state_ >> 20); }
    void Sleep(uint32_t) override { ++sleeps; }
    uint64_t sleeps = 0;

private:
    uint64_t state_ = 1;
};

// Waits per roll: one per innate and one per fixed skill of the template.
int WaitsOf(const TPet& pet)
{
    std::vector<std::string> innate;
    std::vector<std::string> fixed;
    TPet::SplitText(pet.InnateSkills, ',', innate);
    TPet::SplitText(pet.FixedSkills, ',', fixed);
    int waits = static_cast<int>(innate.size());
    for (const std::string& skill : fixed)
        waits += skill.empty() ? 0 : 1;
    return waits;
}

void LoadBeastFreeClock(benchmark::State& state)
{
    FreeClock clock;
    SetClock(&clock);
    TPet pet(CatalogueLines());
    for (auto _ : state)
        benchmark::DoNotOptimize(pet.LoadBeast("吸血鬼"));
    SetClock(nullptr);
    state.counters["waits/roll"] = static_cast<double>(clock.sleeps) / static_cast<double>(state.iterations());
}
BENCHMARK(LoadBeastFreeClock);

// A whole roll with the system clock: the prescribed waits, the draws without
// a wait (each of which the counter read holds back by at least 1 us) and the
// compute. Compare with PrescribedWaits of the same template.
void LoadBeastSystemClock(benchmark::State& state, const char* name)
{
    SetClock(nullptr);
    TPet pet(CatalogueLines());
    pet.LoadBeast(name);
    const int waits = WaitsOf(pet);
    for (auto _ : state)
        benchmark::DoNotOptimize(pet.LoadBeast(name));
    state.counters["prescribed_waits"] = waits;
}
BENCHMARK_CAPTURE(LoadBeastSystemClock, gudai_ruishou, "古代瑞兽")->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK_CAPTURE(LoadBeastSystemClock, furong_xianzi, "芙蓉仙子")->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK_CAPTURE(LoadBeastSystemClock, longgui, "龙龟")->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK_CAPTURE(LoadBeastSystemClock, xixuegui, "吸血鬼")->Unit(benchmark::kMillisecond)->Iterations(200);

// Only the prescribed waits of one roll of the template: Sleep(1) once per
// innate and once per fixed skill, as the system sleeps them.
void PrescribedWaits(benchmark::State& state, const char* name)
{
    SetClock(nullptr);
    TPet pet(CatalogueLines());
    pet.LoadBeast(name);
    const int waits = WaitsOf(pet);
    for (auto _ : state)
        for (int i = 0; i < waits; ++i)
            Sleep(1);
    state.counters["prescribed_waits"] = waits;
}
BENCHMARK_CAPTURE(PrescribedWaits, gudai_ruishou, "古代瑞兽")->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK_CAPTURE(PrescribedWaits, furong_xianzi, "芙蓉仙子")->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK_CAPTURE(PrescribedWaits, longgui, "龙龟")->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK_CAPTURE(PrescribedWaits, xixuegui, "吸血鬼")->Unit(benchmark::kMillisecond)->Iterations(200);

// One draw without a wait of its own, back to back with the one before, as
// most draws of a roll are made.
void BackToBackDrawSystemClock(benchmark::State& state)
{
    SetClock(nullptr);
    for (auto _ : state) {
        Reseed();
        benchmark::DoNotOptimize(RandomBelow(25));
    }
}
BENCHMARK(BackToBackDrawSystemClock)->Unit(benchmark::kMicrosecond)->Iterations(5000);

void ComputeAttributes(benchmark::State& state)
{
    TPet pet(CatalogueLines());
    FreeClock clock;
    SetClock(&clock);
    pet.LoadBeast("龙龟");
    SetClock(nullptr);
    int32_t level = 0;
    for (auto _ : state) {
        pet.ComputeAttributes(level);
        level = (level + 1) % 161;
        benchmark::DoNotOptimize(pet.Spirit);
    }
}
BENCHMARK(ComputeAttributes);

void HitBookFreeClock(benchmark::State& state)
{
    FreeClock clock;
    SetClock(&clock);
    TPet pet(CatalogueLines());
    const std::vector<std::string> held{"夜战", "反击", "反震", "吸血", "连击", "飞行"};
    const std::vector<std::string>& lines = DescriptionLines();
    std::size_t book = 0;
    for (auto _ : state) {
        pet.Skills = held;
        const std::string& line = lines[book++ % lines.size()];
        pet.HitBook(std::string(LineKey(line)));
        benchmark::DoNotOptimize(pet.Skills.data());
    }
    SetClock(nullptr);
}
BENCHMARK(HitBookFreeClock);

void CertifyFreeClock(benchmark::State& state)
{
    FreeClock clock;
    SetClock(&clock);
    TPet pet(CatalogueLines());
    const std::vector<std::string> held{"再生", "泰山压顶", "冥思", "毒", "地狱烈火"};
    for (auto _ : state) {
        pet.Skills = held;
        pet.CertifiedSkill.clear();
        benchmark::DoNotOptimize(pet.Certify("泰山压顶"));
    }
    SetClock(nullptr);
}
BENCHMARK(CertifyFreeClock);

}  // namespace

BENCHMARK_MAIN();
