#include "ui/model/BookOdds.h"

#include <algorithm>
#include <numeric>

namespace {
uint64_t SquareAfter(std::size_t held)
{
    const uint64_t next = static_cast<uint64_t>(held) + 1;
    return next * next;
}

std::string Both(Fraction f)
{
    return BookOdds::FractionText(f) + " = " + BookOdds::PercentText(f);
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

std::vector<std::string> BookOdds::Lines(const std::vector<std::string>& skills, const std::string& certified,
                                         const std::string& book)
{
    const std::size_t n = skills.size();
    std::vector<std::string> lines;
    lines.push_back("现有 " + std::to_string(n) + " 个技能");
    if (Refused(skills, certified, book))
        lines.push_back("下一本 " + book + "：已有此技能，不会使用，不计本数");
    else if (!book.empty())
        lines.push_back("下一本 " + book + "：");
    else
        lines.push_back("下一本（还未选书）：");
    lines.push_back("新增一格：" + Both(NewSlot(n)));
    if (n == 0) {
        lines.push_back("没有可覆盖的技能");
    } else {
        lines.push_back("覆盖一个已有技能：" + Both(AnyOverwrite(n)));
        lines.push_back("其中每个技能被覆盖：" + Both(EachOverwrite(n)));
    }
    lines.push_back("平均还要几本（只算没有的技能书）：");
    if (n >= LastTarget)
        lines.push_back("已有 " + std::to_string(LastTarget) + " 个或更多技能");
    for (std::size_t target = std::max(FirstTarget, n + 1); target <= LastTarget; ++target)
        lines.push_back("到 " + std::to_string(target) + " 个技能：" + std::to_string(ExpectedBooks(n, target))
                        + " 本");
    lines.push_back("已有此技能的书被拒，不计本数");
    return lines;
}
