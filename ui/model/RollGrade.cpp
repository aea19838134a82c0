#include "ui/model/RollGrade.h"

#include <algorithm>
#include <numeric>

#include "engine/pet.h"
#include "engine/strict_number.h"
#include "ui/model/PanelText.h"

namespace {
constexpr std::size_t BattleCount = 6;
constexpr std::size_t Lifespan = 6;
const char* const AptitudeNames[7] = {"攻击资质", "防御资质", "体力资质", "法力资质", "速度资质", "躲闪资质", "寿命"};

using Wide = unsigned __int128;

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

bool Supported(const std::vector<double>& growths)
{
    return !growths.empty() && growths.size() <= RollGrade::MaxGrowthChoices;
}

// Where a growth value stands among the choices (duplicates counted).
struct GrowthPlace {
    std::size_t above = 0;  // choices with a higher value
    std::size_t same = 0;   // choices with this value; 0 when it is none of them
    std::size_t tier = 0;   // 1 + the distinct values above it
    std::size_t tiers = 0;  // distinct values
};

GrowthPlace PlaceOf(const std::vector<double>& growths, double growth)
{
    GrowthPlace place;
    std::vector<double> distinct = growths;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    place.tiers = distinct.size();
    place.tier = 1 + static_cast<std::size_t>(std::count_if(distinct.begin(), distinct.end(), [&](double g) {
                     return g > growth;
                 }));
    place.above =
        static_cast<std::size_t>(std::count_if(growths.begin(), growths.end(), [&](double g) { return g > growth; }));
    place.same = static_cast<std::size_t>(std::count(growths.begin(), growths.end(), growth));
    return place;
}

// Rolls at least as good, of all: a higher growth, or the same one and a
// battle sum at least as high, out of choices times battle rolls. Both stay
// below 2^64 for choices <= MaxGrowthChoices and total < 2^61.
struct AtLeastRolls {
    Wide rolls = 0;
    Wide all = 1;
};

AtLeastRolls RollsAtLeast(const GrowthPlace& place, std::size_t choices, uint64_t battleAtLeast, uint64_t total)
{
    return {Wide{place.above} * total + Wide{place.same} * battleAtLeast, Wide{choices} * total};
}

// 极品 when rolls/all <= 1/100, 优秀 when <= 1/10: compared in 128 bits,
// where 100 times a 64-bit count cannot wrap.
RollGrade::Level LevelOf(Wide rolls, Wide all)
{
    if (100 * rolls <= all)
        return RollGrade::Level::Superb;
    if (10 * rolls <= all)
        return RollGrade::Level::Good;
    return RollGrade::Level::Common;
}
// a + b for two shares of one template: both denominators divide choices
// times battle rolls (< 2^64), and so does their least common multiple.
Fraction Sum(Fraction a, Fraction b)
{
    const uint64_t common = a.Denominator / std::gcd(a.Denominator, b.Denominator) * b.Denominator;
    return BookOdds::Reduced(a.Numerator * (common / a.Denominator) + b.Numerator * (common / b.Denominator), common);
}
}  // namespace

RollGrade::Range RollGrade::RangeOf(int32_t templateValue)
{
    const int32_t bound = std::max(1, (18 * templateValue + 49) / 100);
    return {templateValue - bound + 1, templateValue};
}

RollGrade::SumCounts RollGrade::BattleSums(const std::array<int32_t, 7>& templateAptitudes)
{
    std::array<Range, BattleCount> ranges{};
    for (std::size_t k = 0; k < BattleCount; ++k) {
        if (templateAptitudes[k] < 0 || templateAptitudes[k] > MaxTemplate)
            return {};
        ranges[k] = RangeOf(templateAptitudes[k]);
    }
    return SumsOf(ranges);
}

RollGrade::SumCounts RollGrade::SumsOf(const std::array<Range, 6>& ranges)
{
    SumCounts sums;
    sums.Counts = {1};
    sums.Total = 1;
    for (const Range& range : ranges) {
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

std::vector<RollGrade::Level> RollGrade::LevelsBySum(const SumCounts& sums, const std::string& growthChoices,
                                                     double growth)
{
    const std::vector<double> growths = GrowthValues(growthChoices);
    if (!Supported(growths))
        return {};
    const GrowthPlace place = PlaceOf(growths, growth);
    if (place.same == 0)
        return {};
    std::vector<Level> levels(sums.Counts.size());
    uint64_t atLeast = 0;  // battle rolls with a sum at least this one
    for (std::size_t s = sums.Counts.size(); s-- > 0;) {
        atLeast += sums.Counts[s];
        const AtLeastRolls share = RollsAtLeast(place, growths.size(), atLeast, sums.Total);
        levels[s] = LevelOf(share.rolls, share.all);
    }
    return levels;
}

RollGrade::Result RollGrade::Of(const TPet& beast)
{
    Result result;
    const SumCounts sums = BattleSums(beast.TemplateAptitudes);
    const std::vector<double> growths = GrowthValues(beast.GrowthChoices);
    if (sums.Counts.empty() || !Supported(growths) || beast.TemplateAptitudes[Lifespan] < 0
        || beast.TemplateAptitudes[Lifespan] > MaxLifespan)
        return result;
    for (std::size_t k = 0; k < 7; ++k) {
        result.Ranges[k] = RangeOf(beast.TemplateAptitudes[k]);
        if (!Within(beast.Aptitudes[k], result.Ranges[k]))
            return {};
        result.AptitudeAtLeast[k] = BookOdds::Reduced(
            static_cast<uint64_t>(result.Ranges[k].High - beast.Aptitudes[k] + 1), result.Ranges[k].Count());
    }
    const GrowthPlace place = PlaceOf(growths, beast.Growth);
    if (place.same == 0)
        return {};
    result.GrowthTier = place.tier;
    result.GrowthTiers = place.tiers;
    result.GrowthAtLeast = BookOdds::Reduced(place.above + place.same, growths.size());

    for (std::size_t k = 0; k < BattleCount; ++k)
        result.BattleSum += beast.Aptitudes[k];
    uint64_t better = 0;
    for (auto s = static_cast<std::size_t>(result.BattleSum - sums.Lowest); s < sums.Counts.size(); ++s)
        better += sums.Counts[s];
    result.BattleAtLeast = BookOdds::Reduced(better, sums.Total);
    result.LifespanAtLeast = result.AptitudeAtLeast[Lifespan];
    const AtLeastRolls share = RollsAtLeast(place, growths.size(), better, sums.Total);
    result.AtLeast = BookOdds::Reduced(static_cast<uint64_t>(share.rolls), static_cast<uint64_t>(share.all));
    result.Grade = LevelFor(result.AtLeast);
    result.Valid = true;
    return result;
}

std::array<Fraction, 3> RollGrade::LevelShares(const std::array<int32_t, 7>& templateAptitudes,
                                               const std::string& growthChoices)
{
    std::array<Fraction, 3> shares{};
    const SumCounts sums = BattleSums(templateAptitudes);
    const std::vector<double> growths = GrowthValues(growthChoices);
    if (sums.Counts.empty() || !Supported(growths))
        return shares;
    std::array<Wide, 3> rolls{};  // out of choices times battle rolls
    std::vector<double> distinct = growths;
    std::sort(distinct.begin(), distinct.end());
    distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
    for (double growth : distinct) {
        const auto same = static_cast<uint64_t>(std::count(growths.begin(), growths.end(), growth));
        const std::vector<Level> levels = LevelsBySum(sums, growthChoices, growth);
        for (std::size_t s = 0; s < sums.Counts.size(); ++s)
            rolls[static_cast<std::size_t>(levels[s])] += Wide{same} * sums.Counts[s];
    }
    const auto all = static_cast<uint64_t>(Wide{growths.size()} * sums.Total);
    for (std::size_t level = 0; level < shares.size(); ++level)
        shares[level] = BookOdds::Reduced(static_cast<uint64_t>(rolls[level]), all);
    return shares;
}

RollGrade::Level RollGrade::LevelFor(Fraction atLeast)
{
    return LevelOf(atLeast.Numerator, atLeast.Denominator);
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
    return "鉴定：先比成长，成长相同再比资质和（攻击、防御、体力、法力、速度、躲闪六项之和）。"
           "同种召唤兽的所有洗法中，不比这一只差的只占 1% 以内为极品，10% 以内为优秀，其余为普通；"
           "所以每种召唤兽至多 1% 的洗法是极品，至多 10% 是优秀或极品，成长最低档的从不是。"
           "“前 x%”指不比这一只差的洗法所占比例，由各项资质的均匀分布精确算出；寿命单列，不计入评级。";
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
    return LevelName(result.Grade) + "：胜过 " + Beats(result.AtLeast) + " 的同种（成长 " + GrowthTierText(result)
        + "，资质和 胜过 " + Beats(result.BattleAtLeast) + "，寿命 胜过 " + Beats(result.LifespanAtLeast) + "）";
}

std::string RollGrade::Beats(Fraction atLeast)
{
    // Tenths of a percent of the rolls below, half up: the rolls at least as
    // good are the rest.
    using Wide = unsigned __int128;
    const Wide below = atLeast.Denominator - std::min(atLeast.Numerator, atLeast.Denominator);
    const Wide tenths = (Wide{2} * below * 1000 + atLeast.Denominator) / (Wide{2} * atLeast.Denominator);
    return std::to_string(static_cast<uint64_t>(tenths / 10)) + "." + std::to_string(static_cast<unsigned>(tenths % 10))
        + "%";
}

std::string RollGrade::GrowthTierText(const Result& result)
{
    if (result.GrowthTiers <= 1)
        return "只有一档";
    if (result.GrowthTier == 1)
        return "最高档";
    if (result.GrowthTier == result.GrowthTiers)
        return "最低档";
    return "第 " + std::to_string(result.GrowthTier) + " 档（共 " + std::to_string(result.GrowthTiers) + " 档）";
}

std::vector<std::string> RollGrade::DetailLines(const TPet& beast, const Result& result)
{
    std::vector<std::string> lines;
    if (!result.Valid)
        return {"鉴定：不评级（修正或完全DIY之后，或超出本种范围）"};
    lines.push_back("鉴定：" + Summary(result));
    for (std::size_t k = 0; k < 7; ++k)
        lines.push_back(std::string(AptitudeNames[k]) + " " + std::to_string(beast.Aptitudes[k]) + "（"
                        + std::to_string(result.Ranges[k].Low) + "～" + std::to_string(result.Ranges[k].High) + "，前 "
                        + Percent(result.AptitudeAtLeast[k]) + "）");
    lines.push_back("资质和 " + std::to_string(result.BattleSum) + "，前 " + Percent(result.BattleAtLeast));
    lines.push_back("成长 " + PanelText::Growth(beast.Growth) + "，" + GrowthTierText(result));
    lines.push_back("先比成长再比资质和，不比这一只差的：" + Percent(result.AtLeast));
    const auto shares = LevelShares(beast.TemplateAptitudes, beast.GrowthChoices);
    lines.push_back("本种洗法：极品占 " + Percent(shares[2]) + "，优秀及以上占 " + Percent(Sum(shares[1], shares[2])));
    return lines;
}

std::string RollGrade::MarkText(const Result& result)
{
    return result.Valid ? LevelName(result.Grade) : "不评级";
}
