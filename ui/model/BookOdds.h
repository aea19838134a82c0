#pragma once
// The exact odds of the next skill book for a beast, worked out from the
// book rule alone: a book the beast lacks opens a new slot with chance
// 1/(n+1)^2 for n skills held and otherwise overwrites one of the n skills,
// each equally likely. A book the beast holds, or holds certified, is
// refused and does not count as a book used.
//
// Every figure is exact: fractions in lowest terms, percentages rounded from
// the fraction with integer arithmetic, expected counts as whole numbers.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A fraction in lowest terms; the denominator is never 0.
struct Fraction {
    uint64_t Numerator = 0;
    uint64_t Denominator = 1;
    bool operator==(const Fraction&) const = default;
};

class BookOdds {
public:
    // The skill counts the expected-books table runs to.
    static constexpr std::size_t FirstTarget = 5;
    static constexpr std::size_t LastTarget = 12;

    // Reduces numerator/denominator. Precondition: denominator > 0.
    static Fraction Reduced(uint64_t numerator, uint64_t denominator);

    // 1/(n+1)^2: 1 for a beast without skills.
    static Fraction NewSlot(std::size_t held);
    // (1 - 1/(n+1)^2)/n, which is (n+2)/(n+1)^2; 0 when n is 0.
    static Fraction EachOverwrite(std::size_t held);
    // 1 - 1/(n+1)^2: some skill is overwritten.
    static Fraction AnyOverwrite(std::size_t held);

    // Expected books the beast takes, counting only books it lacks, to grow
    // from `held` to `target` skills: the sum of (k+1)^2 for k = held ..
    // target-1. 0 when target <= held.
    static uint64_t ExpectedBooks(std::size_t held, std::size_t target);

    // "1/25"; a whole number as "1/1" so that the form never changes.
    static std::string FractionText(Fraction f);
    // The fraction as a percentage with `digits` decimals, rounded half up:
    // 1/36 gives "2.78%", 1/1 "100.00%".
    static std::string PercentText(Fraction f, int digits = 2);

    // Whether the book would be refused: it stands in `skills` or equals the
    // certified skill. An empty book is never held.
    static bool Refused(const std::vector<std::string>& skills, const std::string& certified, const std::string& book);

    // The lines the record window shows under "下一本的几率" for a beast with
    // these skills when `book` (possibly empty: none chosen yet) is next.
    static std::vector<std::string> Lines(const std::vector<std::string>& skills, const std::string& certified,
                                          const std::string& book);
};
