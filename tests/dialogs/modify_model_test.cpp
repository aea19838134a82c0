#include "ui/model/ModifyModel.h"

#include <gtest/gtest.h>

namespace {
std::array<int64_t, 5> Rises(const ModifyModel& m, int64_t base)
{
    std::array<int64_t, 5> r{};
    for (int i = 0; i < 5; ++i)
        r[i] = m.row(i).value - base;
    return r;
}
}  // namespace

TEST(ModifyModel, RatioHandsOutExactlyThePotential)
{
    ModifyModel m;
    m.Load({20, 20, 20, 20, 20}, 7, 0);
    ASSERT_TRUE(m.ApplyRatio({1, 0, 3, 1, 0}));
    EXPECT_EQ(Rises(m, 20), (std::array<int64_t, 5>{2, 0, 4, 1, 0}));
    EXPECT_EQ(m.potential(), 0);
    m.Load({20, 20, 20, 20, 20}, 3, 0);
    ASSERT_TRUE(m.ApplyRatio({1, 1, 1, 1, 1}));
    EXPECT_EQ(Rises(m, 20), (std::array<int64_t, 5>{1, 1, 1, 0, 0}));
    EXPECT_FALSE(m.ApplyRatio({1, 1, 1, 1, 2}));
    EXPECT_FALSE(m.ApplyRatio({10, -5, 0, 0, 0}));
}

TEST(ModifyModel, LevelsAndStepsKeepTheSum)
{
    EXPECT_EQ(ModifyModel::LevelsGained(0, 10), 10);
    EXPECT_EQ(ModifyModel::LevelsGained(5, 10), 5);
    EXPECT_EQ(ModifyModel::LevelsGained(5, 3), 0);
    EXPECT_EQ(ModifyModel::LevelsGained(0, 161), 0);
    ModifyModel m;
    m.Load({25, 10, 10, 10, 10}, 0, 10);
    EXPECT_EQ(m.row(0).value, 35);
    EXPECT_EQ(m.potential(), 50);
    EXPECT_FALSE(m.Step(0, false));
    EXPECT_TRUE(m.Step(0, true));
    EXPECT_EQ(m.potential(), 49);
    EXPECT_TRUE(m.Step(0, false));
    EXPECT_EQ(m.potential(), 50);
    m.Load({10, 10, 10, 10, 10}, 1, 0);
    EXPECT_TRUE(m.Step(2, true));
    EXPECT_FALSE(m.Step(1, true));
}
