#include <gtest/gtest.h>

#include <limits>

#include "PetSnapshot.h"
#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/model/ModifyModel.h"

namespace {

using Weights = std::array<int32_t, ModifyModel::RowCount>;
using Points = std::array<int32_t, ModifyModel::RowCount>;

TPet Beast(int32_t level, Points points, int32_t potential)
{
    TPet beast(CatalogueLines());
    EXPECT_TRUE(beast.LoadBeast("吸血鬼"));
    beast.Level = level;
    beast.Physique = points[0], beast.Magic = points[1], beast.Strength = points[2];
    beast.Endurance = points[3], beast.Agility = points[4];
    beast.Potential = potential;
    return beast;
}

ModifyModel Loaded(int32_t level, Points points, int32_t potential)
{
    ModifyModel model;
    model.Load(Beast(level, points, potential));
    return model;
}

Points Values(const ModifyModel& m)
{
    Points v{};
    for (int i = 0; i < 5; ++i)
        v[static_cast<std::size_t>(i)] = m.row(i).value;
    return v;
}

int64_t Total(const ModifyModel& m)
{
    int64_t sum = m.potential();
    for (int i = 0; i < 5; ++i)
        sum += m.row(i).value;
    return sum;
}

}  // namespace

TEST(ModifyModel, LevelFromZeroRaisesFloorsAndPotential)
{
    auto m = Loaded(0, {25, 12, 13, 11, 14}, 0);
    EXPECT_EQ(m.ChangeLevel(10), 10);
    EXPECT_EQ(Values(m), (Points{35, 22, 23, 21, 24}));
    EXPECT_EQ(m.row(0).floor, 35);
    EXPECT_EQ(m.row(0).ceiling, 85);
    EXPECT_EQ(m.potential(), 50);
    EXPECT_FALSE(m.Step(0, false)) << "cannot go below the new floor";
}

TEST(ModifyModel, LevelsCountFromTheStoredLevel)
{
    auto m = Loaded(20, {40, 30, 30, 30, 30}, 100);
    m.ChangeLevel(25);
    EXPECT_EQ(m.row(0).value, 45);
    EXPECT_EQ(m.potential(), 125);
    m.ChangeLevel(5);  // below the stored level: the stored values
    EXPECT_EQ(Values(m), (Points{40, 30, 30, 30, 30}));
    EXPECT_EQ(m.potential(), 100);
    EXPECT_EQ(m.WrittenLevel(5), 20) << "a commit never lowers the level";
    EXPECT_EQ(m.WrittenLevel(30), 30);
}

TEST(ModifyModel, LevelSpinnerRunsFromTheStoredLevelTo160)
{
    auto m = Loaded(20, {40, 30, 30, 30, 30}, 100);
    EXPECT_EQ(m.StepLevel(20, true), 21);
    EXPECT_EQ(m.StepLevel(20, false), std::nullopt) << "at the floor nothing moves";
    EXPECT_EQ(m.StepLevel(160, true), std::nullopt);
    EXPECT_EQ(m.StepLevel(160, false), 159);
    EXPECT_EQ(m.StepLevel(3, true), 21) << "a typed level below the floor snaps to it first";
    EXPECT_EQ(m.StepLevel(3, false), std::nullopt);
    EXPECT_EQ(m.StepLevel(std::nullopt, true), 21) << "an unreadable level steps from the floor";
}

TEST(ModifyModel, CommitWritesTheWorkingValuesAndNothingElse)
{
    TPet beast = Beast(0, {25, 12, 13, 11, 14}, 0);
    ModifyModel m;
    m.Load(beast);
    m.ChangeLevel(10);
    ASSERT_TRUE(m.Step(2, true));
    TPet expected = beast;

    const auto result = m.Commit(beast, "小仙", "10");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.level, 10);
    expected.Name = "小仙";
    expected.Level = 10;
    expected.Physique = 35, expected.Magic = 22, expected.Strength = 24, expected.Endurance = 21;
    expected.Agility = 24, expected.Potential = 49;
    expected.ComputeAttributes(10);
    EXPECT_EQ(PetSnapshot(beast), PetSnapshot(expected));
    EXPECT_EQ(m.row(2).floor, 23) << "floors stay after a commit";
    EXPECT_EQ(m.row(2).value, 24);
    EXPECT_EQ(m.name(), "小仙");
}

TEST(ModifyModel, CommitNeverLowersTheLevelAndRaisesTheFloorForTheNext)
{
    TPet beast = Beast(20, {40, 30, 30, 30, 30}, 100);
    ModifyModel m;
    m.Load(beast);
    ASSERT_TRUE(m.Commit(beast, beast.Name, "5").ok);
    EXPECT_EQ(beast.Level, 20);
    m.ChangeLevel(30);
    ASSERT_TRUE(m.Commit(beast, beast.Name, "30").ok);
    EXPECT_EQ(beast.Potential, 150);
    EXPECT_EQ(m.WrittenLevel(25), 30) << "nor below what an earlier commit wrote";
    EXPECT_EQ(m.StepLevel(30, false), std::nullopt) << "the spinner cannot show a level a commit would not write";
    m.ChangeLevel(31);
    EXPECT_EQ(m.potential(), 155) << "levels count from the committed level";
}

TEST(ModifyModel, CommitOfAnUnreadableLevelWritesNothing)
{
    for (const char* level : {"", "12a", "4294967296"}) {
        TPet beast = Beast(0, {25, 12, 13, 11, 14}, 0);
        ModifyModel m;
        m.Load(beast);
        m.ChangeLevel(10);
        const TPet before = beast;
        const auto result = m.Commit(beast, "小仙", level);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.offending, level);
        EXPECT_EQ(PetSnapshot(beast), PetSnapshot(before)) << level;
        EXPECT_EQ(m.name(), before.Name);
        EXPECT_EQ(m.WrittenLevel(0), 0) << "the stored level is unchanged";
    }
}

TEST(ModifyModel, LevelAbove160BecomesZeroAndDiscardsMoves)
{
    auto m = Loaded(0, {20, 20, 20, 20, 20}, 5);
    m.ChangeLevel(3);
    ASSERT_TRUE(m.Step(2, true));
    EXPECT_EQ(m.ChangeLevel(161), 0);
    EXPECT_EQ(Values(m), (Points{20, 20, 20, 20, 20}));
    EXPECT_EQ(m.potential(), 5);
    EXPECT_EQ(m.ChangeLevel(160), 160);
}

TEST(ModifyModel, StepsKeepTheTotalAndRespectBounds)
{
    auto m = Loaded(0, {10, 10, 10, 10, 10}, 2);
    const int64_t total = Total(m);
    EXPECT_FALSE(m.Step(0, false)) << "at the floor";
    EXPECT_TRUE(m.Step(0, true));
    EXPECT_TRUE(m.Step(1, true));
    EXPECT_EQ(m.potential(), 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m.row(i).ceiling, m.row(i).value) << "potential 0 closes every ceiling";
    EXPECT_FALSE(m.Step(3, true));
    EXPECT_TRUE(m.Step(0, false));
    EXPECT_EQ(m.potential(), 1);
    EXPECT_EQ(m.row(3).ceiling, 11);
    EXPECT_EQ(Total(m), total);
    EXPECT_FALSE(m.Step(5, true));
    EXPECT_FALSE(m.Step(-1, false));
}

struct RatioCase {
    const char* name;
    Weights weights;
    int32_t potential;
    Points rises;
};

class ModifyRatio : public testing::TestWithParam<RatioCase> {};

TEST_P(ModifyRatio, HandsOutExactlyThePotential)
{
    const RatioCase& c = GetParam();
    auto m = Loaded(0, {10, 10, 10, 10, 10}, c.potential);
    ASSERT_EQ(m.ApplyRatio(c.weights), ModifyModel::RatioResult::Applied);
    Points rises{};
    for (int i = 0; i < 5; ++i) {
        rises[static_cast<std::size_t>(i)] = m.row(i).value - 10;
        EXPECT_EQ(m.row(i).ceiling, m.row(i).value);
        EXPECT_EQ(m.row(i).floor, 10) << "floors stay, shares can be handed back";
    }
    EXPECT_EQ(rises, c.rises);
    EXPECT_EQ(m.potential(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, ModifyRatio,
                         testing::Values(RatioCase{"DefaultWeights50", {1, 0, 3, 1, 0}, 50, {10, 0, 30, 10, 0}},
                                         RatioCase{
                                             "DefaultWeights7LargestRemainder", {1, 0, 3, 1, 0}, 7, {2, 0, 4, 1, 0}},
                                         RatioCase{"EvenWeights3TiesToEarlier", {1, 1, 1, 1, 1}, 3, {1, 1, 1, 0, 0}},
                                         RatioCase{"HalvesPotential1", {5, 5, 0, 0, 0}, 1, {1, 0, 0, 0, 0}},
                                         RatioCase{"HalvesPotential3", {5, 5, 0, 0, 0}, 3, {2, 1, 0, 0, 0}},
                                         RatioCase{"Sum100", {50, 25, 25, 0, 0}, 9, {5, 2, 2, 0, 0}},
                                         RatioCase{"PotentialZero", {1, 0, 3, 1, 0}, 0, {0, 0, 0, 0, 0}}),
                         [](const testing::TestParamInfo<RatioCase>& row) { return std::string(row.param.name); });

TEST(ModifyModel, RatioRefusesOtherSumsAndNegativeWeights)
{
    for (const Weights& w :
         {Weights{0, 0, 0, 0, 0}, Weights{1, 1, 1, 1, 2}, Weights{4, 4, 4, 4, 4}, Weights{-5, 10, 0, 0, 0}}) {
        auto m = Loaded(0, {10, 10, 10, 10, 10}, 7);
        EXPECT_EQ(m.ApplyRatio(w), ModifyModel::RatioResult::BadSum);
        EXPECT_EQ(m.potential(), 7);
        EXPECT_EQ(m.row(0).value, 10);
        EXPECT_EQ(m.row(0).ceiling, 17);
    }
}

TEST(ModifyModel, HugeStoredNumbersSaturateInsteadOfWrapping)
{
    auto m = Loaded(0, {2147483600, 0, 0, 0, 0}, 2147483000);
    EXPECT_EQ(m.row(0).ceiling, 2147483647);
    m.ChangeLevel(160);
    EXPECT_EQ(m.potential(), 2147483647);
    EXPECT_GE(m.row(0).ceiling, m.row(0).value);
}

TEST(ModifyModel, ACommitWritesLevelsFrom0To160WhateverItIsGiven)
{
    struct Case {
        int32_t stored;
        const char* typed;
        int32_t written;
    };
    const int32_t min = std::numeric_limits<int32_t>::min();
    for (const Case c : {Case{0, "161", 0}, Case{0, "2147483647", 0}, Case{20, "999", 20}, Case{0, "-5", 0},
                         Case{0, "-2147483648", 0}, Case{min, "-7", 0}, Case{min, "40", 40}, Case{200, "30", 160},
                         Case{2147483647, "0", 160}, Case{0, "160", 160}}) {
        TPet beast = Beast(c.stored, {20, 20, 20, 20, 20}, 0);
        ModifyModel m;
        m.Load(beast);
        const auto result = m.Commit(beast, beast.Name, c.typed);
        ASSERT_TRUE(result.ok) << c.typed;
        EXPECT_EQ(beast.Level, c.written) << c.stored << " " << c.typed;
        EXPECT_EQ(result.level, c.written);
        EXPECT_EQ(m.storedLevel(), c.written);
    }
}

TEST(ModifyModel, LevelSpinnerStaysIn0To160ForAnyStoredLevel)
{
    const int32_t min = std::numeric_limits<int32_t>::min();
    const int32_t max = std::numeric_limits<int32_t>::max();
    auto low = Loaded(min, {20, 20, 20, 20, 20}, 0);
    EXPECT_EQ(low.StepLevel(std::nullopt, false), std::nullopt) << "the floor is 0, and nothing overflows";
    EXPECT_EQ(low.StepLevel(min, false), std::nullopt);
    EXPECT_EQ(low.StepLevel(min, true), 1);
    EXPECT_EQ(low.StepLevel(max, true), std::nullopt);
    EXPECT_EQ(low.StepLevel(max, false), 159);
    auto high = Loaded(max, {20, 20, 20, 20, 20}, 0);
    EXPECT_EQ(high.StepLevel(std::nullopt, true), std::nullopt);
    EXPECT_EQ(high.StepLevel(std::nullopt, false), std::nullopt);
    EXPECT_EQ(high.StepLevel(min, false), std::nullopt);
}
