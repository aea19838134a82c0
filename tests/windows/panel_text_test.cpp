#include <gtest/gtest.h>

#include "SkillOracle.h"
#include "data/builtin_data.h"
#include "engine/pet.h"
#include "ui/model/PanelText.h"

TEST(PanelText, GrowthUsesGeneralFormatWithFifteenDigits)
{
    EXPECT_EQ(PanelText::Growth(1.2), "1.2");
    EXPECT_EQ(PanelText::Growth(1.25), "1.25");
    EXPECT_EQ(PanelText::Growth(1.217), "1.217");
    EXPECT_EQ(PanelText::Growth(1.0), "1");
    EXPECT_EQ(PanelText::Growth(0.1 + 0.2), "0.3");
}

TEST(PanelText, ValuesFollowLabelNumbers)
{
    TPet pet(CatalogueLines());
    pet.Aptitudes = {1, 2, 3, 4, 5, 6, 7};
    pet.Growth = 1.25;
    pet.Element = "水";
    pet.Name = "<b>x</b>";
    pet.Level = 9;
    pet.Physique = 11;
    pet.Magic = 12;
    pet.Strength = 13;
    pet.Endurance = 14;
    pet.Agility = 15;
    pet.Potential = 16;
    pet.Hp = 3456;
    pet.Mp = 78;
    pet.Damage = 21;
    pet.Defense = 22;
    pet.Speed = 23;
    pet.Spirit = -24;
    const std::vector<std::string> expected = {"1",  "2",         "3",     "4",  "5",  "6",  "7",  "1.25",
                                               "水", "<b>x</b>",  "9",     "11", "12", "13", "14", "15",
                                               "16", "3456/3456", "78/78", "21", "22", "23", "-24"};
    EXPECT_EQ(PanelText::Values(pet), expected);
}

TEST(PanelText, SlotsSkipUnknownSkillsAndFrameTakesSlotTwelve)
{
    const auto& lines = DescriptionLines();
    TPet pet(CatalogueLines());
    pet.Skills = {"夜战", "没有这个技能", "反击"};
    auto slots = PanelText::Slots(pet, lines);
    EXPECT_EQ(slots[0].Icon, 0);
    EXPECT_EQ(slots[0].Description, SkillDescription("夜战"));
    EXPECT_EQ(slots[1].Skill, "没有这个技能");  // keeps its slot, no icon
    EXPECT_EQ(slots[1].Icon, -1);
    EXPECT_EQ(slots[2].Icon, 1);
    EXPECT_TRUE(slots[3].Skill.empty());
    EXPECT_FALSE(slots[11].Certified);
    EXPECT_TRUE(PanelText::HiddenSkills(pet).empty());

    pet.Skills.assign(14, "夜战");
    pet.Skills[11] = "反击";
    pet.Skills[12] = "连击";
    pet.CertifiedSkill = "神佑复生";
    slots = PanelText::Slots(pet, lines);
    EXPECT_EQ(slots[11].Skill, "神佑复生");
    EXPECT_EQ(slots[11].Icon, 10);
    EXPECT_TRUE(slots[11].Certified);
    EXPECT_FALSE(slots[10].Certified);
}

TEST(PanelText, HiddenSkillsIncludeTheTwelfthUnderTheCertifiedSlot)
{
    TPet pet(CatalogueLines());
    pet.Skills.assign(12, "夜战");
    pet.Skills[11] = "反击";
    EXPECT_TRUE(PanelText::HiddenSkills(pet).empty());
    pet.CertifiedSkill = "泰山压顶";
    EXPECT_EQ(PanelText::HiddenSkills(pet), std::vector<std::string>{"反击"});
    pet.Skills.push_back("连击");
    EXPECT_EQ(PanelText::HiddenSkills(pet), (std::vector<std::string>{"反击", "连击"}));
    pet.CertifiedSkill.clear();
    EXPECT_EQ(PanelText::HiddenSkills(pet), std::vector<std::string>{"连击"});
    pet.Skills.resize(11);
    pet.CertifiedSkill = "泰山压顶";
    EXPECT_TRUE(PanelText::HiddenSkills(pet).empty());
}

TEST(PanelText, CaptionTooltipAndSlotNameShareOneLookup)
{
    const auto& lines = DescriptionLines();
    SkillEntry certified = PanelText::Skill(lines, "泰山压顶");
    certified.Certified = true;
    EXPECT_EQ(PanelText::Caption(certified), "认证技能：泰山压顶");
    EXPECT_EQ(PanelText::ToolTip(certified), "认证技能：泰山压顶\n" + SkillDescription("泰山压顶"));
    EXPECT_EQ(PanelText::SlotName(certified, 12), "认证技能：泰山压顶");

    const SkillEntry plain = PanelText::Skill(lines, "再生");
    EXPECT_EQ(PanelText::ToolTip(plain), "再生\n战斗中每回合自动恢复(自身等级/2)的气血");
    EXPECT_EQ(PanelText::SlotName(plain, 3), "再生");

    const SkillEntry empty;
    EXPECT_EQ(PanelText::ToolTip(empty), "");
    EXPECT_EQ(PanelText::SlotName(empty, 7), "空技能格7");
}

TEST(PanelText, IconAndPictureIndexMatchWholeNames)
{
    const auto& lines = DescriptionLines();
    EXPECT_EQ(PanelText::Skill(lines, "善恶有报").Icon, 80);
    EXPECT_EQ(PanelText::Skill(lines, "上古灵符").Icon, 79);
    EXPECT_EQ(PanelText::Skill(lines, "夜").Icon, -1);
    EXPECT_EQ(PanelText::Skill(lines, "夜").Description, "");
    EXPECT_EQ(PanelText::PictureIndex(CatalogueLines(), "古代瑞兽"), 0);
    EXPECT_EQ(PanelText::PictureIndex(CatalogueLines(), "芙蓉仙子"), 5);
    EXPECT_EQ(PanelText::PictureIndex(CatalogueLines(), "龙龟"), 23);
    EXPECT_EQ(PanelText::PictureIndex(CatalogueLines(), "芙蓉"), -1);
    EXPECT_EQ(PanelText::PictureIndex(CatalogueLines(), ""), -1);
}

TEST(DescriptionLine, SplitsAtTheFirstSemicolonOnly)
{
    EXPECT_EQ(LineKey("a;b;c"), "a");
    EXPECT_EQ(LineRest("a;b;c"), "b;c");
    EXPECT_EQ(LineKey("a;"), "a");
    EXPECT_EQ(LineRest("a;"), "");
    EXPECT_EQ(LineKey("abc"), "");  // no ";": no key, so no name finds it
    EXPECT_EQ(LineRest("abc"), "");
    const std::vector<std::string> lines = {"abc", ";x", "a;1", "a;2", "ab;3"};
    EXPECT_EQ(FindLine(lines, "a"), 2);
    EXPECT_EQ(FindLine(lines, "ab"), 4);
    EXPECT_EQ(FindLine(lines, "abc"), -1);
    EXPECT_EQ(FindLine(lines, ""), -1);
}
