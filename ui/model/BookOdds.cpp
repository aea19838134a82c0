#include "ui/model/BookOdds.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <numeric>

namespace {
// PercentText forms 2 * n * 100 * 10^digits with n <= d: exact in 64 bits for
// 4 digits and d up to this; the largest denominator here, (n+1)^2 n for
// MaxHeld skills, stays below it.
constexpr uint64_t MaxExactDenominator = 9'000'000'000'000ull;
static_assert(MaxExactDenominator <= std::numeric_limits<uint64_t>::max() / (2 * 100 * 10'000));
static_assert(uint64_t{BookOdds::MaxHeld + 1} * (BookOdds::MaxHeld + 1) * BookOdds::MaxHeld <= MaxExactDenominator);

uint64_t SquareAfter(std::size_t held)
{
    const uint64_t next = static_cast<uint64_t>(held) + 1;
    return next * next;
}

std::string Both(Fraction f)
{
    return BookOdds::FractionText(f) + " = " + BookOdds::PercentText(f);
}
// Reads the median and 90th percentile of the books from `held` to `target`
// off the CDF up to `limit` books; false when the CDF has not reached 9/10
// by then. Sets wait.Exact to false where rounding could decide a crossing.
bool FindQuantiles(std::size_t held, std::size_t target, uint64_t limit, BookWait& wait)
{
    const std::vector<long double> reached = BookOdds::ReachedWithin(held, target, limit);
    const long double u = std::numeric_limits<long double>::epsilon() / 2;
    struct Quantile {
        uint64_t numerator, denominator;
        uint64_t* books;
        bool found = false;
    } quantiles[] = {{1, 2, &wait.Median}, {9, 10, &wait.Percentile90}};
    bool exact = true;
    for (uint64_t m = 0; m < reached.size(); ++m) {
        // (1 + u)^(4m) - 1 for 4mu far below 1, plus the comparison's own
        // two roundings.
        const long double slack = 4.04L * static_cast<long double>(m) * u + 4 * u;
        for (Quantile& q : quantiles) {
            if (q.found)
                continue;
            const long double scaled = reached[m] * static_cast<long double>(q.denominator);
            const auto level = static_cast<long double>(q.numerator);
            if (scaled < level * (1 - slack))
                continue;  // surely below
            if (scaled < level * (1 + slack))
                exact = false;  // too close to tell which side
            if (scaled < level)
                continue;
            *q.books = m;
            q.found = true;
        }
    }
    wait.Exact = exact;
    return quantiles[1].found;
}
}  // namespace

Fraction BookOdds::Reduced(uint64_t numerator, uint64_t denominator)
{
    const uint64_t divisor = std::gcd(numerator, denominator);
    if (divisor == 0)
        return {0, 1};
    return {numerator / divisor, denominator / divisor};
}

Fraction BookOdds::NewSlot(std::size_t held)
{
    return Reduced(1, SquareAfter(held));
}

Fraction BookOdds::EachOverwrite(std::size_t held)
{
    if (held == 0)
        return {0, 1};
    const uint64_t square = SquareAfter(held);
    return Reduced(square - 1, square * held);
}

Fraction BookOdds::AnyOverwrite(std::size_t held)
{
    const uint64_t square = SquareAfter(held);
    return Reduced(square - 1, square);
}

std::vector<std::size_t> BookOdds::Targets(std::size_t held)
{
    std::vector<std::size_t> targets;
    const std::size_t last = std::max(LastTarget, held + 2);
    for (std::size_t target = held + 1; target <= last; ++target)
        targets.push_back(target);
    return targets;
}

std::vector<long double> BookOdds::ReachedWithin(std::size_t held, std::size_t target, uint64_t books)
{
    assert(held <= target && held <= MaxWaitHeld);
    const std::size_t missing = target - held;
    // chance[j]: a new slot while the beast holds held + j skills.
    std::vector<long double> chance(missing);
    for (std::size_t j = 0; j < missing; ++j)
        chance[j] = 1.0L / static_cast<long double>(SquareAfter(held + j));
    // spread[j]: P(j new skills so far); spread[missing] absorbs.
    std::vector<long double> spread(missing + 1, 0.0L);
    spread[0] = 1.0L;
    std::vector<long double> reached{spread[missing]};
    reached.reserve(static_cast<std::size_t>(books) + 1);
    for (uint64_t m = 1; m <= books; ++m) {
        for (std::size_t j = missing; j > 0; --j) {
            const long double stay = j == missing ? spread[j] : spread[j] * (1.0L - chance[j]);
            spread[j] = stay + spread[j - 1] * chance[j - 1];
        }
        spread[0] *= 1.0L - chance[0];
        reached.push_back(spread[missing]);
    }
    return reached;
}

BookWait BookOdds::Wait(std::size_t held, std::size_t target)
{
    assert(held < target && target <= MaxWaitHeld + 2);
    BookWait wait;
    wait.Target = target;
    wait.Mean = ExpectedBooks(held, target);
    // Four means cover the 90th percentile of every wait listed (one
    // geometric wait passes 4 means with chance below e^-4); should one not,
    // the CDF is worked out further.
    for (uint64_t limit = 4 * wait.Mean + 40; !FindQuantiles(held, target, limit, wait); limit *= 4) {}
    return wait;
}

uint64_t BookOdds::ExpectedBooks(std::size_t held, std::size_t target)
{
    uint64_t sum = 0;
    for (std::size_t k = held; k < target; ++k)
        sum += SquareAfter(k);
    return sum;
}

std::string BookOdds::FractionText(Fraction f)
{
    return std::to_string(f.Numerator) + "/" + std::to_string(f.Denominator);
}

std::string BookOdds::PercentText(Fraction f, int digits)
{
    assert(digits >= 0 && digits <= 4 && f.Denominator <= MaxExactDenominator && f.Numerator <= f.Denominator);
    uint64_t unit = 1;  // 10^digits: hundredths of a percent for 2 digits
    for (int i = 0; i < digits; ++i)
        unit *= 10;
    // Half up, in integers: (2 * n * 100 * unit + d) / (2 * d).
    const uint64_t units = (2 * f.Numerator * 100 * unit + f.Denominator) / (2 * f.Denominator);
    std::string text = std::to_string(units / unit);
    if (digits > 0) {
        std::string decimals = std::to_string(units % unit);
        decimals.insert(0, static_cast<std::size_t>(digits) - decimals.size(), '0');
        text += "." + decimals;
    }
    return text + "%";
}

bool BookOdds::Refused(const std::vector<std::string>& skills, const std::string& certified, const std::string& book)
{
    if (book.empty())
        return false;
    return book == certified || std::find(skills.begin(), skills.end(), book) != skills.end();
}

std::vector<BookWait> BookOdds::Waits(std::size_t held)
{
    std::vector<BookWait> waits;
    if (held > MaxWaitHeld)
        return waits;
    for (std::size_t target : Targets(held))
        waits.push_back(Wait(held, target));
    return waits;
}

std::vector<std::string> BookOdds::Lines(const std::vector<std::string>& skills, const std::string& certified,
                                         const std::string& book)
{
    return Lines(skills, certified, book, Waits(skills.size()));
}

std::vector<std::string> BookOdds::Lines(const std::vector<std::string>& skills, const std::string& certified,
                                         const std::string& book, const std::vector<BookWait>& waits)
{
    const std::size_t n = skills.size();
    std::vector<std::string> lines;
    lines.push_back("现有 " + std::to_string(n) + " 个技能" + (certified.empty() ? "" : "，另认证 1 个"));
    if (n > MaxHeld) {
        lines.push_back("技能太多，几率不再精确计算");
        return lines;
    }
    if (Refused(skills, certified, book)) {
        lines.push_back("下一本 " + book + "：" + (book == certified ? "已认证此技能" : "已有此技能")
                        + "，会被拒绝，不计本数");
    } else {
        lines.push_back(book.empty() ? "下一本（还未选书）：" : "下一本 " + book + "：");
        lines.push_back("新增一格：" + Both(NewSlot(n)));
        if (n == 0) {
            lines.push_back("没有可覆盖的技能");
        } else {
            lines.push_back("覆盖一个已有技能：" + Both(AnyOverwrite(n)));
            lines.push_back("其中每个技能被覆盖：" + Both(EachOverwrite(n)));
        }
    }
    lines.push_back("还要打几本新书（平均 / 一半把握 / 九成把握）：");
    if (n > MaxWaitHeld) {
        for (std::size_t target : Targets(n))
            lines.push_back("到 " + std::to_string(target) + " 个：平均 " + std::to_string(ExpectedBooks(n, target))
                            + " 本");
    }
    for (const BookWait& wait : waits) {
        const std::size_t target = wait.Target;
        const std::string near = wait.Exact ? "" : "约 ";
        // Short enough not to wrap in the record window beside the main one.
        lines.push_back("到 " + std::to_string(target) + " 个：" + std::to_string(wait.Mean) + " / " + near
                        + std::to_string(wait.Median) + " / " + near + std::to_string(wait.Percentile90) + " 本");
    }
    lines.push_back("已有此技能的书被拒，不计本数");
    return lines;
}
