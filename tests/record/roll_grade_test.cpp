#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>

#include "ScriptedClock.h"
#include "data/builtin_data.h"
#include "engine/pet.h"
#include "engine/random_source.h"
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
// engine itself: the grade's shares equal the counts of rolls at least as
// good, and the levels of all rolls add up to the template's level shares.
TEST(RollGrade, SharesOfEveryEngineRollAgreeWithCounting)
{
    const auto sums = EnumeratedSums();
    const double growths[] = {1.0, 1.1, 1.2};
    std::array<uint64_t, 3> levels{};  // per Level, over every battle roll and growth
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
        EXPECT_EQ(grade.GrowthTier, 3 - growthDraw);
        // Rolls at least as good: a higher growth, or the same and a battle
        // sum at least as high; counted one by one.
        uint64_t better = 0;
        for (double growth : growths)
            for (const auto& [sum, count] : sums)
                if (growth > pet.Growth || (growth == pet.Growth && sum >= grade.BattleSum))
                    better += count;
        EXPECT_EQ(grade.AtLeast, BookOdds::Reduced(better, SmallRolls * 3)) << index;
        EXPECT_EQ(grade.Grade, RollGrade::LevelFor(grade.AtLeast));
        // This battle roll with each of the three growths.
        for (double growth : growths) {
            pet.Growth = growth;
            ++levels[static_cast<std::size_t>(RollGrade::Of(pet).Grade)];
        }
    }
    EXPECT_EQ(clock.Pending(), 0u);
    const auto shares = RollGrade::LevelShares(Small, "1.0,1.1,1.2");
    for (std::size_t level = 0; level < 3; ++level)
        EXPECT_EQ(shares[level], BookOdds::Reduced(levels[level], SmallRolls * 3)) << level;
    EXPECT_GT(levels[2], 0u);
}

// The promise, for every template of the catalogue, from the exact
// distribution: at most 1 % of the rolls are 极品 and at most 10 % 优秀 or
// better; the best roll of the highest growth is 极品, and no roll of the
// lowest growth is better than 普通.
TEST(RollGrade, EveryTemplateKeepsThePromiseOfItsLevels)
{
    TPet pet(CatalogueLines());
    for (const std::string& line : CatalogueLines()) {
        std::vector<std::string> fields;
        TPet::SplitText(line, ';', fields);
        SCOPED_TRACE(fields[0]);
        ASSERT_TRUE(pet.FindTemplate(fields[0], fields));
        std::array<int32_t, 7> aptitudes{};
        for (std::size_t k = 0; k < 7; ++k)
            aptitudes[k] = std::stoi(fields[k + 1]);
        const auto shares = RollGrade::LevelShares(aptitudes, fields[8]);
        const Fraction superb = shares[2];
        const Fraction good = shares[1];
        EXPECT_LE(100 * superb.Numerator, superb.Denominator);
        EXPECT_GT(200 * superb.Numerator, superb.Denominator);  // not far below: the line is drawn close to 1 %
        // good + superb <= 1/10, over the common denominator.
        const auto sum = static_cast<unsigned __int128>(good.Numerator) * superb.Denominator
            + static_cast<unsigned __int128>(superb.Numerator) * good.Denominator;
        EXPECT_TRUE(sum * 10 <= static_cast<unsigned __int128>(good.Denominator) * superb.Denominator);

        pet.TemplateAptitudes = aptitudes;
        pet.GrowthChoices = fields[8];
        pet.Aptitudes = aptitudes;  // the best battle roll
        std::vector<std::string> growths;
        TPet::SplitText(fields[8], ',', growths);
        pet.Growth = std::stod(growths.back());  // the catalogue lists growths in rising order
        EXPECT_EQ(RollGrade::Of(pet).Grade, RollGrade::Level::Superb);
        pet.Growth = std::stod(growths.front());
        const RollGrade::Result lowest = RollGrade::Of(pet);
        ASSERT_TRUE(lowest.Valid);
        EXPECT_EQ(lowest.Grade, RollGrade::Level::Common);
        EXPECT_EQ(RollGrade::GrowthTierText(lowest), "最低档");
    }
}

// Templates at the top of the supported range: the shares' products pass
// 2^64 in a naive sum, and the grade must still be exact.
TEST(RollGrade, LargestTemplatesAndMostGrowthsStayExact)
{
    TPet pet({});
    pet.TemplateAptitudes.fill(RollGrade::MaxTemplate);
    pet.GrowthChoices = "1.3";
    // Each aptitude ranges over 4921 .. 6000; a battle sum of 6 × 5460.5 is
    // the symmetric distribution's middle, so the rolls at least as good are
    // half of all plus half of those that tie.
    pet.Aptitudes = {5460, 5461, 5460, 5461, 5460, 5461, 5460};
    pet.Growth = 1.3;
    const RollGrade::SumCounts sums = RollGrade::BattleSums(pet.TemplateAptitudes);
    const uint64_t ties = sums.Counts[static_cast<std::size_t>(32763 - sums.Lowest)];
    const RollGrade::Result middle = RollGrade::Of(pet);
    ASSERT_TRUE(middle.Valid);
    EXPECT_EQ(middle.AtLeast, BookOdds::Reduced((sums.Total + ties) / 2, sums.Total));
    EXPECT_EQ(middle.Grade, RollGrade::Level::Common);
    EXPECT_EQ(RollGrade::GrowthTierText(middle), "只有一档");

    pet.GrowthChoices = "1.1,1.2,1.3,1.4,1.5,1.6,1.7,1.8";  // the most supported
    pet.Growth = 1.8;
    pet.Aptitudes.fill(RollGrade::RangeOf(RollGrade::MaxTemplate).Low);
    const RollGrade::Result lowestOfTop = RollGrade::Of(pet);
    ASSERT_TRUE(lowestOfTop.Valid);
    EXPECT_EQ(lowestOfTop.AtLeast, (Fraction{1, 8}));  // every roll of the top growth
    EXPECT_EQ(lowestOfTop.Grade, RollGrade::Level::Common);
    pet.Aptitudes.fill(RollGrade::MaxTemplate);
    const RollGrade::Result best = RollGrade::Of(pet);
    EXPECT_EQ(best.AtLeast, BookOdds::Reduced(1, 8 * sums.Total));
    EXPECT_EQ(best.Grade, RollGrade::Level::Superb);

    pet.GrowthChoices += ",1.9";  // one choice too many: not graded rather than wrong
    EXPECT_FALSE(RollGrade::Of(pet).Valid);
    EXPECT_EQ(RollGrade::LevelShares(pet.TemplateAptitudes, pet.GrowthChoices)[2], Fraction{});
}

// The real clock: 10,000 rolls of 凤凰's aptitudes and growth, the draws the
// grade depends on, fall into the levels as often as the exact shares say,
// within six standard deviations.
TEST(RollGrade, RealClockRollsMeetTheExactShares)
{
    SetClock(nullptr);
    TPet pet(CatalogueLines());
    ASSERT_TRUE(pet.LoadBeast("凤凰"));
    const auto shares = RollGrade::LevelShares(pet.TemplateAptitudes, pet.GrowthChoices);
    constexpr int Rolls = 10000;
    std::array<int, 3> seen{};
    for (int i = 0; i < Rolls; ++i) {
        pet.RollAptitudes();
        pet.RollGrowth();
        ++seen[static_cast<std::size_t>(RollGrade::Of(pet).Grade)];
    }
    for (std::size_t level = 0; level < 3; ++level) {
        const double p = static_cast<double>(shares[level].Numerator) / static_cast<double>(shares[level].Denominator);
        const double sigma = std::sqrt(Rolls * p * (1 - p));
        EXPECT_LT(std::abs(seen[level] - Rolls * p), 6 * sigma + 1) << "level " << level << ": " << seen[level];
    }
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
    EXPECT_EQ(worst.AtLeast, (Fraction{1, 1}));
    EXPECT_EQ(worst.Grade, RollGrade::Level::Common);
    EXPECT_EQ(RollGrade::Summary(worst), "普通：胜过 0.0% 的同种（成长 最低档，资质和 胜过 0.0%，寿命 胜过 0.0%）");
    pet.Growth = 1.23;  // the third of five
    EXPECT_EQ(RollGrade::Summary(RollGrade::Of(pet)),
              "普通：胜过 40.0% 的同种（成长 第 3 档（共 5 档），资质和 胜过 0.0%，寿命 胜过 0.0%）");
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
