#include <gtest/gtest.h>

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
    pet.Physique = 11; pet.Magic = 12; pet.Strength = 13; pet.Endurance = 14; pet.Agility = 15; pet.Potential = 16;
    pet.Hp = 3456; pet.Mp = 78; pet.Damage = 21; pet.Defense = 22; pet.Speed = 23; pet.Spirit = -24;
    const std::vector<std::string> expected = {"1", "2", "3", "4", "5", "6", "7", "1.25", "水", "<b>x</b>", "9",
                                               "11", "12", "13", "14", "15", "16", "3456/3456", "78/78",
                                               "21", "22", "23", "-24"};
    EXPECT_EQ(PanelText::Values(pet), expected);
}

TEST(PanelText, SlotsSkipUnknownSkillsAndFrameTakesSlotTwelve)
{
    const auto& lines = DescriptionLines();
    ASSERT_GE(lines.size(), 88u);
    TPet pet(CatalogueLines());
    pet.Skills = {"夜战", "没有这个技能", "反击"};
    auto icons = PanelText::SlotIcons(pet, lines);
    EXPECT_EQ(icons[0], PanelText::IconIndex(lines, "夜战"));
    EXPECT_EQ(icons[1], -1);
    EXPECT_EQ(icons[2], PanelText::IconIndex(lines, "反击"));
    EXPECT_EQ(icons[3], -1);
    EXPECT_EQ(icons[11], -1);

    pet.Skills.assign(14, "夜战");
    pet.Skills[11] = "反击";
    pet.Skills[12] = "连击";
    pet.CertifiedSkill = "神佑复生";
    icons = PanelText::SlotIcons(pet, lines);
    EXPECT_EQ(icons[11], PanelText::IconIndex(lines, "神佑复生"));
    EXPECT_EQ(PanelText::HiddenSkills(pet), (std::vector<std::string>{"连击", "夜战"}));
}

TEST(PanelText, IconAndPictureIndexMatchWholeNames)
{
    const auto& lines = DescriptionLines();
    EXPECT_EQ(PanelText::IconIndex(lines, "善恶有报"), 80);
    EXPECT_EQ(PanelText::IconIndex(lines, "上古灵符"), 79);
    EXPECT_EQ(PanelText::IconIndex(lines, "夜"), -1);
    EXPECT_EQ(PanelText::PictureIndex(CatalogueLines(), "芙蓉仙子"),
              PanelText::PictureIndex(CatalogueLines(), std::string("芙蓉仙子")));
    EXPECT_GE(PanelText::PictureIndex(CatalogueLines(), "芙蓉仙子"), 0);
    EXPECT_EQ(PanelText::PictureIndex(CatalogueLines(), "芙蓉"), -1);
}
