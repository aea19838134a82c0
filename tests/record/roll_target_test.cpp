// The chance that one roll meets a player's conditions, against counting
// every roll of a small template one by one, and the skill rule against the
// engine itself with every draw scripted.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ScriptedClock.h"
#include "engine/pet.h"
#include "ui/model/RollTarget.h"

namespace {
using Wide = unsigned __int128;
// Template bounds 2, 4, 5, 3, 2, 4 and 7 for the lifespan: 960 battle
// rolls, 7 lifespans, three growths; three innate skills and one fixed.
const std::array<int32_t, 7> Small{10, 20, 30, 15, 12, 25, 40};
const std::array<int32_t, 7> SmallBounds{2, 4, 5, 3, 2, 4, 7};

TPet SmallTemplate()
{
    TPet pet({});
    pet.Name = "小兽";
    pet.TemplateAptitudes = Small;
    pet.GrowthChoices = "1.0,1.1,1.2";
    pet.InnateSkills = "甲,乙,丙";
    pet.FixedSkills = "丁";
    return pet;
}

// The kept innate skills of every loss outcome, with its chance: k lost
// with chance (2k+1)/16, each k-subset equally likely.
struct SkillOutcome {
    std::vector<std::string> skills;
    Wide numerator;  // over 16 * 3! = 96
};
std::vector<SkillOutcome> SkillOutcomes()
{
    const std::vector<std::string> innate{"甲", "乙", "丙"};
    const int subsetsOfSize[] = {1, 3, 3, 1};
    std::vector<SkillOutcome> outcomes;
    for (unsigned lostMask = 0; lostMask < 8; ++lostMask) {
        const int lost = __builtin_popcount(lostMask);
        SkillOutcome outcome;
        for (int i = 0; i < 3; ++i)
            if (!(lostMask & (1u << i)))
                outcome.skills.push_back(innate[static_cast<std::size_t>(i)]);
        outcome.skills.push_back("丁");
        outcome.numerator = Wide(2 * lost + 1) * 6 / static_cast<Wide>(subsetsOfSize[lost]);
        outcomes.push_back(outcome);
    }
    return outcomes;
}

// Counts every roll of the small template that meets `target`, aptitude by
// aptitude, over all rolls: the exact chance, reduced.
RollChance Counted(const RollTarget& target)
{
    TPet pet = SmallTemplate();
    const auto skills = SkillOutcomes();
    Wide met = 0;
    Wide all = 0;
    std::array<int32_t, 7> index{};
    const std::function<void(std::size_t)> each = [&](std::size_t k) {
        if (k == 7) {
            for (int32_t a = 0; a < 7; ++a)
                pet.Aptitudes[static_cast<std::size_t>(a)] =
                    Small[static_cast<std::size_t>(a)] - index[static_cast<std::size_t>(a)];
            for (double growth : {1.0, 1.1, 1.2}) {
                pet.Growth = growth;
                for (const SkillOutcome& outcome : skills) {
                    pet.Skills = outcome.skills;
                    all += outcome.numerator;
                    if (target.MetBy(pet))
                        met += outcome.numerator;
                }
            }
            return;
        }
        for (index[k] = 0; index[k] < SmallBounds[k]; ++index[k])
            each(k + 1);
    };
    each(0);
    Wide a = met, b = all;
    while (b != 0) {
        const Wide r = a % b;
        a = b;
        b = r;
    }
    return a == 0 ? RollChance{0, 1} : RollChance{met / a, all / a};
}

void ExpectSame(const RollChance& odds, const RollChance& counted)
{
    EXPECT_TRUE(odds.Numerator == counted.Numerator && odds.Denominator == counted.Denominator)
        << static_cast<double>(odds.Value()) << " against " << static_cast<double>(counted.Value());
}
}  // namespace

TEST(RollOdds, MatchesCountingEveryRollOfASmallTemplate)
{
    struct Case {
        const char* name;
        RollTarget target;
    };
    std::vector<Case> cases;
    cases.push_back({"anything", {}});
    RollTarget good;
    good.MinLevel = RollGrade::Level::Good;
    cases.push_back({"优秀 or better", good});
    RollTarget superb;
    superb.MinLevel = RollGrade::Level::Superb;
    cases.push_back({"极品", superb});
    RollTarget mixed;
    mixed.MinGrowth = 1.1;
    mixed.MinBattleSum = 105;
    mixed.MinAptitudes[0] = 10;
    mixed.MinAptitudes[6] = 37;
    cases.push_back({"growth, sum and two aptitudes", mixed});
    RollTarget skills;
    skills.Skills = {"甲", "丁"};
    skills.MinSkillCount = 3;
    skills.MinLevel = RollGrade::Level::Good;
    cases.push_back({"skills and grade", skills});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RollOdds odds(SmallTemplate(), c.target);
        ASSERT_TRUE(odds.Supported());
        EXPECT_TRUE(odds.Possible());
        ExpectSame(odds.Chance(), Counted(c.target));
    }
}

TEST(RollOdds, ConditionsNoRollMeetsSayItAndCannotStart)
{
    RollTarget foreign;
    foreign.Skills = {"必杀"};  // not one of the template's skills
    RollTarget tooMany;
    tooMany.MinSkillCount = 5;  // three innate and one fixed at most
    RollTarget tooHigh;
    tooHigh.MinAptitudes[2] = 31;  // above the template's 30
    for (const RollTarget& target : {foreign, tooMany, tooHigh}) {
        const RollOdds odds(SmallTemplate(), target);
        EXPECT_FALSE(odds.Possible());
        EXPECT_EQ(odds.MedianRolls(), 0u);
        EXPECT_EQ(odds.Lines(), std::vector<std::string>{"没有一只能满足这些条件。"});
    }
    RollTarget fixedOnly;
    fixedOnly.Skills = {"丁"};
    const RollOdds always(SmallTemplate(), fixedOnly);
    ExpectSame(always.Chance(), {1, 1});
    EXPECT_EQ(always.MedianRolls(), 1u);
    EXPECT_EQ(always.Percentile90Rolls(), 1u);
}

// The skill rule as the engine plays it: every path of draws through
// RollSkills, scripted, weighted by its chance; the kept skills that meet
// the target add up to the chance the odds give.
TEST(RollOdds, SkillChanceAgreesWithTheEngineDrawByDraw)
{
    RollTarget target;
    target.Skills = {"乙"};
    target.MinSkillCount = 3;
    ScriptedClock clock;
    TPet pet = SmallTemplate();
    Wide met = 0;  // over 16 * 3 * 2 * 1 paths' common denominator 96
    for (uint32_t r = 0; r < 16; ++r) {
        const uint32_t lost = r < 1 ? 0 : r < 4 ? 1 : r < 9 ? 2 : 3;
        // Every choice of which innate entry each deletion takes.
        std::vector<uint32_t> picks(lost, 0);
        for (;;) {
            clock.Then(16, r);
            Wide weight = 96;  // the chance of this path, times 96 * 16 / 16
            for (uint32_t d = 0; d < lost; ++d) {
                clock.Then(3 - d, picks[d]);
                weight /= 3 - d;
            }
            for (uint32_t left = 3 - lost + 1; left > 0; --left)
                clock.Then(left, 0);  // the shuffle changes no membership
            pet.RollSkills();
            if (target.MetBy(pet))
                met += weight;
            std::size_t d = 0;
            while (d < lost && ++picks[d] == 3 - d)
                picks[d++] = 0;
            if (d == lost)
                break;
        }
    }
    EXPECT_EQ(clock.Pending(), 0u);
    const RollChance odds = RollOdds(SmallTemplate(), target).Chance();
    // met / (96 * 16)
    EXPECT_TRUE(odds.Numerator * 96 * 16 == met * odds.Denominator) << static_cast<double>(odds.Value());
}

TEST(RollOdds, WaitFiguresOfAGeometricWait)
{
    RollTarget half;
    half.MinAptitudes[0] = 10;  // the top of two values
    const RollOdds odds(SmallTemplate(), half);
    ExpectSame(odds.Chance(), {1, 2});
    EXPECT_EQ(odds.MeanRolls(), 2.0L);
    EXPECT_EQ(odds.MedianRolls(), 1u);        // 1/2 within one roll
    EXPECT_EQ(odds.Percentile90Rolls(), 4u);  // 15/16 >= 9/10 > 7/8
    EXPECT_EQ(odds.Lines(),
              (std::vector<std::string>{"每只满足条件的几率：50.00%（约 2 只中 1 只）",
                                        "平均要洗约 2 只；一半把握 1 只以内，九成把握 4 只以内"}));
}
