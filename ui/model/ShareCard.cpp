#include "ui/model/ShareCard.h"

#include "engine/pet.h"

std::vector<std::string> ShareCard::Lines(const TPet& beast, const RollGrade::Result& grade)
{
    std::vector<std::string> lines;
    lines.push_back(beast.Name + "　鉴定 " + (grade.Valid ? RollGrade::Summary(grade) : std::string("不评级")));
    if (beast.Skills.empty()) {
        lines.push_back("技能：无");
    } else {
        std::string skills;
        for (const std::string& skill : beast.Skills)
            skills += (skills.empty() ? "" : "、") + skill;
        lines.push_back("技能（" + std::to_string(beast.Skills.size()) + "）：" + skills);
    }
    if (!beast.CertifiedSkill.empty())
        lines.push_back("认证技能：" + beast.CertifiedSkill);
    return lines;
}
