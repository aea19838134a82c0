#include "ui/model/PanelText.h"

#include <cstddef>
#include <cstdio>

#include "data/builtin_data.h"
#include "engine/pet.h"

std::string PanelText::Integer(long long value)
{
    return std::to_string(value);
}

std::string PanelText::Growth(double value)
{
    // %g is locale-bound for the decimal point; swap back to "." so a German
    // or French locale still shows 1.25.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text(buffer);
    for (char& c : text)
        if (c == ',')
            c = '.';
    return text;
}

std::string PanelText::Full(int value)
{
    return Integer(value) + "/" + Integer(value);
}

std::vector<std::string> PanelText::Values(const TPet& pet)
{
    std::vector<std::string> v;
    for (int a : pet.Aptitudes)
        v.push_back(Integer(a));
    v.push_back(Growth(pet.Growth));
    v.push_back(pet.Element);
    v.push_back(pet.Name);
    v.push_back(Integer(pet.Level));
    for (int p : {pet.Physique, pet.Magic, pet.Strength, pet.Endurance, pet.Agility, pet.Potential})
        v.push_back(Integer(p));
    v.push_back(Full(pet.Hp));
    v.push_back(Full(pet.Mp));
    for (int a : {pet.Damage, pet.Defense, pet.Speed, pet.Spirit})
        v.push_back(Integer(a));
    return v;
}

SkillEntry PanelText::Skill(const std::vector<std::string>& descriptions, const std::string& skill)
{
    SkillEntry entry;
    entry.Skill = skill;
    entry.Icon = FindLine(descriptions, skill);
    if (entry.Icon >= 0)
        entry.Description = LineRest(descriptions[static_cast<std::size_t>(entry.Icon)]);
    return entry;
}

std::array<SkillEntry, PanelText::SlotCount> PanelText::Slots(const TPet& pet,
                                                              const std::vector<std::string>& descriptions)
{
    std::array<SkillEntry, SlotCount> slots;
    for (std::size_t k = 0; k < pet.Skills.size() && k < SlotCount; ++k)
        slots[k] = Skill(descriptions, pet.Skills[k]);
    if (!pet.CertifiedSkill.empty()) {
        slots[SlotCount - 1] = Skill(descriptions, pet.CertifiedSkill);
        slots[SlotCount - 1].Certified = true;
    }
    return slots;
}

std::vector<std::string> PanelText::HiddenSkills(const TPet& pet)
{
    const std::size_t shown = pet.CertifiedSkill.empty() ? SlotCount : SlotCount - 1;
    if (pet.Skills.size() <= shown)
        return {};
    return {pet.Skills.begin() + static_cast<std::ptrdiff_t>(shown), pet.Skills.end()};
}

std::string PanelText::Caption(const SkillEntry& entry)
{
    if (entry.Skill.empty())
        return {};
    return entry.Certified ? "认证技能：" + entry.Skill : entry.Skill;
}

std::string PanelText::ToolTip(const SkillEntry& entry)
{
    if (entry.Skill.empty())
        return {};
    return Caption(entry) + "\n" + entry.Description;
}

std::string PanelText::SlotName(const SkillEntry& entry, int number)
{
    return entry.Skill.empty() ? "空技能格" + std::to_string(number) : Caption(entry);
}

int PanelText::PictureIndex(const std::vector<std::string>& catalogue, const std::string& name)
{
    return FindLine(catalogue, name);
}
