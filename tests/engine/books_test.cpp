#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PetSnapshot.h"
#include "ScriptedClock.h"
#include "engine/pet.h"

namespace {

using Names = std::vector<std::string>;

TPet BeastWith(const Names& skills, const std::string& certified = "")
{
    TPet pet({});
    pet.Skills = skills;
    pet.CertifiedSkill = certified;
    return pet;
}

}  // namespace

TEST(HitBook, RefusesHeldCertifiedAndNamelessBooksWithoutADraw)
{
    ScriptedClock clock;  // any draw would fail the test
    const struct {
        Names skills;
        std::string certified;
        std::string book;
    } cases[] = {
        {{"毒", "必杀", "毒"}, "", "毒"},
        {{"毒", "必杀"}, "", "必杀"},
        {{"毒"}, "雷击", "雷击"},
        {{}, "雷击", "雷击"},
        {{}, "", ""},
        {{"毒"}, "雷击", ""},
    };
    for (const auto& c : cases) {
        TPet pet = BeastWith(c.skills, c.certified);
        const auto before = PetSnapshot(pet);
        pet.HitBook(c.book);
        EXPECT_EQ(PetSnapshot(pet), before) << c.book;
    }
    EXPECT_EQ(clock.counterReads, 0);
    EXPECT_EQ(clock.sleeps, 0);
}

TEST(HitBook, ABeastWithoutSkillsAlwaysGainsTheBook)
{
    ScriptedClock clock;
    clock.Then(1, 0).Then(1, 0);
    TPet pet = BeastWith({}, "雷击");
    pet.HitBook("高级必杀");
    EXPECT_EQ(pet.Skills, Names{"高级必杀"});
    EXPECT_EQ(clock.sleeps, 1);
    EXPECT_EQ(clock.Pending(), 0u);
}

TEST(HitBook, InsertsOnlyWhenTheFirstDrawIsZero)
{
    const Names four{"必杀", "毒", "飞行", "夜战"};
    const struct {
        uint32_t first;
        uint32_t second;
        Names result;
    } cases[] = {
        {0, 0, {"高级必杀", "必杀", "毒", "飞行", "夜战"}},  // insert at the front
        {0, 2, {"必杀", "毒", "高级必杀", "飞行", "夜战"}},  // insert in the middle
        {0, 4, {"必杀", "毒", "飞行", "夜战", "高级必杀"}},  // the end is a position too
        {1, 0, {"高级必杀", "毒", "飞行", "夜战"}},          // overwrite, others keep their slots
        {24, 3, {"必杀", "毒", "飞行", "高级必杀"}},
    };
    for (const auto& c : cases) {
        ScriptedClock clock;
        clock.Then(25, c.first).Then(c.first == 0 ? 5 : 4, c.second);
        TPet pet = BeastWith(four);
        pet.HitBook("高级必杀");  // 必杀 is a different skill
        EXPECT_EQ(pet.Skills, c.result) << c.first << " " << c.second;
        EXPECT_EQ(clock.sleeps, 1);
        EXPECT_EQ(clock.Pending(), 0u);
    }
}

TEST(HitBook, SafeOperationsOnAnEmptyList)
{
    ScriptedClock clock;
    TPet pet = BeastWith({});
    pet.OverwriteSkill("毒");  // nothing to overwrite: no change, no draw
    EXPECT_TRUE(pet.Skills.empty());
    EXPECT_EQ(clock.counterReads, 0);
    clock.Then(1, 0);
    pet.InsertSkill("毒");
    EXPECT_EQ(pet.Skills, Names{"毒"});
    pet.Skills = {"毒", "必杀"};
    clock.Then(2, 1);
    pet.OverwriteSkill(pet.Skills[0]);  // a book that aliases a slot
    EXPECT_EQ(pet.Skills, (Names{"毒", "毒"}));
    clock.Then(3, 0);
    pet.InsertSkill(pet.Skills[1]);
    EXPECT_EQ(pet.Skills, (Names{"毒", "毒", "毒"}));
}

TEST(CertifiableSkills, ListsCertifiableSlotsInOrder)
{
    TPet pet = BeastWith({"毒", "泰山压顶", "高级必杀", "地狱烈火", "泰山压顶", "奔雷咒"});
    Names list{"stale"};
    EXPECT_TRUE(pet.CertifiableSkills(list));
    EXPECT_EQ(list, (Names{"泰山压顶", "地狱烈火", "泰山压顶", "奔雷咒"}));
    pet.CertifiedSkill = "水攻";
    EXPECT_FALSE(pet.CertifiableSkills(list));
    EXPECT_EQ(list, (Names{"泰山压顶", "地狱烈火", "泰山压顶", "奔雷咒"}));
    pet.Skills = {"毒", "高级奔雷咒"};
    pet.CertifiedSkill.clear();
    EXPECT_FALSE(pet.CertifiableSkills(list));
    EXPECT_TRUE(list.empty());

    Names set;
    TPet::CertifiableSet(set);
    EXPECT_EQ(set, (Names{"雷击", "落岩", "水攻", "烈火", "奔雷咒", "泰山压顶", "水漫金山", "地狱烈火", "上古灵符"}));
}

TEST(Certify, FillsTheSlotWithAMissingReplacement)
{
    const struct {
        Names skills;
        uint32_t bound;
        uint32_t pick;
        Names result;
    } cases[] = {
        {{"毒", "泰山压顶", "夜战"}, 3, 0, {"毒", "再生", "夜战"}},
        {{"毒", "泰山压顶", "夜战"}, 3, 2, {"毒", "慧根", "夜战"}},
        {{"再生", "泰山压顶", "冥思"}, 1, 0, {"再生", "慧根", "冥思"}},
        {{"高级再生", "泰山压顶"}, 3, 0, {"高级再生", "再生"}},
        {{"慧根", "泰山压顶"}, 2, 1, {"慧根", "冥思"}},
    };
    for (const auto& c : cases) {
        ScriptedClock clock;
        clock.Then(c.bound, c.pick);
        TPet pet = BeastWith(c.skills);
        EXPECT_TRUE(pet.Certify("泰山压顶"));
        EXPECT_EQ(pet.CertifiedSkill, "泰山压顶");
        EXPECT_EQ(pet.Skills, c.result);
        EXPECT_EQ(clock.Pending(), 0u);
        EXPECT_EQ(clock.sleeps, 0);
    }
}

TEST(Certify, FallsBackWhenAllReplacementsAreHeld)
{
    const Names fallbacks{"雷属性吸收", "土属性吸收", "水属性吸收", "火属性吸收", "弱点雷",
                          "弱点土",     "弱点水",     "弱点火",     "迟钝"};
    for (uint32_t pick = 0; pick < 9; ++pick) {
        ScriptedClock clock;
        clock.Then(9, pick);
        TPet pet = BeastWith({"再生", "冥思", "弱点水", "地狱烈火", "慧根"});
        EXPECT_TRUE(pet.Certify("地狱烈火"));
        EXPECT_EQ(pet.Skills, (Names{"再生", "冥思", "弱点水", fallbacks[pick], "慧根"}));
    }
}

TEST(Certify, ReplacesEveryCopyWithItsOwnDraw)
{
    ScriptedClock clock;
    clock.Then(2, 1).Then(1, 0);  // 慧根 of 冥思/慧根, then the only one left, 冥思
    TPet pet = BeastWith({"地狱烈火", "再生", "地狱烈火"}, "雷击");
    EXPECT_TRUE(pet.Certify(pet.Skills[0]));  // a name that aliases a slot
    EXPECT_EQ(pet.Skills, (Names{"慧根", "再生", "冥思"}));
    EXPECT_EQ(pet.CertifiedSkill, "地狱烈火");  // the old certified skill is overwritten
    EXPECT_EQ(clock.Pending(), 0u);
}

TEST(Certify, AnAbsentSkillChangesNothing)
{
    ScriptedClock clock;
    TPet pet = BeastWith({"高级泰山压顶", "毒"});
    const auto before = PetSnapshot(pet);
    EXPECT_FALSE(pet.Certify("泰山压顶"));
    EXPECT_FALSE(pet.Certify(""));
    EXPECT_EQ(PetSnapshot(pet), before);
    EXPECT_EQ(clock.counterReads, 0);
}
