// The share code: every field survives the round trip, and every bad code,
// however it is broken, gives a message and no beast.
#include <gtest/gtest.h>

#include <random>

#include "PetSnapshot.h"
#include "data/builtin_data.h"
#include "ui/model/BeastCode.h"
#include "ui/model/BeastCompare.h"
#include "ui/model/StableFilter.h"

namespace {

TPet Rolled(const std::string& name)
{
    TPet beast(CatalogueLines());
    EXPECT_TRUE(beast.LoadBeast(name));
    return beast;
}

// A beast with every field away from a fresh roll's.
TPet Unusual()
{
    TPet beast = Rolled("凤凰");
    beast.Name = "小凤 #1,2|3";
    beast.Level = 160;
    beast.Physique = 170;
    beast.Magic = 11;
    beast.Strength = 12;
    beast.Endurance = 13;
    beast.Agility = 14;
    beast.Potential = 800;
    beast.Aptitudes = {1, 2, 3, 4, 5, 6, 30000};
    beast.Growth = 1.2345678901234567;
    beast.Element = "土";
    beast.Skills = {"必杀", "连击", "高级神佑复生", "再生"};
    beast.CertifiedSkill = "";
    beast.ComputeAttributes(beast.Level);
    return beast;
}

std::string Recode(std::string code, std::size_t at, char with)
{
    code[at] = with;
    return code;
}

}  // namespace

TEST(BeastCode, EveryFieldSurvivesTheRoundTrip)
{
    for (const TPet& beast : {Rolled("芙蓉仙子"), Rolled("凤凰"), Unusual()}) {
        ASSERT_EQ(BeastCode::Problem(beast), "");
        const std::string code = BeastCode::Encode(beast);
        EXPECT_EQ(code.rfind("QA1-", 0), 0u);
        const BeastCode::Decoded decoded = BeastCode::Decode("  " + code + "\n", CatalogueLines());
        ASSERT_TRUE(decoded.beast) << decoded.error;
        EXPECT_EQ(PetSnapshot(*decoded.beast), PetSnapshot(beast));
    }
}

TEST(BeastCode, CertifiedBeastRoundTrips)
{
    TPet beast = Rolled("凤凰");
    beast.Skills = {"必杀"};
    beast.CertifiedSkill = "落岩";
    const auto decoded = BeastCode::Decode(BeastCode::Encode(beast), CatalogueLines());
    ASSERT_TRUE(decoded.beast) << decoded.error;
    EXPECT_EQ(decoded.beast->CertifiedSkill, "落岩");
}

TEST(BeastCode, ProblemsNameTheField)
{
    const struct {
        const char* why;
        void (*spoil)(TPet&);
        const char* says;
    } cases[] = {
        {"13 skills", [](TPet& b) { b.Skills.assign(13, "必杀"); }, "最多 12 个"},
        {"twice", [](TPet& b) { b.Skills = {"必杀", "必杀"}; }, "出现了两次"},
        {"unknown skill", [](TPet& b) { b.Skills = {"飞天"}; }, "没有叫“飞天”的技能"},
        {"certified no spell", [](TPet& b) { b.CertifiedSkill = "必杀"; }, "不是可认证的攻击法术"},
        {"certified in list", [](TPet& b) { b.Skills = {"落岩"}, b.CertifiedSkill = "落岩"; }, "同时在技能里"},
        {"aptitude", [](TPet& b) { b.Aptitudes[0] = 30001; }, "攻击资质 30001"},
        {"negative", [](TPet& b) { b.Aptitudes[6] = -1; }, "寿命 -1"},
        {"growth", [](TPet& b) { b.Growth = 11; }, "成长"},
        {"element", [](TPet& b) { b.Element = "风"; }, "五行"},
        {"level", [](TPet& b) { b.Level = 161; }, "等级 161"},
        {"points", [](TPet& b) { b.Agility = -3; }, "属性点"},
        {"name", [](TPet& b) { b.Name = "a\nb"; }, "名字"},
        {"template", [](TPet& b) { b.GrowthChoices = "9"; }, "种类"},
    };
    for (const auto& c : cases) {
        TPet beast = Rolled("凤凰");
        c.spoil(beast);
        EXPECT_NE(BeastCode::Problem(beast).find(c.says), std::string::npos) << c.why << ": " << BeastCode::Problem(beast);
    }
}

TEST(BeastCode, BadCodesSayWhatIsWrong)
{
    const std::string good = BeastCode::Encode(Rolled("凤凰"));
    const struct {
        std::string code;
        const char* says;
    } cases[] = {
        {"", "没有代码"},
        {"hello", "不是召唤兽代码"},
        {"QA9-abc-00000000", "版本"},
        {good.substr(0, good.size() - 3), "校验码"},
        {good.substr(0, 20) + good.substr(good.size() - 9), "校验不符"},
        {Recode(good, 10, good[10] == 'A' ? 'B' : 'A'), "校验不符"},
        {Recode(good, 10, '*'), "不该有的字符"},
    };
    for (const auto& c : cases) {
        const auto decoded = BeastCode::Decode(c.code, CatalogueLines());
        EXPECT_FALSE(decoded.beast) << c.code;
        EXPECT_NE(decoded.error.find(c.says), std::string::npos) << c.code << ": " << decoded.error;
    }
}

TEST(BeastCode, AWellFormedCodeOfABadBeastIsRefused)
{
    // The checksum is right, so only the rules stop it.
    TPet beast = Rolled("凤凰");
    beast.Skills.assign(13, "必杀");
    const auto decoded = BeastCode::Decode(BeastCode::Encode(beast), CatalogueLines());
    EXPECT_FALSE(decoded.beast);
    EXPECT_NE(decoded.error.find("最多 12 个"), std::string::npos);
}

// Random damage to good codes: never a crash, and either the exact beast
// back (a change the code does not carry, which cannot happen here) or an
// error with no beast.
TEST(BeastCode, FuzzedCodesNeverGiveAWrongBeast)
{
    std::mt19937 random(20261210);
    const TPet beast = Unusual();
    const std::string good = BeastCode::Encode(beast);
    int refused = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string code = good;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % code.size();
            switch (random() % 3) {
            case 0:
                code[at] = static_cast<char>(random() % 256);
                break;
            case 1:
                code.erase(at, 1 + random() % 8);
                break;
            default:
                code.insert(at, 1, static_cast<char>(random() % 256));
            }
            if (code.empty())
                code = "Q";
        }
        const auto decoded = BeastCode::Decode(code, CatalogueLines());
        if (decoded.beast) {
            EXPECT_EQ(PetSnapshot(*decoded.beast), PetSnapshot(beast)) << code;
        } else {
            ++refused;
            EXPECT_FALSE(decoded.error.empty());
        }
    }
    EXPECT_GT(refused, 19000);
}

TEST(BeastCode, Crc32OfTheStandardCheck)
{
    EXPECT_EQ(BeastCode::Crc32("123456789"), 0xCBF43926u);
}

TEST(StableFilter, MatchesWholeSkillNamesAndEveryField)
{
    const StableFilter any;
    EXPECT_TRUE(any.Accepts("凤凰", "极品", "", 0));
    StableFilter skill;
    skill.skill = "必杀";
    EXPECT_TRUE(skill.Accepts("凤凰", "普通", "连击、必杀", 2));
    EXPECT_FALSE(skill.Accepts("凤凰", "普通", "连击、高级必杀", 2));
    StableFilter all{"凤凰", "极品", "连击", 2};
    EXPECT_TRUE(all.Accepts("凤凰", "极品", "连击、必杀", 2));
    EXPECT_FALSE(all.Accepts("蛟龙", "极品", "连击、必杀", 2));
    EXPECT_FALSE(all.Accepts("凤凰", "优秀", "连击、必杀", 2));
    EXPECT_FALSE(all.Accepts("凤凰", "极品", "连击", 1));
}

TEST(BeastCompare, MarksDifferencesAndOneSidedSkills)
{
    TPet pinned = Rolled("凤凰");
    TPet current = pinned;
    pinned.Skills = {"必杀", "连击"};
    current.Skills = {"连击", "偷袭"};
    current.Aptitudes[0] = pinned.Aptitudes[0] + 12;
    current.Aptitudes[1] = pinned.Aptitudes[1] - 5;
    const auto rows = CompareBeasts(pinned, current);
    const auto find = [&](const std::string& caption, const std::string& value) {
        for (const CompareRow& row : rows)
            if (row.caption == caption && (row.pinned == value || row.current == value))
                return row;
        ADD_FAILURE() << caption << " " << value;
        return CompareRow{};
    };
    EXPECT_EQ(find("攻击资质", std::to_string(pinned.Aptitudes[0])).change, "+12");
    EXPECT_EQ(find("防御资质", std::to_string(pinned.Aptitudes[1])).change, "−5");
    EXPECT_NE(find("防御资质", std::to_string(pinned.Aptitudes[1])).Spoken().find("少 5"), std::string::npos);
    EXPECT_EQ(find("技能", "必杀").mark, CompareRow::Mark::OnlyPinned);
    EXPECT_EQ(find("技能", "偷袭").mark, CompareRow::Mark::OnlyCurrent);
    EXPECT_EQ(find("技能", "连击").mark, CompareRow::Mark::Same);
    EXPECT_EQ(find("成长", CompareBeasts(pinned, pinned)[10].pinned).mark, CompareRow::Mark::Same);
}
