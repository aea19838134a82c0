#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "ScriptedClock.h"
#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/model/RollGrade.h"

namespace {
// Template bounds b = (18T + 49) div 100: 2, 4, 5, 3, 2, 4 and 7 for the
// lifespan; 960 battle rolls, three growths.
const std::array<int32_t, 7> Small{10, 20, 30, 15, 12, 25, 40};
const std::array<uint32_t, 7> SmallBounds{2, 4, 5, 3, 2, 4, 7};
constexpr uint32_t SmallRolls = 960;

// Every battle roll of the small template, counted by sum, by brute force.
std::map<int64_t, uint64_t> EnumeratedSums()
{
    std::map<int64_t, uint64_t> sums;
    for (uint32_t index = 0; index < SmallRolls; ++index) {
        uint32_t rest = index;
        int64_t sum = 0;
        for (std::size_t k = 0; k < 6; ++k) {
            sum += Small[k] - static_cast<int32_t>(rest % SmallBounds[k]);
            rest /= SmallBounds[k];
        }
        ++sums[sum];
    }
    return sums;
}

TPet SmallBeast()
{
    TPet pet({});
    pet.TemplateAptitudes = Small;
    pet.GrowthChoices = "1.0,1.1,1.2";
    return pet;
}
}  // namespace

TEST(RollGrade, ConvolutionMatchesFullEnumeration)
{
    const RollGrade::SumCounts sums = RollGrade::BattleSums(Small);
    const auto expected = EnumeratedSums();
    EXPECT_EQ(sums.Total, SmallRolls);
    ASSERT_EQ(sums.Counts.size(), expected.size());
    for (const auto& [sum, count] : expected)
        EXPECT_EQ(sums.Counts[static_cast<std::size_t>(sum - sums.Lowest)], count) << "sum " << sum;
}

// Every battle roll, one growth and one lifespan per roll, drawn by the
// engine itself: the grade's shares equal the counts of rolls at least as good.
TEST(RollGrade, SharesOfEveryEngineRollAgreeWithCounting)
{
    const auto sums = EnumeratedSums();
    ScriptedClock clock;
    TPet pet = SmallBeast();
    for (uint32_t index = 0; index < SmallRolls; ++index) {
        uint32_t rest = index;
        for (std::size_t k = 0; k < 6; ++k) {
            clock.Then(SmallBounds[k], rest % SmallBounds[k]);
            rest /= SmallBounds[k];
        }
        const uint32_t lifespanDraw = index % 7;
        const uint32_t growthDraw = index % 3;
        clock.Then(7, lifespanDraw).Then(3, growthDraw);
        pet.RollAptitudes();
        pet.RollGrowth();

        const RollGrade::Result grade = RollGrade::Of(pet);
        ASSERT_TRUE(grade.Valid);
        uint64_t atLeast = 0;
        for (const auto& [sum, count] : sums)
            if (sum >= grade.BattleSum)
                atLeast += count;
        EXPECT_EQ(grade.BattleAtLeast, BookOdds::Reduced(atLeast, SmallRolls)) << index;
        EXPECT_EQ(grade.LifespanAtLeast, BookOdds::Reduced(lifespanDraw + 1, 7));
        EXPECT_EQ(grade.GrowthAtLeast, BookOdds::Reduced(3 - growthDraw, 3));
        EXPECT_EQ(grade.BothAtLeast, BookOdds::Reduced(atLeast * (3 - growthDraw), SmallRolls * 3));
        EXPECT_EQ(grade.Grade, RollGrade::LevelFor(grade.BothAtLeast));
    }
    EXPECT_EQ(clock.Pending(), 0u);
}

TEST(RollGrade, BestAndWorstRollsOfTheCatalogue)
{
    ScriptedClock clock;
    TPet pet(CatalogueLines());
    clock.FreeRunFrom(7);
    ASSERT_TRUE(pet.LoadBeast("芙蓉仙子"));
    const RollGrade::SumCounts sums = RollGrade::BattleSums(pet.TemplateAptitudes);
    uint64_t product = 1;
    uint64_t counted = 0;
    for (std::size_t k = 0; k < 6; ++k)
        product *= RollGrade::RangeOf(pet.TemplateAptitudes[k]).Count();
    for (uint64_t c : sums.Counts)
        counted += c;
    EXPECT_EQ(sums.Total, product);
    EXPECT_EQ(counted, product);

    pet.Aptitudes = pet.TemplateAptitudes;  // every draw 0: the best roll
    pet.Growth = 1.254;                     // the last of 芙蓉仙子's five growths
    RollGrade::Result best = RollGrade::Of(pet);
    ASSERT_TRUE(best.Valid);
    EXPECT_EQ(best.BattleAtLeast, BookOdds::Reduced(1, product));
    EXPECT_EQ(best.GrowthAtLeast, (Fraction{1, 5}));
    EXPECT_EQ(best.Grade, RollGrade::Level::Superb);

    for (std::size_t k = 0; k < 7; ++k)
        pet.Aptitudes[k] = RollGrade::RangeOf(pet.TemplateAptitudes[k]).Low;
    pet.Growth = 1.205;
    const RollGrade::Result worst = RollGrade::Of(pet);
    EXPECT_EQ(worst.BattleAtLeast, (Fraction{1, 1}));
    EXPECT_EQ(worst.BothAtLeast, (Fraction{1, 1}));
    EXPECT_EQ(worst.Grade, RollGrade::Level::Common);
    EXPECT_EQ(RollGrade::Summary(worst), "普通（资质和 前 100.00%，成长 前 100.00%，寿命 前 100.00%）");
}

TEST(RollGrade, OutsideItsTemplateIsNotGraded)
{
    TPet pet = SmallBeast();
    pet.Aptitudes = Small;
    pet.Growth = 1.1;
    EXPECT_TRUE(RollGrade::Of(pet).Valid);
    pet.Aptitudes[2] = Small[2] + 1;  // a hand-built value above the template
    EXPECT_FALSE(RollGrade::Of(pet).Valid);
    pet.Aptitudes = Small;
    pet.Growth = 1.15;  // not one of the choices
    EXPECT_FALSE(RollGrade::Of(pet).Valid);
    EXPECT_EQ(RollGrade::Summary(RollGrade::Of(pet)), "超出本种范围，不评级");
    pet.Growth = 1.1;
    pet.TemplateAptitudes[0] = RollGrade::MaxTemplate + 1;
    EXPECT_FALSE(RollGrade::Of(pet).Valid);
}

TEST(RollGrade, GradeBoundariesAndPercentRounding)
{
    using L = RollGrade::Level;
    EXPECT_EQ(RollGrade::LevelFor({1, 100}), L::Superb);
    EXPECT_EQ(RollGrade::LevelFor({101, 10000}), L::Good);
    EXPECT_EQ(RollGrade::LevelFor({1, 10}), L::Good);
    EXPECT_EQ(RollGrade::LevelFor({1001, 10000}), L::Common);
    EXPECT_EQ(RollGrade::Percent({1, 36}), "2.78%");
    EXPECT_EQ(RollGrade::Percent({1, 80000}), "0.00%");  // 0.00125 % rounds down
    EXPECT_EQ(RollGrade::Percent({1, 40000}), "0.00%");  // 0.0025 %
    EXPECT_EQ(RollGrade::Percent({1, 20000}), "0.01%");  // 0.005 % rounds half up
    // A denominator near 2^61 does not overflow the rounding.
    EXPECT_EQ(RollGrade::Percent({(uint64_t{1} << 60) - 1, uint64_t{1} << 61}), "50.00%");
}
