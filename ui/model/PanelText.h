#pragma once
// What the beast panel shows for a beast, worked out without any window.

#include <string>
#include <vector>

class TPet;

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

    // Icon index of a skill: the first description line naming it, or -1.
    static int IconIndex(const std::vector<std::string>& descriptions, const std::string& skill);
    // Icon per slot (-1 = empty) for the first 12 skills; slot 12 takes the
    // certified skill when there is one.
    static std::vector<int> SlotIcons(const TPet& pet, const std::vector<std::string>& descriptions);
    // The skills that have no slot (the 13th and later).
    static std::vector<std::string> HiddenSkills(const TPet& pet);
    // Index of the template named `name`, first match, or -1.
    static int PictureIndex(const std::vector<std::string>& catalogue, const std::string& name);
};
