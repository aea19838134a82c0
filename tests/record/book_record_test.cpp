#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptedClock.h"
#include "engine/pet.h"
#include "ui/model/BookRecord.h"
#include "ui/model/RecordText.h"

namespace {

using Names = std::vector<std::string>;
using Counters = BookRecord::BeastCounters;

TPet Beast(const Names& skills, const std::string& certified = "")
{
    TPet pet({});
    pet.Name = "芙蓉仙子";
    pet.Aptitudes = {1399, 1400, 4500, 2600, 1350, 1420, 7000};
    pet.Growth = 1.205;
    pet.Element = "火";
    pet.Skills = skills;
    pet.CertifiedSkill = certified;
    return pet;
}

// Hits `book` on `pet` through the engine and notes it.
void Hit(BookRecord& record, TPet& pet, const std::string& book)
{
    const TPet before = pet;
    pet.HitBook(book);
    record.NoteBook(book, RecordText::Classify(book, before, pet), pet);
}

}  // namespace

TEST(BookRecord, OpensWithTheRunsFirstRoll)
{
    BookRecord record;
    TPet pet = Beast({"高级再生", "高级幸运"});
    EXPECT_EQ(record.LinesWritten(), 0u);
    record.NoteRoll(pet);
    Hit(record, pet, "高级再生");
    ASSERT_EQ(record.Lines().size(), 3u);
    EXPECT_EQ(record.Lines()[0], "—— 第 1 只 芙蓉仙子 ——");
    EXPECT_EQ(record.Lines()[1],
              "洗出 芙蓉仙子：攻击资质 1399，防御资质 1400，体力资质 4500，法力资质 2600，"
              "速度资质 1350，躲闪资质 1420，寿命 7000，成长 1.205，五行 火，技能 高级再生、高级幸运；"
              "鉴定 超出本种范围，不评级");
    EXPECT_EQ(record.Lines()[2], "高级再生：已有此技能，未使用");
    EXPECT_EQ(record.Run().BeastsRolled, 1);
    EXPECT_EQ(record.LinesWritten(), 3u);
}

TEST(BookRecord, BooksAreDescribedAndCountedFromTheSkillListsAroundThem)
{
    ScriptedClock clock;
    BookRecord record;
    TPet pet = Beast({"夜战", "感知", "必杀"});
    record.NoteRoll(pet);

    clock.Then(16, 0).Then(4, 1);  // new slot, inserted before the second skill
    Hit(record, pet, "高级必杀");
    EXPECT_EQ(record.Lines().back(), "第 1 本 高级必杀：新增第 2 格");
    clock.Then(25, 7).Then(4, 2);  // overwrites the third slot
    Hit(record, pet, "毒");
    EXPECT_EQ(record.Lines().back(), "第 2 本 毒：覆盖第 3 格的 感知");
    clock.Then(25, 0).Then(5, 4);  // new slot at the end
    Hit(record, pet, "偷袭");
    EXPECT_EQ(record.Lines().back(), "第 3 本 偷袭：新增第 5 格");
    EXPECT_EQ(pet.Skills, (Names{"夜战", "高级必杀", "毒", "必杀", "偷袭"}));

    Hit(record, pet, "毒");
    EXPECT_EQ(record.Lines().back(), "毒：已有此技能，未使用");
    pet.CertifiedSkill = "泰山压顶";
    Hit(record, pet, "泰山压顶");
    EXPECT_EQ(record.Lines().back(), "泰山压顶：已有此技能（已认证），未使用");
    EXPECT_EQ(clock.Pending(), 0u);

    EXPECT_EQ(record.Beast(), (Counters{3, 2, 1, 2}));
    EXPECT_EQ(record.Run().BooksUsed, 3);
    EXPECT_EQ(record.Skills(), pet.Skills);
    EXPECT_EQ(record.CounterLines()[1], "已用 3 本：新增 2 格，覆盖 1 次");
    EXPECT_EQ(record.CounterLines()[2], "已有此技能而未使用：2 本");
}

TEST(BookRecord, ANewRollStartsASectionAndResetsOnlyTheBeastCounters)
{
    ScriptedClock clock;
    BookRecord record;
    TPet pet = Beast({"夜战"});
    record.NoteRoll(pet);
    clock.Then(4, 1).Then(1, 0);
    Hit(record, pet, "毒");

    TPet next = Beast({});
    next.Name = "古代瑞兽";
    record.NoteRoll(next);
    EXPECT_EQ(record.Lines()[record.Lines().size() - 2], "—— 第 2 只 古代瑞兽 ——");
    EXPECT_EQ(record.Lines().back().rfind("洗出 古代瑞兽：", 0), 0u);
    EXPECT_NE(record.Lines().back().find("技能 无"), std::string::npos);
    EXPECT_EQ(record.Beast(), Counters{});
    EXPECT_EQ(record.Run(), (BookRecord::RunCounters{2, 1}));
    EXPECT_EQ(record.Name(), "古代瑞兽");
    EXPECT_EQ(record.CounterLines()[0], "第 2 只 古代瑞兽，0 个技能");
    EXPECT_EQ(record.CounterLines()[3], "本次打开以来：洗了 2 只，共打 1 本");
}

TEST(BookRecord, CertificationNamesEachSlotAndItsReplacement)
{
    ScriptedClock clock;
    const struct {
        const char* name;
        Names skills;
        std::vector<std::pair<uint32_t, uint32_t>> draws;
        std::string line;
    } cases[] = {
        {"replacement", {"泰山压顶", "再生"}, {{2, 0}}, "认证 泰山压顶：第 1 格换为 冥思"},
        {"fallback",
         {"再生", "冥思", "慧根", "地狱烈火"},
         {{9, 6}},
         "认证 地狱烈火：第 4 格换为 弱点水（再生、冥思、慧根都已有）"},
        {"twice", {"雷击", "毒", "雷击"}, {{3, 0}, {2, 1}}, "认证 雷击：第 1 格换为 再生，第 3 格换为 慧根"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        BookRecord record;
        TPet pet = Beast(c.skills);
        record.NoteRoll(pet);
        for (const auto& [n, v] : c.draws)
            clock.Then(n, v);
        const std::string skill = c.line.substr(std::string("认证 ").size(), c.line.find("：") - 7);
        const TPet before = pet;
        ASSERT_TRUE(pet.Certify(skill));
        record.NoteCertify(skill, before, pet);
        EXPECT_EQ(record.Lines().back(), c.line);
        EXPECT_EQ(record.CertifiedSkill(), skill);
        EXPECT_EQ(record.Beast(), Counters{});  // no book was used
    }
    EXPECT_EQ(clock.Pending(), 0u);
}

TEST(BookRecord, CorrectionsListEveryChangedFieldAndCustomCommitsTheGroups)
{
    const TPet before = Beast({"夜战"});
    TPet after = before;
    EXPECT_EQ(RecordText::CorrectionLine(before, after), "修正：无变化");
    EXPECT_EQ(RecordText::CustomLine(before, after), "完全DIY：无变化");

    after.Name = "<b>小白</b>";
    after.Level = 10;
    after.Physique = 40;
    after.Potential = 50;
    after.Hp = 1234;
    EXPECT_EQ(RecordText::CorrectionLine(before, after),
              "修正：名称 芙蓉仙子→<b>小白</b>，等级 0→10，体质 0→40，潜能 0→50，气血 0→1234");

    TPet custom = before;
    custom.Aptitudes[0] = 1500;
    custom.Growth = 1.3;
    custom.Element = "风";
    custom.Skills = {"夜战", "必杀"};
    EXPECT_EQ(RecordText::CustomLine(before, custom), "完全DIY：资质、成长、五行、技能已改；技能 夜战、必杀");
    custom = before;
    custom.Aptitudes[6] = 9000;
    custom.CertifiedSkill = "雷击";
    EXPECT_EQ(RecordText::CustomLine(before, custom), "完全DIY：寿命、认证技能已改；认证技能 雷击");

    BookRecord record;
    record.NoteRoll(before);
    record.NoteCustom(before, custom);
    EXPECT_EQ(record.CertifiedSkill(), "雷击");
    EXPECT_EQ(record.Lines().size(), 3u);
}

TEST(BookRecord, ACorrectionOfEveryFieldNamesEveryClauseInOrder)
{
    const TPet before = Beast({"夜战"});
    TPet after = before;
    after.Name = "小白";
    int value = 1;
    for (int32_t TPet::*field :
         {&TPet::Level, &TPet::Physique, &TPet::Magic, &TPet::Strength, &TPet::Endurance, &TPet::Agility,
          &TPet::Potential, &TPet::Hp, &TPet::Mp, &TPet::Damage, &TPet::Defense, &TPet::Speed, &TPet::Spirit})
        after.*field = before.*field + value++;
    EXPECT_EQ(RecordText::CorrectionLine(before, after),
              "修正：名称 芙蓉仙子→小白，等级 0→1，体质 0→2，法力 0→3，力量 0→4，耐力 0→5，敏捷 0→6，潜能 0→7，"
              "气血 0→8，魔法 0→9，攻击 0→10，防御 0→11，速度 0→12，灵力 0→13");
    // Each field alone is named alone.
    after = before;
    after.Spirit = 77;
    EXPECT_EQ(RecordText::CorrectionLine(before, after), "修正：灵力 0→77");
}

TEST(BookRecord, KeepsTheNewestThousandLinesAndEveryCount)
{
    BookRecord record;
    TPet pet = Beast({"夜战"});
    record.NoteRoll(pet);
    for (int i = 0; i < 1200; ++i)
        Hit(record, pet, "夜战");
    EXPECT_EQ(record.Lines().size(), BookRecord::MaxLines);
    EXPECT_EQ(record.LinesWritten(), 1202u);
    EXPECT_EQ(record.Lines().front(), "夜战：已有此技能，未使用");
    EXPECT_EQ(record.Beast().Refused, 1200);
    EXPECT_EQ(record.Run().BeastsRolled, 1);
}

TEST(RecordText, AChangeThatIsNoSingleInsertOrOverwriteIsStillNamed)
{
    const TPet before = Beast({"夜战", "毒"});
    TPet after = Beast({"毒", "夜战", "必杀"});
    const BookOutcome outcome = RecordText::Classify("必杀", before, after);
    EXPECT_EQ(outcome.kind, BookOutcome::Kind::Other);
    EXPECT_EQ(RecordText::BookLine(4, "必杀", outcome), "第 4 本 必杀：技能已改");
}
