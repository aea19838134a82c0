#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PetSnapshot.h"
#include "ScriptedClock.h"
#include "data/builtin_data.h"
#include "engine/pet.h"
#include "engine/strict_number.h"

namespace {

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    TPet::SplitText(text, separator, pieces);
    return pieces;
}

}  // namespace

TEST(SplitText, KeepsEveryPieceUntrimmed)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(Split("1.127,1.138,1.15,1.161,1.173", ','), (V{"1.127", "1.138", "1.15", "1.161", "1.173"}));
    EXPECT_EQ(Split("偷袭,夜战,吸血", ','), (V{"偷袭", "夜战", "吸血"}));
    EXPECT_EQ(Split("鬼魂术", ','), (V{"鬼魂术"}));  // bytes above 127 are not blanks
    EXPECT_EQ(Split("a;", ';'), (V{"a", ""}));
    EXPECT_EQ(Split(",", ','), (V{"", ""}));
    EXPECT_EQ(Split(" a , b", ','), (V{" a ", " b"}));
    EXPECT_EQ(Split("x ", ','), (V{"x "}));
    EXPECT_EQ(Split(CatalogueLines()[0], ';').size(), 11u);
    std::vector<std::string> pieces{"stale"};
    for (const char* blank : {"", " ", "  \t\r\n", "\x01\x1f "}) {
        TPet::SplitText(blank, ',', pieces);
        EXPECT_TRUE(pieces.empty()) << '"' << blank << '"';
    }
}

TEST(FindTemplate, TheLastMatchingLineWins)
{
    const TPet pet({"甲;1;1;1;1;1;1;1;1.0;a;", "乙;2", "甲;3;3;3;3;3;3;3;1.0;b;", "没有分号", ";空名"});
    std::vector<std::string> fields{"untouched"};
    EXPECT_FALSE(pet.FindTemplate("丙", fields));
    EXPECT_EQ(fields, std::vector<std::string>{"untouched"});
    EXPECT_FALSE(pet.FindTemplate("甲;", fields));
    EXPECT_TRUE(pet.FindTemplate("甲", fields));
    ASSERT_EQ(fields.size(), 11u);
    EXPECT_EQ(fields[1], "3");
    // A line without ";" has an empty key, like one that starts with ";".
    EXPECT_TRUE(pet.FindTemplate("", fields));
    EXPECT_EQ(fields, (std::vector<std::string>{"", "空名"}));
}

TEST(LoadBeast, RollsEveryQualityFromItsOwnDraw)
{
    TPet pet(CatalogueLines());
    pet.CertifiedSkill = "雷击";
    ScriptedClock clock;
    // Aptitude bounds of 吸血鬼: 259, 238, 648, 432, 238, 324, 1393.
    clock.Then(259, 0).Then(238, 237).Then(648, 100).Then(432, 431).Then(238, 1).Then(324, 323).Then(1393, 1392);
    clock.Then(5, 2);                                            // growth 1.23
    clock.Then(5, 3);                                            // 火
    clock.Then(16, 4);                                           // loses isqrt(4) = 2 of 3 innate skills
    clock.Then(3, 0).Then(2, 1);                                 // drops 偷袭, then 吸血: 夜战 stays
    clock.Then(3, 2).Then(2, 0).Then(1, 0);                      // pool 夜战,鬼魂术,弱点水 shuffled
    for (uint32_t share : {24u, 24u, 24u, 24u, 0u, 0u, 0u, 0u})  // fifth share -46, then 50: retried
        clock.Then(25, share);
    clock.Then(25, 10).Then(25, 12).Then(25, 14).Then(25, 3);  // fifth share 11

    ASSERT_TRUE(pet.LoadBeast("吸血鬼"));
    EXPECT_EQ(clock.Pending(), 0u);
    EXPECT_EQ(clock.sleeps, 5);  // two lost and three placed skills
    EXPECT_EQ(pet.Name, "吸血鬼");
    EXPECT_EQ(pet.TemplateAptitudes, (std::array<int32_t, 7>{1440, 1320, 3600, 2400, 1320, 1800, 7740}));
    EXPECT_EQ(pet.Aptitudes, (std::array<int32_t, 7>{1440, 1083, 3500, 1969, 1319, 1477, 6348}));
    EXPECT_EQ(pet.GrowthChoices, "1.205,1.217,1.23,1.242,1.254");
    EXPECT_EQ(pet.InnateSkills, "偷袭,夜战,吸血");
    EXPECT_EQ(pet.FixedSkills, "鬼魂术,弱点水");
    EXPECT_EQ(pet.Growth, 1.23);
    EXPECT_EQ(pet.Element, "火");
    EXPECT_EQ(pet.Skills, (std::vector<std::string>{"弱点水", "夜战", "鬼魂术"}));
    EXPECT_EQ(pet.CertifiedSkill, "");
    EXPECT_EQ(pet.Level, 0);
    EXPECT_EQ(pet.Potential, 0);
    EXPECT_EQ((std::array{pet.Physique, pet.Magic, pet.Strength, pet.Endurance, pet.Agility}),
              (std::array{20, 22, 24, 13, 21}));
    EXPECT_EQ((std::array{pet.Hp, pet.Mp, pet.Damage, pet.Defense, pet.Speed, pet.Spirit}),
              (std::array{148, 81, 30, 24, 28, 34}));
}

TEST(LoadBeast, CanLoseEveryInnateSkill)
{
    TPet pet(CatalogueLines());
    ScriptedClock clock;
    for (int i = 0; i < 9; ++i)
        clock.Then(0, 0);  // aptitudes, growth and element: any value
    clock.Then(16, 15);    // isqrt(15) = 3: all three innate skills of 芙蓉仙子 go
    clock.FreeRunFrom(1);
    ASSERT_TRUE(pet.LoadBeast("芙蓉仙子"));
    EXPECT_TRUE(pet.Skills.empty());
    EXPECT_EQ(clock.sleeps, 3);
}

TEST(SkillLossCount, IsTheIntegerSquareRootOfOneDraw)
{
    TPet pet({});
    ScriptedClock clock;
    const struct {
        int32_t n;
        uint32_t r;
        int32_t count;
    } cases[] = {
        {4, 0, 0}, {4, 3, 1}, {4, 4, 2}, {4, 8, 2}, {4, 9, 3}, {4, 15, 3}, {4, 16, 4}, {4, 24, 4}, {1, 3, 1}, {0, 0, 0},
    };
    for (const auto& c : cases) {
        const uint32_t bound = static_cast<uint32_t>((c.n + 1) * (c.n + 1));
        clock.Then(bound, c.r);
        EXPECT_EQ(pet.SkillLossCount(c.n), c.count) << c.n << " " << c.r;
    }
    // Bounds that do not fit the generator are capped rather than wrapped.
    clock.ThenState(0xffffffffu);
    EXPECT_EQ(pet.SkillLossCount(1000000), 65535);
    clock.Then(0, 0);
    EXPECT_EQ(pet.SkillLossCount(-3), 0);
    EXPECT_EQ(clock.Pending(), 0u);
    EXPECT_EQ(clock.sleeps, 0);
}

TEST(RollPoints, RetriesUntilTheFifthShareFits)
{
    TPet pet({});
    ScriptedClock clock;
    // Fifth shares 25 and 0 are out of range; 1 is the lowest that fits.
    for (uint32_t share : {0u, 0u, 1u, 24u, 24u, 24u, 1u, 1u, 24u, 24u, 1u, 0u})
        clock.Then(25, share);
    pet.RollPoints(30);
    EXPECT_EQ(clock.Pending(), 0u);
    EXPECT_EQ((std::array{pet.Physique, pet.Magic, pet.Strength, pet.Endurance, pet.Agility}),
              (std::array{64, 64, 41, 40, 41}));
    EXPECT_EQ(pet.Potential, 150);
    EXPECT_EQ(clock.sleeps, 0);
}

TEST(RollAptitudes, ReductionBoundMatchesTheIntegerFormulaUpTo30000)
{
    TPet pet({});
    ScriptedClock clock;
    for (int32_t first = 0; first <= 30000; first += 7) {
        for (int k = 0; k < 7; ++k) {
            pet.TemplateAptitudes[k] = first + k;
            clock.ThenState(0xffffffffu);  // every draw yields bound - 1
        }
        pet.RollAptitudes();
        for (int k = 0; k < 7; ++k) {
            const int32_t t = first + k;
            const int32_t bound = (18 * t + 49) / 100;
            ASSERT_EQ(pet.Aptitudes[k], t - std::max(bound - 1, 0)) << t;
        }
    }
    // The catalogue's examples: 1210 down to 993, the lifespan 7425 (1336.5 rounds down) to 6090.
    pet.TemplateAptitudes = {1210, 1400, 7425, 0, 5, 3, 2};
    for (int k = 0; k < 7; ++k)
        clock.ThenState(0xffffffffu);
    pet.RollAptitudes();
    EXPECT_EQ(pet.Aptitudes, (std::array<int32_t, 7>{993, 1149, 6090, 0, 5, 3, 2}));
}

TEST(LoadBeast, InvariantsHoldForEveryTemplate)
{
    TPet pet(CatalogueLines());
    ScriptedClock clock;
    clock.FreeRunFrom(20261208);
    for (const std::string& line : CatalogueLines()) {
        const std::vector<std::string> fields = Split(line, ';');
        const std::vector<std::string> innate = Split(fields[9], ',');
        std::vector<std::string> fixed = Split(fields[10], ',');
        std::erase(fixed, std::string());
        std::vector<double> growths;
        for (const std::string& g : Split(fields[8], ',')) {
            double value = 0;
            ASSERT_TRUE(ParseDecimal(g, value));
            growths.push_back(value);
        }
        for (int roll = 0; roll < 300; ++roll) {
            const int sleepsBefore = clock.sleeps;
            ASSERT_TRUE(pet.LoadBeast(fields[0]));
            SCOPED_TRACE(line);
            EXPECT_EQ(clock.sleeps - sleepsBefore, static_cast<int>(innate.size() + fixed.size()));
            for (int k = 0; k < 7; ++k) {
                const int32_t t = pet.TemplateAptitudes[k];
                const int32_t b = (18 * t + 49) / 100;
                EXPECT_LE(pet.Aptitudes[k], t);
                EXPECT_GE(pet.Aptitudes[k], t - b + 1);
            }
            EXPECT_NE(std::find(growths.begin(), growths.end(), pet.Growth), growths.end());
            const std::vector<std::string> elements{"金", "木", "水", "火", "土"};
            EXPECT_NE(std::find(elements.begin(), elements.end(), pet.Element), elements.end());
            EXPECT_EQ(pet.Level, 0);
            EXPECT_EQ(pet.Potential, 0);
            for (int32_t points : {pet.Physique, pet.Magic, pet.Strength, pet.Endurance}) {
                EXPECT_GE(points, 10);
                EXPECT_LE(points, 34);
            }
            EXPECT_GE(pet.Agility, 11);
            EXPECT_LE(pet.Agility, 34);
            EXPECT_EQ(pet.Physique + pet.Magic + pet.Strength + pet.Endurance + pet.Agility, 100);

            // Every fixed skill once, the rest distinct innate skills.
            std::vector<std::string> rest = pet.Skills;
            for (const std::string& skill : fixed) {
                const auto at = std::find(rest.begin(), rest.end(), skill);
                ASSERT_NE(at, rest.end()) << skill;
                rest.erase(at);
            }
            for (const std::string& skill : rest)
                EXPECT_EQ(std::count(innate.begin(), innate.end(), skill), 1) << skill;
            std::sort(rest.begin(), rest.end());
            EXPECT_EQ(std::adjacent_find(rest.begin(), rest.end()), rest.end());
            EXPECT_TRUE(pet.CertifiedSkill.empty());

            TPet recomputed = pet;
            recomputed.ComputeAttributes(recomputed.Level);
            EXPECT_EQ(PetSnapshot(recomputed), PetSnapshot(pet));
        }
    }
}

TEST(LoadBeast, RefusesUnknownAndMalformedTemplatesWithoutChange)
{
    const std::string good = "好;1000;1000;1000;1000;1000;1000;1000;1.1,1.2;毒;";
    const std::vector<std::string> catalogue{
        good,
        "短;1000;1000;1000;1000;1000;1000;1000;1.1;毒",  // ten fields
        "字;1000;1000;abc;1000;1000;1000;1000;1.1;毒;",
        "大;1000;1000;1000;2147483648;1000;1000;1000;1.1;毒;",
        "负;1000;1000;1000;1000;-1;1000;1000;1.1;毒;",
        "空;1000;1000;1000;1000;1000;1000;;1.1;毒;",
        "成;1000;1000;1000;1000;1000;1000;1000;1.1,1.2x;毒;",
        "无;1000;1000;1000;1000;1000;1000;1000;;毒;",
        "白;1000;1000;1000;1000;1000;1000;1000; ;毒;",
        "缺;1000;1000;1000;1000;1000;1000;1000;1.1,;毒;",
        "非;1000;1000;1000;1000;1000;1000;1000;nan;毒;",
        "幂;1000;1000;1000;1000;1000;1000;1000;1e0;毒;",
        "十;1000;1000;1000;1000;1000;1000;0x10;1.1;毒;",
        "后;1000;1000;1000;1000;1000;1000;1000;1.1;毒;",
        "后;1000;1000;1000;1000;1000;1000;1000;1.1",  // the last line of a name counts
    };
    TPet pet(catalogue);
    ScriptedClock clock;
    clock.FreeRunFrom(7);
    ASSERT_TRUE(pet.LoadBeast("好"));
    pet.CertifiedSkill = "雷击";
    const auto before = PetSnapshot(pet);
    const int readsBefore = clock.counterReads;
    for (const char* name :
         {"坏", "", "好;", "短", "字", "大", "负", "空", "成", "无", "白", "缺", "非", "幂", "十", "后"}) {
        EXPECT_FALSE(pet.LoadBeast(name)) << name;
        EXPECT_EQ(PetSnapshot(pet), before) << name;
    }
    EXPECT_EQ(clock.counterReads, readsBefore);
}

TEST(RollSkills, StrayCommasGiveNoNamelessSkills)
{
    TPet pet({"逗;1;1;1;1;1;1;1;1.0;毒,,必杀,;,鬼魂术,;;"});
    ScriptedClock clock;
    clock.FreeRunFrom(3);
    for (int roll = 0; roll < 50; ++roll) {
        ASSERT_TRUE(pet.LoadBeast("逗"));
        EXPECT_EQ(std::count(pet.Skills.begin(), pet.Skills.end(), std::string()), 0);
        EXPECT_EQ(std::count(pet.Skills.begin(), pet.Skills.end(), "鬼魂术"), 1);
    }
}
