#pragma once
// Two beasts side by side: the pinned one and the current one, row by row,
// with what differs marked: each aptitude's and the growth's difference
// (current minus pinned) and the skills only one of them has.

#include <string>
#include <vector>

class TPet;

struct CompareRow {
    enum class Mark { Same, Higher, Lower, OnlyPinned, OnlyCurrent, Differs };
    std::string caption;  // "攻击资质", "技能"
    std::string pinned;   // the pinned beast's value ("" when it lacks the skill)
    std::string current;  // the current beast's
    Mark mark = Mark::Same;
    std::string change;  // "+12", "−0.013", "仅钉住", "仅当前", "" when the same
    // "攻击资质：钉住 1200，当前 1188，少 12" for screen readers.
    std::string Spoken() const;
};

// Name, template, element, the seven aptitudes, growth, level, then the
// skills both have, the pinned one's only and the current one's only, each
// in its beast's order, and the certified skills.
std::vector<CompareRow> CompareBeasts(const TPet& pinned, const TPet& current);
