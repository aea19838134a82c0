#include "ui/model/RecordText.h"

#include <algorithm>

#include "engine/pet.h"
#include "ui/model/PanelText.h"
#include "ui/model/RollGrade.h"

namespace {
const char* const AptitudeNames[7] = {"攻击资质", "防御资质", "体力资质", "法力资质", "速度资质", "躲闪资质", "寿命"};

struct PointField {
    const char* label;
    int32_t TPet::*field;
};
// The correction dialog's fields, then what it recomputes, in panel order.
const PointField CorrectionFields[] = {
    {"等级", &TPet::Level},     {"体质", &TPet::Physique}, {"法力", &TPet::Magic},     {"力量", &TPet::Strength},
    {"耐力", &TPet::Endurance}, {"敏捷", &TPet::Agility},  {"潜能", &TPet::Potential}, {"气血", &TPet::Hp},
    {"魔法", &TPet::Mp},        {"攻击", &TPet::Damage},   {"防御", &TPet::Defense},   {"速度", &TPet::Speed},
    {"灵力", &TPet::Spirit},
};

bool IsReplacement(const std::string& skill)
{
    std::vector<std::string> replacements;
    TPet::CertifyReplacements(replacements);
    return std::find(replacements.begin(), replacements.end(), skill) != replacements.end();
}

std::string Join(const std::vector<std::string>& parts, const char* separator)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

std::string SlotText(std::size_t slot)
{
    return "第 " + std::to_string(slot + 1) + " 格";
}

std::string Shown(const std::string& name)
{
    return name.empty() ? "（空）" : name;
}
}  // namespace

BookOutcome RecordText::Classify(const std::string& book, const TPet& before, const TPet& after)
{
    BookOutcome outcome;
    const auto& was = before.Skills;
    const auto& now = after.Skills;
    if (was == now && before.CertifiedSkill == after.CertifiedSkill) {
        outcome.kind = BookOutcome::Kind::Refused;
        outcome.certified = !book.empty() && book == before.CertifiedSkill;
        return outcome;
    }
    const auto differ = std::mismatch(was.begin(), was.end(), now.begin(), now.end());
    const std::size_t slot = static_cast<std::size_t>(differ.first - was.begin());
    if (slot >= now.size() || now[slot] != book)
        return outcome;
    outcome.slot = slot;
    if (now.size() == was.size() + 1
        && std::equal(was.begin() + static_cast<std::ptrdiff_t>(slot), was.end(),
                      now.begin() + static_cast<std::ptrdiff_t>(slot) + 1)) {
        outcome.kind = BookOutcome::Kind::Inserted;
    } else if (now.size() == was.size()
               && std::equal(was.begin() + static_cast<std::ptrdiff_t>(slot) + 1, was.end(),
                             now.begin() + static_cast<std::ptrdiff_t>(slot) + 1)) {
        outcome.kind = BookOutcome::Kind::Overwritten;
        outcome.lost = was[slot];
    }
    return outcome;
}

std::string RecordText::SkillList(const std::vector<std::string>& skills)
{
    return skills.empty() ? "无" : Join(skills, "、");
}

std::string RecordText::SectionLine(int beastNumber, const std::string& name)
{
    return "—— 第 " + std::to_string(beastNumber) + " 只 " + Shown(name) + " ——";
}

std::string RecordText::RollLine(const TPet& beast)
{
    std::vector<std::string> parts;
    for (std::size_t k = 0; k < beast.Aptitudes.size(); ++k)
        parts.push_back(std::string(AptitudeNames[k]) + " " + std::to_string(beast.Aptitudes[k]));
    parts.push_back("成长 " + PanelText::Growth(beast.Growth));
    parts.push_back("五行 " + Shown(beast.Element));
    parts.push_back("技能 " + SkillList(beast.Skills));
    return "洗出 " + Shown(beast.Name) + "：" + Join(parts, "，") + "；鉴定 "
        + RollGrade::Summary(RollGrade::Of(beast));
}

std::string RecordText::BookLine(int count, const std::string& book, const BookOutcome& outcome)
{
    if (outcome.kind == BookOutcome::Kind::Refused)
        return book + (outcome.certified ? "：已有此技能（已认证），未使用" : "：已有此技能，未使用");
    const std::string head = "第 " + std::to_string(count) + " 本 " + book + "：";
    switch (outcome.kind) {
    case BookOutcome::Kind::Inserted:
        return head + "新增" + SlotText(outcome.slot);
    case BookOutcome::Kind::Overwritten:
        return head + "覆盖" + SlotText(outcome.slot) + "的 " + outcome.lost;
    default:
        return head + "技能已改";
    }
}

std::string RecordText::CertifyLine(const std::string& skill, const TPet& before, const TPet& after)
{
    std::vector<std::string> clauses;
    const std::size_t common = std::min(before.Skills.size(), after.Skills.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (before.Skills[i] != skill)
            continue;
        const std::string& put = after.Skills[i];
        clauses.push_back(SlotText(i) + "换为 " + put + (IsReplacement(put) ? "" : "（再生、冥思、慧根都已有）"));
    }
    if (clauses.empty() || after.CertifiedSkill != skill)
        return "认证 " + skill + "：未认证";
    return "认证 " + skill + "：" + Join(clauses, "，");
}

std::string RecordText::CorrectionLine(const TPet& before, const TPet& after)
{
    std::vector<std::string> changes;
    if (before.Name != after.Name)
        changes.push_back("名称 " + Shown(before.Name) + "→" + Shown(after.Name));
    for (const PointField& f : CorrectionFields)
        if (before.*f.field != after.*f.field)
            changes.push_back(std::string(f.label) + " " + std::to_string(before.*f.field) + "→"
                              + std::to_string(after.*f.field));
    return "修正：" + (changes.empty() ? std::string("无变化") : Join(changes, "，"));
}

std::string RecordText::CustomLine(const TPet& before, const TPet& after)
{
    std::vector<std::string> groups;
    if (!std::equal(before.Aptitudes.begin(), before.Aptitudes.begin() + 6, after.Aptitudes.begin()))
        groups.push_back("资质");
    if (before.Aptitudes[6] != after.Aptitudes[6])
        groups.push_back("寿命");
    if (before.Growth != after.Growth)
        groups.push_back("成长");
    if (before.Element != after.Element)
        groups.push_back("五行");
    if (before.Skills != after.Skills)
        groups.push_back("技能");
    if (before.CertifiedSkill != after.CertifiedSkill)
        groups.push_back("认证技能");
    if (groups.empty())
        return "完全DIY：无变化";
    std::string line = "完全DIY：" + Join(groups, "、") + "已改";
    if (before.Skills != after.Skills)
        line += "；技能 " + SkillList(after.Skills);
    if (before.CertifiedSkill != after.CertifiedSkill)
        line += "；认证技能 " + (after.CertifiedSkill.empty() ? std::string("无") : after.CertifiedSkill);
    return line;
}
