#pragma once
// Which kept beasts the stable shows: an optional template, grade and skill
// held, and a least skill count. Empty fields and 0 let every beast through.

#include <string>

struct StableFilter {
    std::string templateName;
    std::string grade;  // "极品", "优秀", "普通" or "不评级"
    std::string skill;  // a whole skill name
    int minSkills = 0;

    // `skills` is the beast's skill names joined by "、" (the store's
    // column); the skill must be one of them, not a part of one.
    bool Accepts(const std::string& templateName, const std::string& grade, const std::string& skills,
                 int skillCount) const;
};
