#pragma once
// How good a rolled beast is among every roll of its template, worked out
// exactly from the rolling rules: aptitude k is uniform on T - b + 1 .. T
// (b = (18T + 49) div 100, the value T alone when b is 0) and growth is one
// of the template's listed choices, each equally likely, all independent.
//
// One score orders the rolls of a template: growth first, and between rolls
// of the same growth the sum of the six battle aptitudes (资质和). A roll's
// share is that of all rolls of its template at least as good on this
// score; 极品 is a share of at most 1 %, 优秀 at most 10 %. Since the rolls
// at least as good as the last 极品 roll include every 极品 roll, at most
// 1 % of all rolls are 极品 and at most 10 % 优秀 or better; and with two
// to MaxGrowthChoices growth choices a roll of the lowest growth is neither.
//
// The distribution of the battle sum comes from convolving the six uniform
// ranges as whole-number counts, so every share is an exact fraction:
// nothing is sampled and nothing is rounded before the text is written.

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
        // The growth's place among the template's distinct values, 1 for
        // the highest, and how many there are.
        std::size_t GrowthTier = 0;
        std::size_t GrowthTiers = 0;
        // The share of rolls at least as good on the score: a higher growth,
        // or the same growth and a battle sum at least as high. Growth and
        // aptitudes are drawn independently.
        Fraction AtLeast;
        Level Grade = Level::Common;
    };

    // Template aptitudes supported: 0 .. MaxTemplate, so that the product of
    // the six battle range sizes (at most 1081^6 < 2^61) and every count fit
    // in 64 bits. The built-in catalogue tops out at 6000.
    static constexpr int32_t MaxTemplate = 6000;
    // Growth choices supported (duplicates counted): 1 .. MaxGrowthChoices,
    // so that a share's denominator, choices times battle rolls, stays
    // below 2^64. The built-in catalogue lists five.
    static constexpr std::size_t MaxGrowthChoices = 8;
    // The lifespan stands alone: 0 .. 30000, where the bound formula holds.
    static constexpr int32_t MaxLifespan = 30000;

    // The roll range of a template aptitude T (0 .. MaxLifespan).
    static Range RangeOf(int32_t templateValue);
    // The battle-sum counts of a template; empty Counts when a template value
    // lies outside 0 .. MaxTemplate.
    static SumCounts BattleSums(const std::array<int32_t, 7>& templateAptitudes);
    // The same for six ranges of whole numbers (each Low <= High, and the
    // product of their sizes below 2^61), such as a template's ranges cut
    // at a minimum.
    static SumCounts SumsOf(const std::array<Range, 6>& ranges);
    // The level of a roll of growth `growth` for every battle sum of a
    // template (`sums`: its BattleSums), indexed by sum - sums.Lowest; one
    // pass over the sums, no fraction reduced. Empty when the growth choices
    // are unsupported or `growth` is none of them.
    static std::vector<Level> LevelsBySum(const SumCounts& sums, const std::string& growthChoices, double growth);
    // Grades `beast` against its own TemplateAptitudes and GrowthChoices.
    static Result Of(const TPet& beast);

    // The exact share of all rolls of a template that get each level,
    // indexed by Level; all zero for a template outside the supported range.
    static std::array<Fraction, 3> LevelShares(const std::array<int32_t, 7>& templateAptitudes,
                                               const std::string& growthChoices);

    // 极品: atLeast <= 1/100; 优秀: <= 1/10; else 普通. Exact for any 64-bit
    // fraction.
    static Level LevelFor(Fraction atLeast);
    static std::string LevelName(Level level);
    // The rule in words, for the record window.
    static std::string RuleText();
    // "优秀：胜过 95.9% 的同种（成长 最高档，资质和 胜过 79.4%，寿命 胜过 28.6%）";
    // "超出本种范围，不评级" when invalid.
    static std::string Summary(const Result& result);
    // "最高档", "最低档", "第 2 档（共 5 档）"; "只有一档" for a single value.
    static std::string GrowthTierText(const Result& result);
    // One line per aptitude, growth and the grade, and the template's shares
    // of each level, for a tooltip; one line saying why for a result that
    // is not Valid.
    static std::vector<std::string> DetailLines(const TPet& beast, const Result& result);
    // The level's name, or "不评级".
    static std::string MarkText(const Result& result);
    // The share of rolls below one whose share at least as good is
    // `atLeast`, as a percentage with one decimal, half up ("26.9%").
    static std::string Beats(Fraction atLeast);
    // The fraction as a percentage with two decimals, half up, exact for any
    // 64-bit fraction.
    static std::string Percent(Fraction f);
};
