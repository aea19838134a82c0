#pragma once
// The exact odds of the next skill book for a beast, worked out from the
// book rule alone: a book the beast lacks opens a new slot with chance
// 1/(n+1)^2 for n skills held and otherwise overwrites one of the n skills,
// each equally likely. A book the beast holds, or holds certified, is
// refused and does not count as a book used.
//
// Every figure is exact: fractions in lowest terms, percentages rounded from
// the fraction with integer arithmetic, expected counts as whole numbers.
// That holds for a beast of up to MaxHeld skills (the 64-bit products below
// fit); the distribution of the books still needed (Wait) is worked out for
// up to MaxWaitHeld skills, and its median and 90th percentile are exact as
// whole numbers of books: see Wait.

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

// The books (not refused) a beast takes to grow from one skill count to a
// target: the sum of geometric waits, one per missing skill, with chance
// 1/(j+1)^2 of success while it holds j skills.
struct BookWait {
    std::size_t Target = 0;
    uint64_t Mean = 0;          // exact: the sum of (j+1)^2
    uint64_t Median = 0;        // smallest m with P(reached within m) >= 1/2
    uint64_t Percentile90 = 0;  // smallest m with P(reached within m) >= 9/10
    // False only when rounding could have moved the median or the 90th
    // percentile by one book (never seen for the counts supported).
    bool Exact = true;
};

class BookOdds {
public:
    // The largest skill count whose fractions and percentages are exact.
    static constexpr std::size_t MaxHeld = 10000;
    // The largest skill count whose waits are worked out: beyond it the
    // 90th percentile runs to millions of books.
    static constexpr std::size_t MaxWaitHeld = 40;

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

    // The targets the record window lists: n + 1 up to LastTarget, and n + 1
    // and n + 2 once the beast holds LastTarget or more.
    static std::vector<std::size_t> Targets(std::size_t held);
    // P(reached `target` within m books) for m = 0 .. books, in long double.
    // Each value's relative error is below (1 + u)^(4m) - 1, u the unit
    // roundoff: every step is a sum of two non-negative products whose
    // factors carry at most 2u. Precondition: held <= target, held <=
    // MaxWaitHeld.
    static std::vector<long double> ReachedWithin(std::size_t held, std::size_t target, uint64_t books);
    // Mean, median and 90th percentile from `held` to `target` (held <
    // target <= MaxWaitHeld + 2). The quantiles are read from ReachedWithin
    // and count as exact only when the error bound keeps the CDF clear of
    // 1/2 and 9/10 at the books where it crosses them, so that the exact
    // CDF crosses them at the same whole number of books.
    static BookWait Wait(std::size_t held, std::size_t target);
    // Wait for each of Targets(held), in that order; empty beyond
    // MaxWaitHeld skills.
    static std::vector<BookWait> Waits(std::size_t held);

    // "1/25"; a whole number as "1/1" so that the form never changes.
    static std::string FractionText(Fraction f);
    // The fraction as a percentage with `digits` decimals, rounded half up:
    // 1/36 gives "2.78%", 1/1 "100.00%". Exact for digits <= 4 and a
    // denominator up to 9 * 10^12, the range MaxHeld keeps to.
    static std::string PercentText(Fraction f, int digits = 2);

    // Whether the book would be refused: it stands in `skills` or equals the
    // certified skill. An empty book is never held.
    static bool Refused(const std::vector<std::string>& skills, const std::string& certified, const std::string& book);

    // The lines the record window shows under "下一本的几率" for a beast with
    // these skills when `book` (possibly empty: none chosen yet) is next. A
    // refused book gets no odds, only the note that it will be refused.
    // `waits` is Waits(skills.size()), worked out once for the lines and
    // the chart.
    static std::vector<std::string> Lines(const std::vector<std::string>& skills, const std::string& certified,
                                          const std::string& book, const std::vector<BookWait>& waits);
    static std::vector<std::string> Lines(const std::vector<std::string>& skills, const std::string& certified,
                                          const std::string& book);
};
