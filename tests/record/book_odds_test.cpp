#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    EXPECT_TRUE(Has(held, "下一本 感知：已有此技能，不会使用，不计本数"));
    const auto certified = BookOdds::Lines(four, "泰山压顶", "泰山压顶");
    EXPECT_TRUE(Has(certified, "下一本 泰山压顶：已有此技能，不会使用，不计本数"));
    const auto lacking = BookOdds::Lines(four, "", "高级必杀");
    EXPECT_TRUE(Has(lacking, "下一本 高级必杀："));
    EXPECT_TRUE(Has(lacking, "新增一格：1/25 = 4.00%"));
    EXPECT_TRUE(Has(lacking, "覆盖一个已有技能：24/25 = 96.00%"));
    EXPECT_TRUE(Has(lacking, "其中每个技能被覆盖：6/25 = 24.00%"));
    EXPECT_TRUE(Has(lacking, "到 5 个技能：25 本"));
    EXPECT_TRUE(Has(lacking, "到 12 个技能：" + std::to_string(BookOdds::ExpectedBooks(4, 12)) + " 本"));
    EXPECT_FALSE(Has(BookOdds::Lines(Held(6), "", ""), "到 6 个技能：0 本"));
    EXPECT_TRUE(Has(BookOdds::Lines(Held(6), "", ""), "到 7 个技能：49 本"));

    const auto none = BookOdds::Lines({}, "", "");
    EXPECT_TRUE(Has(none, "下一本（还未选书）："));
    EXPECT_TRUE(Has(none, "新增一格：1/1 = 100.00%"));
    EXPECT_TRUE(Has(none, "没有可覆盖的技能"));
    EXPECT_TRUE(Has(none, "到 5 个技能：55 本"));

    const auto full = BookOdds::Lines(Held(12), "", "");
    EXPECT_TRUE(Has(full, "已有 12 个或更多技能"));
    for (const auto& line : full)
        EXPECT_NE(line.rfind("到 ", 0), 0u) << line;
}
