#include "ui/model/PanelText.h"

#include <cstdio>

#include "engine/pet.h"

namespace {
std::string LineName(const std::string& line)
{
    return line.substr(0, line.find(';'));
}
}  // namespace

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

int PanelText::IconIndex(const std::vector<std::string>& descriptions, const std::string& skill)
{
    for (std::size_t i = 0; i < descriptions.size(); ++i)
        if (LineName(descriptions[i]) == skill)
            return static_cast<int>(i);
    return -1;
}

std::vector<int> PanelText::SlotIcons(const TPet& pet, const std::vector<std::string>& descriptions)
{
    std::vector<int> icons(SlotCount, -1);
    for (std::size_t k = 0; k < pet.Skills.size() && k < SlotCount; ++k)
        icons[k] = IconIndex(descriptions, pet.Skills[k]);
    if (!pet.CertifiedSkill.empty())
        icons[SlotCount - 1] = IconIndex(descriptions, pet.CertifiedSkill);
    return icons;
}

std::vector<std::string> PanelText::HiddenSkills(const TPet& pet)
{
    if (pet.Skills.size() <= SlotCount)
        return {};
    return {pet.Skills.begin() + SlotCount, pet.Skills.end()};
}

int PanelText::PictureIndex(const std::vector<std::string>& catalogue, const std::string& name)
{
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        if (LineName(catalogue[i]) == name)
            return static_cast<int>(i);
    return -1;
}
