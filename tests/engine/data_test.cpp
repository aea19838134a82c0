#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "SkillOracle.h"
#include "data/builtin_data.h"
#include "engine/pet.h"

namespace {

std::string Key(const std::string& line)
{
    return std::string(LineKey(line));
}

std::vector<std::string> SkillNamesOf(const std::string& field)
{
    std::vector<std::string> names;
    TPet::SplitText(field, ',', names);
    return names;
}

}  // namespace

TEST(BuiltinData, CatalogueHasTwentyFourWellFormedLines)
{
    const auto& lines = CatalogueLines();
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines.front(),
              "古代瑞兽;1210;1260;3600;2504;1380;1200;8938;1.127,1.138,1.15,1.161,1.173;"
              "泰山压顶,高级驱鬼,高级反震,高级神迹;");
    EXPECT_EQ(lines[11],
              "吸血鬼;1440;1320;3600;2400;1320;1800;7740;1.205,1.217,1.23,1.242,1.254;"
              "偷袭,夜战,吸血;鬼魂术,弱点水");
    EXPECT_EQ(lines.back(),
              "龙龟;1440;1560;5760;3000;1200;1500;7425;1.205,1.217,1.25,1.252,1.275;"
              "水攻,水属性吸收,反震,高级防御,法术防御;");
    std::set<std::string> names;
    for (const std::string& line : lines) {
        std::vector<std::string> fields;
        TPet::SplitText(line, ';', fields);
        const bool yeLuoCha = Key(line) == "夜罗刹";
        EXPECT_EQ(fields.size(), yeLuoCha ? 12u : 11u) << line;
        if (yeLuoCha) {
            EXPECT_TRUE(line.ends_with(";;"));
        }
        EXPECT_EQ(SkillNamesOf(fields[8]).size(), 5u) << line;
        names.insert(fields[0]);
    }
    EXPECT_EQ(names.size(), 24u);
}

TEST(BuiltinData, DescriptionsFollowTheVocabulary)
{
    const auto& lines = DescriptionLines();
    ASSERT_EQ(lines.size(), 88u);
    for (const char* sample : {"夜战;具备夜战能力，不受夜间攻防能力下降的影响",
                               "反击;受到物理攻击时有30%几率自动反击，反击伤害为正常伤害的50%",
                               "再生;战斗中每回合自动恢复(自身等级/2)的气血", "迟钝;天生行动缓慢，速度效果会降低20%",
                               "弱点雷;弱点为雷，受到雷属性法术攻击时伤害增加50%"})
        EXPECT_NE(std::find(lines.begin(), lines.end(), sample), lines.end()) << sample;

    std::set<std::string> names;
    for (const std::string& line : lines) {
        ASSERT_NE(line.find(';'), std::string::npos) << line;
        EXPECT_FALSE(SkillDescription(Key(line)).empty()) << line;
        names.insert(Key(line));
    }
    EXPECT_EQ(names.size(), 88u);

    EXPECT_EQ(SkillIndex("夜战"), 0);
    EXPECT_EQ(SkillIndex("火属性吸收"), 34);
    EXPECT_EQ(SkillIndex("高级夜战"), 35);
    EXPECT_EQ(SkillIndex("高级火属性吸收"), 69);
    EXPECT_EQ(SkillIndex("法术暴击"), 70);
    EXPECT_EQ(SkillIndex("高级法术爆击"), 71);
    EXPECT_EQ(SkillIndex("上古灵符"), 79);
    EXPECT_EQ(SkillIndex("善恶有报"), 80);
    EXPECT_EQ(SkillIndex("弱点火"), 87);
    EXPECT_EQ(SkillIndex("高级法术暴击"), -1);
    EXPECT_EQ(SkillIndex(""), -1);
    EXPECT_EQ(SkillIndex("夜战;"), -1);
    EXPECT_EQ(SkillDescription("再生"), "战斗中每回合自动恢复(自身等级/2)的气血");
    EXPECT_EQ(SkillDescription("不存在"), "");
}

TEST(BuiltinData, EveryCatalogueAndTableSkillHasADescription)
{
    for (const std::string& line : CatalogueLines()) {
        std::vector<std::string> fields;
        TPet::SplitText(line, ';', fields);
        for (std::size_t f : {9u, 10u})
            for (const std::string& skill : SkillNamesOf(fields[f]))
                EXPECT_GE(SkillIndex(skill), 0) << skill << " in " << line;
    }
    std::vector<std::string> table;
    for (auto fill : {&TPet::CertifiableSet, &TPet::CertifyReplacements, &TPet::CertifyFallbacks}) {
        fill(table);
        for (const std::string& skill : table)
            EXPECT_GE(SkillIndex(skill), 0) << skill;
    }
}

TEST(BuiltinData, BookListsCoverTheVocabularyInOrder)
{
    const auto& lists = BookLists();
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0].Title, "低级技能 ");
    EXPECT_EQ(lists[1].Title, "高级技能");
    EXPECT_EQ(lists[2].Title, "其他技能");
    ASSERT_EQ(lists[0].Items.size(), 35u);
    ASSERT_EQ(lists[1].Items.size(), 35u);
    ASSERT_EQ(lists[2].Items.size(), 18u);
    EXPECT_EQ(lists[2].Items[9], "善恶有报");
    EXPECT_EQ(lists[2].Items[10], "上古灵符");

    int index = 0;
    for (const BookList& list : lists) {
        for (const std::string& item : list.Items) {
            // Only the two swapped items of the third list leave vocabulary order.
            const int expected = index == 79 ? 80 : index == 80 ? 79 : index;
            EXPECT_EQ(SkillIndex(item), expected) << item;
            ++index;
        }
    }
}

TEST(BuiltinData, PickerPagesCoverEveryTemplateOnce)
{
    const auto& pages = BeastPickerPages();
    ASSERT_EQ(pages.size(), 8u);
    const std::vector<std::string> captions{"65以下", "75", "85", "95", "105", "125", "125飞升", "135以上"};
    std::vector<std::string> beasts;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        EXPECT_EQ(pages[i].Caption, captions[i]);
        EXPECT_GE(pages[i].Beasts.size(), 2u);
        EXPECT_LE(pages[i].Beasts.size(), 4u);
        beasts.insert(beasts.end(), pages[i].Beasts.begin(), pages[i].Beasts.end());
    }
    std::vector<std::string> catalogue;
    for (const std::string& line : CatalogueLines())
        catalogue.push_back(Key(line));
    // Catalogue order except for the two pairs that the pages swap.
    std::vector<std::string> expected = catalogue;
    std::swap(expected[11], expected[12]);  // 幽灵 before 吸血鬼
    std::swap(expected[19], expected[20]);  // 大力金刚 before 夜罗刹
    EXPECT_EQ(beasts, expected);
    EXPECT_EQ(pages[3].Beasts[2], "幽灵");
    EXPECT_EQ(pages[6].Beasts[0], "大力金刚");
}
