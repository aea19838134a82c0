// The real clock behind the draws: over many draws the observed frequencies
// must match the exact chances. The thresholds lie so far in the chi-square
// tail (p below 1e-8) that a correct engine practically never fails, while a
// wrong bound or a skewed draw fails at once.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "engine/pet.h"
#include "engine/random_source.h"

namespace {

// Chi-square statistic of observed counts against expected probabilities.
template <std::size_t N>
double ChiSquare(const std::array<long, N>& observed, const std::array<double, N>& chances)
{
    long total = 0;
    for (long count : observed)
        total += count;
    double statistic = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const double expected = chances[i] * static_cast<double>(total);
        const double d = static_cast<double>(observed[i]) - expected;
        statistic += d * d / expected;
    }
    return statistic;
}

// Upper tail points of the chi-square distribution at p = 1e-8.
constexpr double Tail1Df = 32.8;
constexpr double Tail4Df = 44.0;

}  // namespace

// Draws made back to back read counter values a few nanoseconds apart, and
// such seeds are far from independent; the engine only relies on draws that
// are separated by a wait or by the user. So every sample of one statistic
// here follows a 1 ms wait: each round does one draw of each kind, and the
// book hits of the round provide the waits.
TEST(Statistics, RealClockDrawsFollowTheExactChances)
{
    SetClock(nullptr);
    const std::vector<std::string> held{"夜战", "反击", "反震", "吸血", "连击"};
    const std::map<std::string, std::size_t> cell{{"金", 0}, {"木", 1}, {"水", 2}, {"火", 3}, {"土", 4}};
    TPet pet({});
    std::array<long, 5> elements{};
    std::array<long, 5> losses{};
    std::array<std::array<long, 2>, 6> slots{};  // per skills held: new slot, overwrite

    const int rounds = 500;
    for (int round = 0; round < rounds; ++round) {
        pet.RollElement();
        ++elements[cell.at(pet.Element)];
        const int32_t lost = pet.SkillLossCount(4);
        ASSERT_GE(lost, 0);
        ASSERT_LE(lost, 4);
        ++losses[static_cast<std::size_t>(lost)];
        for (std::size_t n = 1; n <= held.size(); ++n) {
            pet.Skills.assign(held.begin(), held.begin() + static_cast<long>(n));
            pet.HitBook("毒");
            ASSERT_GE(pet.Skills.size(), n);
            ++slots[n][pet.Skills.size() > n ? 0 : 1];
        }
    }

    EXPECT_LT(ChiSquare(elements, {0.2, 0.2, 0.2, 0.2, 0.2}), Tail4Df);
    EXPECT_LT(ChiSquare(losses, {1 / 25.0, 3 / 25.0, 5 / 25.0, 7 / 25.0, 9 / 25.0}), Tail4Df);
    for (std::size_t n = 1; n <= held.size(); ++n) {
        const double chance = 1.0 / static_cast<double>((n + 1) * (n + 1));
        EXPECT_LT(ChiSquare(slots[n], {chance, 1 - chance}), Tail1Df)
            << n << " skills held: " << slots[n][0] << " new slots in " << rounds;
    }
}
