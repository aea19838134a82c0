#pragma once
// The main window's one-line status: what the last action did, in the
// record's own words, and the description of a book just marked.

#include <string>

struct BeastChange;

class StatusText {
public:
    // A book's number is the change's count of books used, this one
    // included; a roll's grade is the change's.
    //   Roll        "洗出 芙蓉仙子：优秀（同种前 4.12%：…）"
    //   Book        "第 7 本 法术波动：覆盖第 7 格的 烈火", "法术波动：已有此技能，未使用"
    //   RollSearch  "洗到满意：洗了 81 只，第 81 只满足条件：优秀（…）"
    //   NoBook      "请先选一本技能书"
    //   Certify     "认证 泰山压顶：第 2 格换为 冥思"
    //   Correction  "修正：等级 0→10，…"; Custom "完全DIY：…"
    static std::string For(const BeastChange& change);
    // "法术波动：<description>" for a book marked in a list.
    static std::string Book(const std::string& name, const std::string& description);
};
