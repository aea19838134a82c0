#pragma once
// The wording of the book record: one line per action, worked out by
// comparing the beast before and after it. Nothing here changes a beast.
//
// Names are copied into the lines exactly as stored; the lines are plain
// text and mean nothing as markup.

#include <cstddef>
#include <string>
#include <vector>

class TPet;

// What one book did to the skill list.
struct BookOutcome {
    enum class Kind {
        Refused,      // the beast held it (or held it certified): nothing changed
        Inserted,     // a new slot at `slot`
        Overwritten,  // `slot` now holds the book; `lost` stood there
        Other,        // a change that fits neither (the list was edited otherwise)
    };
    Kind kind = Kind::Other;
    std::size_t slot = 0;  // counted from 0
    std::string lost;
    bool certified = false;  // refused because it is the certified skill
};

class RecordText {
public:
    // Compares the skill lists (and the certified skill) around one book.
    static BookOutcome Classify(const std::string& book, const TPet& before, const TPet& after);

    // Names joined with "、"; "无" for none.
    static std::string SkillList(const std::vector<std::string>& skills);

    // "—— 第 3 只 芙蓉仙子 ——": the head of a new beast's section.
    static std::string SectionLine(int beastNumber, const std::string& name);
    // "洗出 芙蓉仙子：攻击资质 1399，…，成长 1.205，五行 火，技能 高级再生、高级幸运；
    // 鉴定 优秀（…）", the grade being RollGrade::Summary.
    static std::string RollLine(const TPet& beast);
    // "第 12 本 高级必杀：覆盖第 3 格的 夜战", "第 13 本 感知：新增第 6 格",
    // "感知：已有此技能，未使用". `count` is the beast's books used including
    // this one; a refused book has no number.
    static std::string BookLine(int count, const std::string& book, const BookOutcome& outcome);
    // "认证 泰山压顶：第 2 格换为 冥思", one clause per slot that held it.
    static std::string CertifyLine(const std::string& skill, const TPet& before, const TPet& after);
    // "修正：等级 0→10，体质 30→40，…": every shown field that changed.
    static std::string CorrectionLine(const TPet& before, const TPet& after);
    // "完全DIY：资质、成长、五行、技能已改；技能 …".
    static std::string CustomLine(const TPet& before, const TPet& after);
};
