#include "ui/model/RollGrade.h"

#include <algorithm>

#include "engine/pet.h"
#include "engine/strict_number.h"
#include "ui/model/PanelText.h"

namespace {
constexpr std::size_t BattleCount = 6;
constexpr std::size_t Lifespan = 6;
const char* const AptitudeNames[7] = {"攻击资质", "防御资质", "体力资质", "法力资质", "速度资质", "躲闪资质", "寿命"};

// a/b * c/d in lowest terms; the cross-reduction keeps both products within
// 64 bits for the shares made here (a <= b, c <= d, b * d < 2^64).
Fraction Times(Fraction x, Fraction y)
{
    const Fraction left = BookOdds::Reduced(x.Numerator, y.Denominator);
    const Fraction right = BookOdds::Reduced(y.Numerator, x.Denominator);
    return BookOdds::Reduced(left.Numerator * right.Numerator, right.Denominator * left.Denominator);
}

bool Within(int32_t value, RollGrade::Range range)
{
    return value >= range.Low && value <= range.High;
}

// The growth choices as the engine reads them; unparsable ones are skipped
// as the engine never lands on them.
std::vector<double> GrowthValues(const std::string& choices)
{
    std::vector<std::string> pieces;
    TPet::SplitText(choices, ',', pieces);
    std::vector<double> values;
    for (const std::string& piece : pieces) {
        double value = 0.0;
        if (ParseDecimal(piece, value))
            values.push_back(value);
    }
    return values;
}
}  // namespace

RollGrade::Range RollGrade::RangeOf(int32_t templateValue)
{
    const int32_t bound = std::max(1, (18 * templateValue + 49) / 100);
    return {templateValue - bound + 1, templateValue};
}

RollGrade::SumCounts RollGrade::BattleSums(const std::array<int32_t, 7>& templateAptitudes)
{
    SumCounts sums;
    for (std::size_t k = 0; k < BattleCount; ++k)
        if (templateAptitudes[k] < 0 || templateAptitudes[k] > MaxTemplate)
            return sums;
    sums.Counts = {1};
    sums.Total = 1;
    for (std::size_t k = 0; k < BattleCount; ++k) {
        const Range range = RangeOf(templateAptitudes[k]);
        const std::size_t width = range.Count();
        // Adding a uniform draw over `width` values: each new count is the
        // sum of a window of `width` old counts, kept as a running sum.
        std::vector<uint64_t> next(sums.Counts.size() + width - 1, 0);
        uint64_t window = 0;
        for (std::size_t s = 0; s < next.size(); ++s) {
            if (s < sums.Counts.size())
                window += sums.Counts[s];
            if (s >= width)
                window -= sums.Counts[s - width];
            next[s] = window;
        }
        sums.Counts = std::move(next);
        sums.Lowest += range.Low;
        sums.Total *= width;
    }
    return sums;
}

RollGrade::Result RollGrade::Of(const TPet& beast)
{
    Result result;
    const SumCounts sums = BattleSums(beast.TemplateAptitudes);
    const std::vector<double> growths = GrowthValues(beast.GrowthChoices);
    if (sums.Counts.empty() || growths.empty() || beast.TemplateAptitudes[Lifespan] < 0
        || beast.TemplateAptitudes[Lifespan] > MaxLifespan)
        return result;
    for (std::size_t k = 0; k < 7; ++k) {
        result.Ranges[k] = RangeOf(beast.TemplateAptitudes[k]);
        if (!Within(beast.Aptitudes[k], result.Ranges[k]))
            return {};
        result.AptitudeAtLeast[k] = BookOdds::Reduced(
            static_cast<uint64_t>(result.Ranges[k].High - beast.Aptitudes[k] + 1), result.Ranges[k].Count());
    }
    const auto atLeast = static_cast<std::size_t>(
        std::count_if(growths.begin(), growths.end(), [&](double g) { return g >= beast.Growth; }));
    if (std::find(growths.begin(), growths.end(), beast.Growth) == growths.end())
        return {};
    result.GrowthAtLeast = BookOdds::Reduced(atLeast, growths.size());

    for (std::size_t k = 0; k < BattleCount; ++k)
        result.BattleSum += beast.Aptitudes[k];
    uint64_t better = 0;
    for (auto s = static_cast<std::size_t>(result.BattleSum - sums.Lowest); s < sums.Counts.size(); ++s)
        better += sums.Counts[s];
    result.BattleAtLeast = BookOdds::Reduced(better, sums.Total);
    result.LifespanAtLeast = result.AptitudeAtLeast[Lifespan];
    result.BothAtLeast = Times(result.BattleAtLeast, result.GrowthAtLeast);
    result.Grade = LevelFor(result.BothAtLeast);
    result.Valid = true;
    return result;
}

RollGrade::Level RollGrade::LevelFor(Fraction both)
{
    // n/d <= 1/100 exactly when 100 n <= d; n <= d < 2^61 here.
    if (100 * both.Numerator <= both.Denominator)
        return Level::Superb;
    if (10 * both.Numerator <= both.Denominator)
        return Level::Good;
    return Level::Common;
}

std::string RollGrade::LevelName(Level level)
{
    switch (level) {
    case Level::Superb:
        return "极品";
    case Level::Good:
        return "优秀";
    case Level::Common:
        break;
    }
    return "普通";
}

std::string RollGrade::RuleText()
{
    return "鉴定：同种召唤兽的所有洗法中，资质和（攻击、防御、体力、法力、速度、躲闪六项之和）与成长都不低于"
           "这一只的只占 1% 以内为极品，10% 以内为优秀，其余为普通。百分比由各项资质的均匀分布精确卷积算出，"
           "“前 x%”指不低于这一只的洗法所占比例；寿命单列，不计入评级。";
}

std::string RollGrade::Percent(Fraction f)
{
    // Hundredths of a percent, half up: (2 * n * 10^4 + d) / (2 * d).
    using Wide = unsigned __int128;
    const Wide units = (Wide{2} * f.Numerator * 10000 + f.Denominator) / (Wide{2} * f.Denominator);
    const auto whole = static_cast<uint64_t>(units / 100);
    const auto cents = static_cast<unsigned>(units % 100);
    return std::to_string(whole) + "." + (cents < 10 ? "0" : "") + std::to_string(cents) + "%";
}

std::string RollGrade::Summary(const Result& result)
{
    if (!result.Valid)
        return "超出本种范围，不评级";
    return LevelName(result.Grade) + "（资质和 前 " + Percent(result.BattleAtLeast) + "，成长 前 "
        + Percent(result.GrowthAtLeast) + "，寿命 前 " + Percent(result.LifespanAtLeast) + "）";
}

std::vector<std::string> RollGrade::DetailLines(const TPet& beast, const Result& result)
{
    std::vector<std::string> lines;
    lines.push_back("鉴定：" + Summary(result));
    if (!result.Valid)
        return lines;
    for (std::size_t k = 0; k < 7; ++k)
        lines.push_back(std::string(AptitudeNames[k]) + " " + std::to_string(beast.Aptitudes[k]) + "（"
                        + std::to_string(result.Ranges[k].Low) + "～" + std::to_string(result.Ranges[k].High) + "，前 "
                        + Percent(result.AptitudeAtLeast[k]) + "）");
    lines.push_back("资质和 " + std::to_string(result.BattleSum) + "，前 " + Percent(result.BattleAtLeast));
    lines.push_back("成长 " + PanelText::Growth(beast.Growth) + "，前 " + Percent(result.GrowthAtLeast));
    lines.push_back("两项都不低于这一只：" + Percent(result.BothAtLeast));
    return lines;
}
