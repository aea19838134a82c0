#include "ui/model/StableFilter.h"

bool StableFilter::Accepts(const std::string& beastTemplate, const std::string& beastGrade, const std::string& skills,
                           int skillCount) const
{
    if (!templateName.empty() && templateName != beastTemplate)
        return false;
    if (!grade.empty() && grade != beastGrade)
        return false;
    if (skillCount < minSkills)
        return false;
    if (skill.empty())
        return true;
    const std::string separator = "、";
    const std::string padded = separator + skills + separator;
    return padded.find(separator + skill + separator) != std::string::npos;
}
