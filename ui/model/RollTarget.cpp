#include "ui/model/RollTarget.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/pet.h"
#include "engine/strict_number.h"

namespace {
using Wide = unsigned __int128;
constexpr std::size_t BattleCount = 6;

Wide Gcd(Wide a, Wide b)
{
    while (b != 0)
        a = std::exchange(b, a % b);
    return a;
}

RollChance Reduced(Wide numerator, Wide denominator)
{
    const Wide g = Gcd(numerator, denominator);
    return g == 0 ? RollChance{0, 1} : RollChance{numerator / g, denominator / g};
}

// a * b, reduced across first so that the products stay small; the
// denominators met here stay far below 2^128.
RollChance Times(RollChance a, RollChance b)
{
    const RollChance left = Reduced(a.Numerator, b.Denominator);
    const RollChance right = Reduced(b.Numerator, a.Denominator);
    return Reduced(left.Numerator * right.Numerator, left.Denominator * right.Denominator);
}

RollChance Plus(RollChance a, RollChance b)
{
    const Wide common = a.Denominator / Gcd(a.Denominator, b.Denominator) * b.Denominator;
    return Reduced(a.Numerator * (common / a.Denominator) + b.Numerator * (common / b.Denominator), common);
}

std::vector<std::string> Split(const std::string& text)
{
    std::vector<std::string> pieces;
    TPet::SplitText(text, ',', pieces);
    std::erase(pieces, std::string());
    return pieces;
}

// The growth choices as the engine reads them (unparsable ones skipped, as
// the grade does).
std::vector<double> GrowthValues(const std::string& choices)
{
    std::vector<double> values;
    for (const std::string& piece : Split(choices)) {
        double value = 0;
        if (ParseDecimal(piece, value))
            values.push_back(value);
    }
    return values;
}

std::string Decimal(Wide value)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    } while (value != 0);
    return digits;
}

uint64_t Choose(uint64_t n, uint64_t k)
{
    uint64_t result = 1;
    for (uint64_t i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

// The skills: every wanted skill fixed or innate and kept, and enough
// skills in all. Of n innate skills k are lost with chance (2k+1)/(n+1)^2,
// the lost ones a uniform k-subset: r wanted innate skills all survive
// with chance C(n-r, k)/C(n, k).
RollChance SkillChance(const TPet& beast, const RollTarget& target)
{
    const std::vector<std::string> innate = Split(beast.InnateSkills);
    const std::vector<std::string> fixed = Split(beast.FixedSkills);
    uint64_t wantedInnate = 0;
    for (const std::string& skill : target.Skills) {
        if (std::find(fixed.begin(), fixed.end(), skill) != fixed.end())
            continue;
        if (std::find(innate.begin(), innate.end(), skill) == innate.end())
            return {0, 1};
        ++wantedInnate;
    }
    const uint64_t n = innate.size();
    RollChance chance{0, 1};
    for (uint64_t lost = 0; lost <= n; ++lost) {
        if (n - lost + fixed.size() < target.MinSkillCount || lost > n - wantedInnate)
            continue;
        const RollChance count{2 * lost + 1, Wide{n + 1} * (n + 1)};
        chance = Plus(chance, Times(count, {Choose(n - wantedInnate, lost), Choose(n, lost)}));
    }
    return chance;
}
}  // namespace

long double RollChance::Value() const
{
    return static_cast<long double>(Numerator) / static_cast<long double>(Denominator);
}

bool RollTarget::MetBy(const TPet& beast) const
{
    return MetBy(beast, MinLevel == RollGrade::Level::Common ? RollGrade::Result{} : RollGrade::Of(beast));
}

bool RollTarget::MetBy(const TPet& beast, const RollGrade::Result& grade) const
{
    int64_t battleSum = 0;
    for (std::size_t k = 0; k < 7; ++k) {
        if (beast.Aptitudes[k] < MinAptitudes[k])
            return false;
        if (k < BattleCount)
            battleSum += beast.Aptitudes[k];
    }
    if (beast.Growth < MinGrowth || battleSum < MinBattleSum || beast.Skills.size() < MinSkillCount)
        return false;
    for (const std::string& skill : Skills)
        if (std::find(beast.Skills.begin(), beast.Skills.end(), skill) == beast.Skills.end())
            return false;
    return MinLevel == RollGrade::Level::Common || (grade.Valid && grade.Grade >= MinLevel);
}

RollOdds::RollOdds(const TPet& beast, const RollTarget& target)
{
    const RollGrade::SumCounts all = RollGrade::BattleSums(beast.TemplateAptitudes);
    const std::vector<double> growths = GrowthValues(beast.GrowthChoices);
    if (all.Counts.empty() || growths.empty() || growths.size() > RollGrade::MaxGrowthChoices
        || beast.TemplateAptitudes[6] < 0 || beast.TemplateAptitudes[6] > RollGrade::MaxLifespan)
        return;
    supported_ = true;
    // Each aptitude's range cut at its minimum; an empty one: no roll.
    std::array<RollGrade::Range, 7> cut{};
    for (std::size_t k = 0; k < 7; ++k) {
        cut[k] = RollGrade::RangeOf(beast.TemplateAptitudes[k]);
        cut[k].Low = std::max(cut[k].Low, target.MinAptitudes[k]);
        if (cut[k].Low > cut[k].High)
            return;
    }
    const RollGrade::SumCounts sums = RollGrade::SumsOf({cut[0], cut[1], cut[2], cut[3], cut[4], cut[5]});
    // Rolls of aptitudes and growth that meet the target, out of all
    // (choices times battle rolls).
    Wide met = 0;
    for (const double growth : growths) {
        if (growth < target.MinGrowth)
            continue;
        const std::vector<RollGrade::Level> levels = RollGrade::LevelsBySum(all, beast.GrowthChoices, growth);
        for (std::size_t s = 0; s < sums.Counts.size(); ++s) {
            const int64_t sum = sums.Lowest + static_cast<int64_t>(s);
            if (sums.Counts[s] == 0 || sum < target.MinBattleSum)
                continue;
            if (levels[static_cast<std::size_t>(sum - all.Lowest)] < target.MinLevel)
                continue;
            met += sums.Counts[s];
        }
    }
    const RollGrade::Range life = RollGrade::RangeOf(beast.TemplateAptitudes[6]);
    RollChance chance = Reduced(met, Wide{growths.size()} * all.Total);
    chance = Times(chance, Reduced(cut[6].Count(), life.Count()));
    chance_ = Times(chance, SkillChance(beast, target));
}

long double RollOdds::MeanRolls() const
{
    return Possible() ? 1.0L / chance_.Value() : 0.0L;
}

uint64_t RollOdds::Quantile(long double level) const
{
    if (!Possible())
        return 0;
    const long double p = chance_.Value();
    if (p >= 1.0L)
        return 1;
    // Smallest m with 1 - (1 - p)^m >= level.
    const long double m = std::ceil(std::log1p(-level) / std::log1p(-p));
    return static_cast<uint64_t>(std::max(1.0L, m));
}

std::vector<std::string> RollOdds::Lines() const
{
    if (!supported_)
        return {"这种召唤兽超出评级支持的范围，算不出几率。"};
    if (!Possible())
        return {"没有一只能满足这些条件。"};
    // From the exact fraction, half up, in integers: the percentage to
    // hundredths and the mean wait 1/p to whole rolls.
    const Wide n = chance_.Numerator;
    const Wide d = chance_.Denominator;
    const Wide hundredths = (2 * n * 10000 + d) / (2 * d);
    const std::string percent = hundredths == 0
        ? std::string("不到 0.01%")
        : Decimal(hundredths / 100) + "." + (hundredths % 100 < 10 ? "0" : "") + Decimal(hundredths % 100) + "%";
    const std::string mean = Decimal((2 * d + n) / (2 * n));
    return {"每只满足条件的几率：" + percent + "（约 " + mean + " 只中 1 只）",
            "平均要洗约 " + mean + " 只；一半把握 " + std::to_string(MedianRolls()) + " 只以内，九成把握 "
                + std::to_string(Percentile90Rolls()) + " 只以内"};
}
