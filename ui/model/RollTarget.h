#pragma once
// What a player wants of a fresh roll ("洗到满意为止"), and the exact chance
// that one roll of a template meets it, worked out from the rolling rules:
// aptitudes uniform on their ranges, growth one of the listed choices,
// innate skills lost by the skill-loss rule (k of n lost with chance
// (2k + 1)/(n + 1)^2, the lost ones a uniform subset), fixed skills always
// kept, all drawn independently. The chance is an exact fraction; the
// figures of the wait (mean, median, 90th percentile of a geometric wait)
// follow from it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/model/RollGrade.h"

class TPet;

struct RollTarget {
    RollGrade::Level MinLevel = RollGrade::Level::Common;  // Common: any grade
    double MinGrowth = 0;                                  // 0: any growth
    int64_t MinBattleSum = 0;                              // 资质和 at least; 0: any
    std::array<int32_t, 7> MinAptitudes{};                 // each at least; 0: any
    std::vector<std::string> Skills;                       // skills the roll must hold
    std::size_t MinSkillCount = 0;                         // 0: any

    // Whether `beast` (a fresh roll of its template) meets every condition.
    bool MetBy(const TPet& beast) const;
    // The same with the beast's grade worked out already (RollGrade::Of).
    bool MetBy(const TPet& beast, const RollGrade::Result& grade) const;
};

// An exact chance: Numerator / Denominator, in 128 bits.
struct RollChance {
    unsigned __int128 Numerator = 0;
    unsigned __int128 Denominator = 1;
    long double Value() const;
};

class RollOdds {
public:
    // For the template `beast` was loaded from (its TemplateAptitudes,
    // GrowthChoices, InnateSkills and FixedSkills).
    RollOdds(const TPet& beast, const RollTarget& target);

    // False when the template lies outside what the grade supports; every
    // figure is then 0.
    bool Supported() const { return supported_; }
    // The chance that one roll meets the target; 0 when none can.
    const RollChance& Chance() const { return chance_; }
    bool Possible() const { return chance_.Numerator != 0; }

    // Rolls until the first that meets the target: the mean (1/p) and the
    // smallest numbers of rolls within which one meets it with chance at
    // least 1/2 and 9/10. 0 when no roll can.
    long double MeanRolls() const;
    uint64_t MedianRolls() const { return Quantile(0.5L); }
    uint64_t Percentile90Rolls() const { return Quantile(0.9L); }

    // "每只满足条件的几率：1.23%（约 81 只中 1 只）" and
    // "平均要洗约 81 只；一半把握 56 只以内，九成把握 186 只以内", or the one
    // line "没有一只能满足这些条件。".
    std::vector<std::string> Lines() const;

private:
    uint64_t Quantile(long double level) const;

    bool supported_ = false;
    RollChance chance_;
};
