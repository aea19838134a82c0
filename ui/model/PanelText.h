#pragma once
// What the beast panel shows for a beast, worked out without any window.

#include <array>
#include <string>
#include <vector>

class TPet;

// One skill as the windows show it: found once in the description lines,
// everything else (icon, tooltip, accessible name) follows from it.
struct SkillEntry {
    std::string Skill;        // empty: nothing to show
    int Icon = -1;            // index of the skill's description line, -1 when none names it
    std::string Description;  // text after the ";" of that line, empty when none
    bool Certified = false;   // the certified skill in slot 12, drawn framed
};

class PanelText {
public:
    static constexpr int SlotCount = 12;

    // Integers in decimal without grouping.
    static std::string Integer(long long value);
    // General format, at most 15 significant digits, "." as decimal point.
    static std::string Growth(double value);
    // The panel always shows a beast at full health: "v/v".
    static std::string Full(int value);

    // The 23 value texts, Label1 .. Label23 in that order.
    static std::vector<std::string> Values(const TPet& pet);

    // `skill` looked up in `descriptions` (one scan, first exact match).
    static SkillEntry Skill(const std::vector<std::string>& descriptions, const std::string& skill);
    // The 12 slots in reading order: the first 12 skills, slot 12 taken by the
    // certified skill when there is one. A skill no line names keeps its slot
    // (with no icon); later skills do not move up.
    static std::array<SkillEntry, SlotCount> Slots(const TPet& pet, const std::vector<std::string>& descriptions);
    // The skills that have no slot of their own: the 13th and later, and the
    // 12th too while the certified skill covers its slot.
    static std::vector<std::string> HiddenSkills(const TPet& pet);

    // "认证技能：X" for the certified skill, the bare name otherwise, empty for
    // an empty entry.
    static std::string Caption(const SkillEntry& entry);
    // The one tooltip of a skill wherever it appears: caption, then the
    // description on the next line. Empty for an empty entry.
    static std::string ToolTip(const SkillEntry& entry);
    // Accessible name of slot `number` (1 to 12): its caption, or "空技能格N".
    static std::string SlotName(const SkillEntry& entry, int number);

    // Index of the template named `name`, first match, or -1.
    static int PictureIndex(const std::vector<std::string>& catalogue, const std::string& name);
};
