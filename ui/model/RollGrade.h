#pragma once
// How good a rolled beast is among every roll of its template, worked out
// exactly from the rolling rules: aptitude k is uniform on T - b + 1 .. T
// (b = (18T + 49) div 100, the value T alone when b is 0) and growth is one
// of the template's listed choices, each equally likely, all independent.
//
// The distribution of the sum of the six battle aptitudes comes from
// convolving the six uniform ranges as whole-number counts, so every share
// is an exact fraction: nothing is sampled and nothing is rounded before
// the text is written.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/model/BookOdds.h"

class TPet;

class RollGrade {
public:
    enum class Level { Common, Good, Superb };  // 普通, 优秀, 极品

    // A template's roll range for one aptitude.
    struct Range {
        int32_t Low = 0;
        int32_t High = 0;
        uint32_t Count() const { return static_cast<uint32_t>(High - Low + 1); }
    };

    // The number of rolls with each sum of the six battle aptitudes: counts
    // [s - Lowest] rolls have sum s; Total is the product of the six range
    // sizes.
    struct SumCounts {
        int64_t Lowest = 0;
        std::vector<uint64_t> Counts;
        uint64_t Total = 0;
    };

    struct Result {
        // False when the beast lies outside its template's ranges (a
        // corrected or hand-built beast) or the template is out of the
        // supported range; every other field is then left at its default.
        bool Valid = false;
        std::array<Range, 7> Ranges{};
        // Per aptitude: the share of rolls whose value is at least this one.
        std::array<Fraction, 7> AptitudeAtLeast{};
        int64_t BattleSum = 0;
        Fraction BattleAtLeast;    // share of rolls with a battle sum >= this one
        Fraction LifespanAtLeast;  // share of rolls with a lifespan >= this one
        Fraction GrowthAtLeast;    // share of rolls with a growth >= this one
        // Share of rolls at least as good in both battle sum and growth: the
        // product of the two, since they are drawn independently.
        Fraction BothAtLeast;
        Level Grade = Level::Common;
    };

    // Template aptitudes supported: 0 .. MaxTemplate, so that the product of
    // the six battle range sizes (at most 1081^6 < 2^61) and every count fit
    // in 64 bits. The built-in catalogue tops out at 6000.
    static constexpr int32_t MaxTemplate = 6000;
    // The lifespan stands alone: 0 .. 30000, where the bound formula holds.
    static constexpr int32_t MaxLifespan = 30000;

    // The roll range of a template aptitude T (0 .. MaxLifespan).
    static Range RangeOf(int32_t templateValue);
    // The battle-sum counts of a template; empty Counts when a template value
    // lies outside 0 .. MaxTemplate.
    static SumCounts BattleSums(const std::array<int32_t, 7>& templateAptitudes);
    // Grades `beast` against its own TemplateAptitudes and GrowthChoices.
    static Result Of(const TPet& beast);

    // 极品: BothAtLeast <= 1/100; 优秀: <= 1/10; else 普通.
    static Level LevelFor(Fraction bothAtLeast);
    static std::string LevelName(Level level);
    // The rule in words, for the record window.
    static std::string RuleText();
    // "优秀（资质和 前 4.12%，成长 前 20.00%）"; "超出本种范围，不评级" when invalid.
    static std::string Summary(const Result& result);
    // One line per aptitude, growth and the grade, for a tooltip.
    static std::vector<std::string> DetailLines(const TPet& beast, const Result& result);
    // The fraction as a percentage with two decimals, half up, exact for any
    // 64-bit fraction.
    static std::string Percent(Fraction f);
};
