#include "ui/model/RollSearch.h"

RollSearchResult RollSearch::Run(const std::vector<std::string>& catalogue, const std::string& templateName,
                                 const RollTarget& target, uint64_t cap, const std::atomic<bool>& stop,
                                 const std::function<void(uint64_t)>& progress)
{
    RollSearchResult result;
    result.end = RollSearchResult::End::Cap;
    TPet beast(catalogue);
    Fraction best{1, 1};
    while (result.rolls < cap) {
        if (stop.load(std::memory_order_relaxed)) {
            result.end = RollSearchResult::End::Stopped;
            break;
        }
        beast.LoadBeast(templateName);
        ++result.rolls;
        const RollGrade::Result grade = RollGrade::Of(beast);
        if (target.MetBy(beast, grade)) {
            result.kept = beast;
            result.keptAt = result.rolls;
            result.end = RollSearchResult::End::Met;
            progress(result.rolls);
            break;
        }
        // The best so far: the smallest share of rolls at least as good.
        const Fraction share = grade.Valid ? grade.AtLeast : Fraction{1, 1};
        const bool better = static_cast<unsigned __int128>(share.Numerator) * best.Denominator
            < static_cast<unsigned __int128>(best.Numerator) * share.Denominator;
        if (result.keptAt == 0 || better) {
            result.kept = beast;
            result.keptAt = result.rolls;
            best = share;
        }
        progress(result.rolls);
    }
    return result;
}

bool RollSearch::TemplateOf(const std::vector<std::string>& catalogue, const std::string& templateName, TPet& out)
{
    out = TPet(catalogue);
    std::vector<std::string> fields;
    if (!out.FindTemplate(templateName, fields) || fields.size() < 11)
        return false;
    out.Name = fields[0];
    for (std::size_t k = 0; k < 7; ++k)
        out.TemplateAptitudes[k] = std::stoi(fields[k + 1]);
    out.GrowthChoices = fields[8];
    out.InnateSkills = fields[9];
    out.FixedSkills = fields[10];
    return true;
}

std::string RollSearch::Line(const RollSearchResult& result, uint64_t cap)
{
    std::string line = "洗到满意：洗了 " + std::to_string(result.rolls) + " 只，";
    const std::string kept = "第 " + std::to_string(result.keptAt) + " 只";
    switch (result.end) {
    case RollSearchResult::End::Met:
        return line + kept + "满足条件";
    case RollSearchResult::End::Cap:
        return line + "到了上限 " + std::to_string(cap) + " 只也没有满足条件的，留下最好的" + kept;
    case RollSearchResult::End::Stopped:
        break;
    }
    if (result.keptAt == 0)
        return line + "中途停止";
    return line + "中途停止，留下最好的" + kept;
}
