#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/pet.h"
#include "ui/model/BeastChange.h"
#include "ui/model/PictureFile.h"
#include "ui/model/RecordText.h"
#include "ui/model/ShareCard.h"
#include "ui/model/SlotMark.h"
#include "ui/model/StatusText.h"

namespace {
using Names = std::vector<std::string>;

BeastChange BookChange(const std::string& book, Names before, Names after, const std::string& certified = "")
{
    BeastChange change;
    change.kind = BeastChange::Kind::Book;
    change.name = book;
    change.before.Skills = std::move(before);
    change.after.Skills = std::move(after);
    change.before.CertifiedSkill = change.after.CertifiedSkill = certified;
    change.outcome = RecordText::Classify(book, change.before, change.after);
    return change;
}

Names Many(std::size_t n)
{
    Names names;
    for (std::size_t i = 0; i < n; ++i)
        names.push_back("技能" + std::to_string(i));
    return names;
}
}  // namespace

TEST(SlotMark, BooksMarkTheirSlotAndNothingElseDoes)
{
    const SlotMark added = SlotMark::For(BookChange("感知", {"夜战", "毒"}, {"夜战", "感知", "毒"}));
    EXPECT_EQ(added.kind, SlotMark::Kind::New);
    EXPECT_EQ(added.slot, 1);
    EXPECT_EQ(added.Sign(), "新");
    EXPECT_EQ(added.Description(), "第 2 格新增");

    const SlotMark swapped = SlotMark::For(BookChange("感知", {"夜战", "毒"}, {"夜战", "感知"}));
    EXPECT_EQ(swapped.kind, SlotMark::Kind::Swapped);
    EXPECT_EQ(swapped.slot, 1);
    EXPECT_EQ(swapped.Sign(), "换");

    const SlotMark refused = SlotMark::For(BookChange("毒", {"夜战", "毒"}, {"夜战", "毒"}));
    EXPECT_EQ(refused.kind, SlotMark::Kind::None);
    EXPECT_EQ(refused.slot, -1);
    EXPECT_EQ(refused.Sign(), "");

    BeastChange roll;
    roll.kind = BeastChange::Kind::Roll;
    EXPECT_EQ(SlotMark::For(roll).kind, SlotMark::Kind::None);
    BeastChange none;
    none.kind = BeastChange::Kind::NoBook;
    EXPECT_EQ(SlotMark::For(none).kind, SlotMark::Kind::None);
}

TEST(SlotMark, CertificationMarksTheCertifiedSlot)
{
    BeastChange change;
    change.kind = BeastChange::Kind::Certify;
    change.name = "泰山压顶";
    change.before.Skills = {"泰山压顶", "毒"};
    change.after.Skills = {"冥思", "毒"};
    change.after.CertifiedSkill = "泰山压顶";
    const SlotMark mark = SlotMark::For(change);
    EXPECT_EQ(mark.kind, SlotMark::Kind::Certified);
    EXPECT_EQ(mark.slot, 11);
    EXPECT_EQ(mark.Sign(), "认");
}

TEST(SlotMark, SlotsThePanelDoesNotShowAreNotMarked)
{
    Names twelve = Many(12);
    Names thirteen = twelve;
    thirteen.push_back("感知");
    EXPECT_EQ(SlotMark::For(BookChange("感知", twelve, thirteen)).kind, SlotMark::Kind::None);
    // The twelfth skill lies under the certified slot.
    Names eleven = Many(11);
    Names withTwelfth = eleven;
    withTwelfth.push_back("感知");
    EXPECT_EQ(SlotMark::For(BookChange("感知", eleven, withTwelfth, "雷击")).kind, SlotMark::Kind::None);
    EXPECT_EQ(SlotMark::For(BookChange("感知", eleven, withTwelfth)).kind, SlotMark::Kind::New);
}

TEST(StatusText, SaysWhatEachKindOfActionDid)
{
    Names overwritten = Many(7);
    overwritten[6] = "法术波动";
    BeastChange book = BookChange("法术波动", Many(7), overwritten);
    book.counters.BooksUsed = 7;  // the book's number comes from the change's counters
    EXPECT_EQ(StatusText::For(book), "第 7 本 法术波动：覆盖第 7 格的 技能6");
    EXPECT_EQ(StatusText::For(BookChange("法术波动", {"法术波动"}, {"法术波动"})), "法术波动：已有此技能，未使用");
    BeastChange none;
    none.kind = BeastChange::Kind::NoBook;
    EXPECT_EQ(StatusText::For(none), "请先选一本技能书");
    EXPECT_EQ(StatusText::Book("感知", "可以发现隐身单位"), "感知：可以发现隐身单位");

    BeastChange roll;
    roll.kind = BeastChange::Kind::Roll;
    roll.after.Name = "甲";  // no template: out of range, not graded
    EXPECT_EQ(StatusText::For(roll), "洗出 甲：超出本种范围，不评级");
}

TEST(StatusText, CertificationAndBothCommitsUseTheRecordsWords)
{
    BeastChange certify;
    certify.kind = BeastChange::Kind::Certify;
    certify.name = "泰山压顶";
    certify.before.Skills = {"泰山压顶", "毒"};
    certify.after.Skills = {"冥思", "毒"};
    certify.after.CertifiedSkill = "泰山压顶";
    EXPECT_EQ(StatusText::For(certify), "认证 泰山压顶：第 1 格换为 冥思");

    BeastChange correction;
    correction.kind = BeastChange::Kind::Correction;
    correction.after.Level = 10;
    EXPECT_EQ(StatusText::For(correction), "修正：等级 0→10");

    BeastChange custom;
    custom.kind = BeastChange::Kind::Custom;
    custom.after.Element = "金";
    EXPECT_EQ(StatusText::For(custom), "完全DIY：五行已改");
}

TEST(ShareCard, NamesTheGradeAndEverySkillTheIconsCannot)
{
    TPet pet({});
    pet.Name = "芙蓉仙子";
    pet.TemplateAptitudes = {10, 20, 30, 15, 12, 25, 40};
    pet.GrowthChoices = "1.0,1.2";
    pet.Aptitudes = pet.TemplateAptitudes;
    pet.Growth = 1.2;
    pet.Skills = Many(13);
    pet.CertifiedSkill = "雷击";
    const RollGrade::Result grade = RollGrade::Of(pet);
    ASSERT_TRUE(grade.Valid);
    const auto lines = ShareCard::Lines(pet, grade);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "芙蓉仙子　鉴定 " + RollGrade::Summary(grade));
    EXPECT_EQ(lines[0].rfind("芙蓉仙子　鉴定 极品：胜过 ", 0), 0u);
    EXPECT_EQ(lines[1],
              "技能（13）：技能0、技能1、技能2、技能3、技能4、技能5、技能6、技能7、技能8、技能9、技能10、"
              "技能11、技能12");
    EXPECT_EQ(lines[2], "认证技能：雷击");

    pet.Skills.clear();
    pet.CertifiedSkill.clear();
    EXPECT_EQ(ShareCard::Lines(pet, RollGrade::Result{}), (Names{"芙蓉仙子　鉴定 不评级", "技能：无"}));
}

TEST(PictureFile, NamesSuffixesAndFullDisks)
{
    EXPECT_EQ(PictureFile::DefaultName("芙蓉仙子", "优秀", "20261210-071530"), "芙蓉仙子-优秀-20261210-071530.png");
    EXPECT_EQ(PictureFile::DefaultName("a/b:c*?\"<>|\\\t", "不评级", "1"), "a_b_c________-不评级-1.png");
    EXPECT_EQ(PictureFile::WithPngSuffix("/tmp/卡片"), "/tmp/卡片.png");
    EXPECT_EQ(PictureFile::WithPngSuffix("/tmp/卡片.PNG"), "/tmp/卡片.PNG");
    EXPECT_EQ(PictureFile::WithPngSuffix("/tmp/卡片.jpg"), "/tmp/卡片.jpg.png");
    EXPECT_EQ(PictureFile::WithPngSuffix("png"), "png.png");
    EXPECT_EQ(PictureFile::Failure(200000, 3000, "No space left on device"),
              "磁盘空间不足：图片需要 196 KB，这里只剩 3 KB。");
    EXPECT_EQ(PictureFile::Failure(200000, 1 << 30, "Permission denied"), "Permission denied");
    EXPECT_EQ(PictureFile::Failure(1, 2, ""), "无法写入图片文件。");
}
