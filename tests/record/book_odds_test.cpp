#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ScriptedClock.h"
#include "engine/pet.h"
#include "ui/model/BookOdds.h"

namespace {

using Names = std::vector<std::string>;

Names Held(std::size_t n)
{
    Names skills;
    for (std::size_t i = 0; i < n; ++i)
        skills.push_back("技能" + std::to_string(i));
    return skills;
}

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    for (const auto& l : lines)
        if (l == line)
            return true;
    return false;
}

}  // namespace

TEST(BookOdds, ExactChancesForEachSkillCount)
{
    const struct {
        std::size_t held;
        std::string newSlot, newPercent, each, eachPercent, any;
    } cases[] = {
        {0, "1/1", "100.00%", "0/1", "0.00%", "0/1"},         {1, "1/4", "25.00%", "3/4", "75.00%", "3/4"},
        {2, "1/9", "11.11%", "4/9", "44.44%", "8/9"},         {4, "1/25", "4.00%", "6/25", "24.00%", "24/25"},
        {5, "1/36", "2.78%", "7/36", "19.44%", "35/36"},      {7, "1/64", "1.56%", "9/64", "14.06%", "63/64"},
        {11, "1/144", "0.69%", "13/144", "9.03%", "143/144"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.held);
        EXPECT_EQ(BookOdds::FractionText(BookOdds::NewSlot(c.held)), c.newSlot);
        EXPECT_EQ(BookOdds::PercentText(BookOdds::NewSlot(c.held)), c.newPercent);
        EXPECT_EQ(BookOdds::FractionText(BookOdds::EachOverwrite(c.held)), c.each);
        EXPECT_EQ(BookOdds::PercentText(BookOdds::EachOverwrite(c.held)), c.eachPercent);
        EXPECT_EQ(BookOdds::FractionText(BookOdds::AnyOverwrite(c.held)), c.any);
    }
}

TEST(BookOdds, NewSlotAndEveryOverwriteAddUpToOne)
{
    for (std::size_t n = 0; n <= 40; ++n) {
        const Fraction slot = BookOdds::NewSlot(n);
        const Fraction each = BookOdds::EachOverwrite(n);
        // slot + n * each == 1, cross-multiplied to stay in integers
        EXPECT_EQ(slot.Numerator * each.Denominator + n * each.Numerator * slot.Denominator,
                  slot.Denominator * each.Denominator)
            << n;
        EXPECT_EQ(BookOdds::Reduced(each.Numerator, each.Denominator), each) << n;
    }
}

TEST(BookOdds, PercentRoundsHalfUpFromTheExactFraction)
{
    EXPECT_EQ(BookOdds::PercentText({1, 800}), "0.13%");   // 0.125 exactly
    EXPECT_EQ(BookOdds::PercentText({1, 1600}), "0.06%");  // 0.0625
    EXPECT_EQ(BookOdds::PercentText({2, 3}), "66.67%");
    EXPECT_EQ(BookOdds::PercentText({1, 3}, 0), "33%");
    EXPECT_EQ(BookOdds::PercentText({1, 7}, 4), "14.2857%");
    EXPECT_EQ(BookOdds::PercentText({1, 10000}, 2), "0.01%");
    EXPECT_EQ(BookOdds::FractionText(BookOdds::Reduced(24, 100)), "6/25");
    EXPECT_EQ(BookOdds::FractionText(BookOdds::Reduced(0, 9)), "0/1");
}

TEST(BookOdds, ExpectedBooksSumTheSquaresUpToTheTarget)
{
    EXPECT_EQ(BookOdds::ExpectedBooks(4, 5), 25u);
    EXPECT_EQ(BookOdds::ExpectedBooks(4, 6), 61u);  // 25 + 36
    EXPECT_EQ(BookOdds::ExpectedBooks(3, 5), 41u);  // 16 + 25
    EXPECT_EQ(BookOdds::ExpectedBooks(0, 12), 650u);
    EXPECT_EQ(BookOdds::ExpectedBooks(11, 12), 144u);
    EXPECT_EQ(BookOdds::ExpectedBooks(12, 12), 0u);
    EXPECT_EQ(BookOdds::ExpectedBooks(13, 5), 0u);
}

TEST(BookOdds, LinesNameARefusedBookAndListOnlyTargetsAboveTheCount)
{
    const Names four{"夜战", "感知", "必杀", "毒"};
    const auto held = BookOdds::Lines(four, "", "感知");
    EXPECT_TRUE(Has(held, "下一本 感知：已有此技能，会被拒绝，不计本数"));
    EXPECT_FALSE(Has(held, "新增一格：1/25 = 4.00%"));  // no odds for a refused book
    const auto certified = BookOdds::Lines(four, "泰山压顶", "泰山压顶");
    EXPECT_EQ(certified[0], "现有 4 个技能，另认证 1 个");
    EXPECT_TRUE(Has(certified, "下一本 泰山压顶：已认证此技能，会被拒绝，不计本数"));
    for (const auto& line : certified)
        EXPECT_EQ(line.find("覆盖"), std::string::npos) << line;
    const auto lacking = BookOdds::Lines(four, "", "高级必杀");
    EXPECT_TRUE(Has(lacking, "下一本 高级必杀："));
    EXPECT_TRUE(Has(lacking, "新增一格：1/25 = 4.00%"));
    EXPECT_TRUE(Has(lacking, "覆盖一个已有技能：24/25 = 96.00%"));
    EXPECT_TRUE(Has(lacking, "其中每个技能被覆盖：6/25 = 24.00%"));
    EXPECT_TRUE(Has(lacking, "到 5 个：25 / 17 / 57 本"));
    EXPECT_TRUE(Has(lacking, "到 6 个：61 / 51 / 118 本"));

    // The list starts at the next count, whatever it is.
    for (std::size_t n : {0u, 1u, 6u, 11u}) {
        const auto lines = BookOdds::Lines(Held(n), "", "");
        const auto first =
            std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("到 ", 0) == 0; });
        ASSERT_NE(first, lines.end());
        EXPECT_EQ(first->rfind("到 " + std::to_string(n + 1) + " 个：", 0), 0u) << n;
    }
    const auto none = BookOdds::Lines({}, "", "");
    EXPECT_TRUE(Has(none, "下一本（还未选书）："));
    EXPECT_TRUE(Has(none, "新增一格：1/1 = 100.00%"));
    EXPECT_TRUE(Has(none, "没有可覆盖的技能"));
    EXPECT_TRUE(Has(none, "到 1 个：1 / 1 / 1 本"));

    const auto full = BookOdds::Lines(Held(12), "", "");
    EXPECT_TRUE(Has(full, "到 13 个：169 / 117 / 388 本"));
    EXPECT_TRUE(Has(full, "到 14 个：365 / 306 / 710 本"));
}

// One geometric wait: P(reached within m) = 1 - (1 - p)^m exactly, so the
// median and 90th percentile are the smallest m with (1 - p)^m <= 1/2 and
// <= 1/10, found here in integers: (s^2 - 1)^m * 2 <= s^(2m), s = n + 1.
TEST(BookOdds, OneMissingSkillAgreesWithTheClosedForm)
{
    for (std::size_t n = 1; n <= 8; ++n) {
        const long double s2 = static_cast<long double>((n + 1) * (n + 1));
        // Exact rational comparison needs big numbers; the ratio's logarithm
        // is far enough from a whole number for these n (checked below).
        const long double perBook = std::log(s2 / (s2 - 1));
        const auto median = static_cast<uint64_t>(std::ceil(std::log(2.0L) / perBook));
        const auto ninety = static_cast<uint64_t>(std::ceil(std::log(10.0L) / perBook));
        const BookWait wait = BookOdds::Wait(n, n + 1);
        EXPECT_TRUE(wait.Exact);
        EXPECT_EQ(wait.Median, median) << n;
        EXPECT_EQ(wait.Percentile90, ninety) << n;
        EXPECT_EQ(wait.Mean, static_cast<uint64_t>(s2));
    }
}

// Two waits with chances a and b: P(not reached within m) is
// (b(1-a)^m - a(1-b)^m) / (b - a), an independent formula.
TEST(BookOdds, TwoMissingSkillsAgreeWithTheClosedForm)
{
    for (std::size_t n = 1; n <= 10; ++n) {
        const long double a = 1.0L / static_cast<long double>((n + 1) * (n + 1));
        const long double b = 1.0L / static_cast<long double>((n + 2) * (n + 2));
        const auto reached = BookOdds::ReachedWithin(n, n + 2, 300);
        for (uint64_t m = 0; m <= 300; ++m) {
            const long double tail =
                (b * std::pow(1 - a, static_cast<long double>(m)) - a * std::pow(1 - b, static_cast<long double>(m)))
                / (b - a);
            EXPECT_NEAR(static_cast<double>(reached[m]), static_cast<double>(1 - tail), 1e-15) << n << " " << m;
        }
    }
}

// Medians and 90th percentiles worked out separately in exact rational
// arithmetic (Python's fractions, the same recurrence over whole books).
TEST(BookOdds, QuantilesMatchExactRationalArithmetic)
{
    const struct {
        std::size_t held, target;
        uint64_t median, ninety;
    } cases[] = {{0, 1, 1, 1},      {1, 3, 11, 25},     {4, 5, 17, 57},     {4, 6, 51, 118},
                 {6, 9, 172, 345},  {8, 12, 407, 749},  {11, 12, 100, 331}, {2, 12, 610, 971},
                 {0, 12, 615, 976}, {12, 13, 117, 388}, {12, 14, 306, 710}};
    for (const auto& c : cases) {
        const BookWait wait = BookOdds::Wait(c.held, c.target);
        EXPECT_EQ(wait.Median, c.median) << c.held << " to " << c.target;
        EXPECT_EQ(wait.Percentile90, c.ninety) << c.held << " to " << c.target;
        EXPECT_TRUE(wait.Exact);
    }
}

TEST(BookOdds, EveryListedWaitIsExactAndOrdered)
{
    for (std::size_t n = 0; n <= BookOdds::MaxWaitHeld; ++n)
        for (std::size_t target : BookOdds::Targets(n)) {
            const BookWait wait = BookOdds::Wait(n, target);
            EXPECT_TRUE(wait.Exact) << n << " to " << target;
            EXPECT_LE(wait.Median, wait.Mean) << n << " to " << target;  // right-skewed
            if (target > 1) {                                            // one book always gives the first skill
                EXPECT_LT(wait.Median, wait.Percentile90) << n << " to " << target;
            }
            if (target > n + 1) {
                const BookWait shorter = BookOdds::Wait(n, target - 1);
                EXPECT_LT(shorter.Percentile90, wait.Percentile90);
            }
        }
}

TEST(BookOdds, ReachedWithinRisesToOne)
{
    const auto reached = BookOdds::ReachedWithin(4, 8, 4000);
    EXPECT_EQ(reached[0], 0.0L);
    EXPECT_EQ(reached[3], 0.0L);  // four skills need four books at least
    EXPECT_GT(reached[4], 0.0L);
    for (std::size_t m = 1; m < reached.size(); ++m)
        EXPECT_GE(reached[m], reached[m - 1]);
    EXPECT_GT(reached.back(), 0.999L);
    EXPECT_LE(reached.back(), 1.0L);
}

namespace {
// Adds the chance of every run of `books` books from `pet` that ends with at
// least `target` skills, the engine making every draw: each value of the
// new-slot draw is taken once with its own weight (the slot draw that
// follows does not change the count, so it is always 0).
void EnginePaths(const TPet& pet, std::size_t target, int books, long double weight, long double& reached)
{
    if (pet.Skills.size() >= target) {
        reached += weight;
        return;
    }
    if (books == 0)
        return;
    const auto n = static_cast<uint32_t>(pet.Skills.size());
    const uint32_t bound = (n + 1) * (n + 1);
    for (uint32_t r = 0; r < bound; ++r) {
        TPet next = pet;
        ScriptedClock clock;
        clock.Then(bound, r).Then(r == 0 ? n + 1 : n, 0);
        next.HitBook("新书" + std::to_string(books));  // a book it lacks
        EXPECT_EQ(clock.Pending(), 0u);
        EnginePaths(next, target, books - 1, weight / bound, reached);
    }
}
}  // namespace

TEST(BookOdds, ReachedWithinAgreesWithEveryEnginePath)
{
    for (std::size_t target : {3u, 4u}) {
        const auto expected = BookOdds::ReachedWithin(2, target, 3);
        for (int books = 0; books <= 3; ++books) {
            TPet pet({});
            pet.Skills = {"夜战", "感知"};
            long double reached = 0;
            EnginePaths(pet, target, books, 1.0L, reached);
            EXPECT_NEAR(static_cast<double>(reached), static_cast<double>(expected[static_cast<std::size_t>(books)]),
                        1e-17)
                << target << " within " << books;
        }
    }
}

TEST(BookOdds, ExactUpToTheLargestSupportedCount)
{
    // (n + 2) / (n + 1)^2 at the edge: the rounding's products stay in range.
    EXPECT_EQ(BookOdds::FractionText(BookOdds::EachOverwrite(BookOdds::MaxHeld)), "10002/100020001");
    EXPECT_EQ(BookOdds::PercentText(BookOdds::EachOverwrite(BookOdds::MaxHeld), 4), "0.0100%");
    EXPECT_EQ(BookOdds::PercentText(BookOdds::AnyOverwrite(BookOdds::MaxHeld), 4), "100.0000%");  // 1 - 1e-8
    const auto beyond = BookOdds::Lines(Held(BookOdds::MaxHeld + 1), "", "");
    EXPECT_EQ(beyond.size(), 2u);
    EXPECT_EQ(beyond[1], "技能太多，几率不再精确计算");
    // Past the counts whose waits are worked out, only the exact means remain.
    const auto many = BookOdds::Lines(Held(BookOdds::MaxWaitHeld + 1), "", "");
    EXPECT_TRUE(Has(many, "到 42 个：平均 1764 本"));
}
