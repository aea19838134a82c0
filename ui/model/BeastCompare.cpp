#include "ui/model/BeastCompare.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "engine/pet.h"

namespace {

constexpr std::array<const char*, 7> AptitudeNames = {"攻击资质", "防御资质", "体力资质", "法力资质",
                                                      "速度资质", "躲闪资质", "寿命"};

CompareRow Text(const char* caption, const std::string& pinned, const std::string& current)
{
    CompareRow row{caption, pinned, current, CompareRow::Mark::Same, {}};
    if (pinned != current) {
        row.mark = CompareRow::Mark::Differs;
        row.change = "不同";
    }
    return row;
}

CompareRow Number(const char* caption, long long pinned, long long current)
{
    CompareRow row{caption, std::to_string(pinned), std::to_string(current), CompareRow::Mark::Same, {}};
    if (current != pinned) {
        row.mark = current > pinned ? CompareRow::Mark::Higher : CompareRow::Mark::Lower;
        row.change = (current > pinned ? "+" : "−") + std::to_string(current > pinned ? current - pinned : pinned - current);
    }
    return row;
}

std::string Growth(double growth)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", growth);
    return text;
}

bool Has(const std::vector<std::string>& skills, const std::string& skill)
{
    return std::find(skills.begin(), skills.end(), skill) != skills.end();
}

}  // namespace

std::string CompareRow::Spoken() const
{
    std::string text = caption + "：钉住 " + (pinned.empty() ? "无" : pinned) + "，当前 " + (current.empty() ? "无" : current);
    switch (mark) {
    case Mark::Same:
        return text + "，相同";
    case Mark::Higher:
        return text + "，多 " + change.substr(1);
    case Mark::Lower:
        return text + "，少 " + change.substr(std::string("−").size());
    default:
        return text + "，" + change;
    }
}

std::vector<CompareRow> CompareBeasts(const TPet& pinned, const TPet& current)
{
    std::vector<CompareRow> rows;
    rows.push_back(Text("名字", pinned.Name, current.Name));
    rows.push_back(Text("五行", pinned.Element, current.Element));
    rows.push_back(Number("等级", pinned.Level, current.Level));
    for (std::size_t k = 0; k < AptitudeNames.size(); ++k)
        rows.push_back(Number(AptitudeNames[k], pinned.Aptitudes[k], current.Aptitudes[k]));
    CompareRow growth{"成长", Growth(pinned.Growth), Growth(current.Growth), CompareRow::Mark::Same, {}};
    if (current.Growth != pinned.Growth) {
        growth.mark = current.Growth > pinned.Growth ? CompareRow::Mark::Higher : CompareRow::Mark::Lower;
        growth.change = (current.Growth > pinned.Growth ? "+" : "−") + Growth(std::fabs(current.Growth - pinned.Growth));
    }
    rows.push_back(growth);
    rows.push_back(Number("技能数", static_cast<long long>(pinned.Skills.size()),
                          static_cast<long long>(current.Skills.size())));
    for (const std::string& skill : pinned.Skills)
        if (Has(current.Skills, skill))
            rows.push_back({"技能", skill, skill, CompareRow::Mark::Same, {}});
    for (const std::string& skill : pinned.Skills)
        if (!Has(current.Skills, skill))
            rows.push_back({"技能", skill, {}, CompareRow::Mark::OnlyPinned, "仅钉住"});
    for (const std::string& skill : current.Skills)
        if (!Has(pinned.Skills, skill))
            rows.push_back({"技能", {}, skill, CompareRow::Mark::OnlyCurrent, "仅当前"});
    if (!pinned.CertifiedSkill.empty() || !current.CertifiedSkill.empty())
        rows.push_back(Text("认证", pinned.CertifiedSkill, current.CertifiedSkill));
    return rows;
}
