#include "engine/strict_number.h"

#include <charconv>
#include <string>

namespace {

// Strips one leading sign; std::from_chars takes "-" but not "+".
std::string_view SplitSign(std::string_view text, bool& negative)
{
    negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    return text;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

bool ParseInt32(std::string_view text, int32_t& value)
{
    bool negative = false;
    const std::string_view digits = SplitSign(text, negative);
    if (digits.empty())
        return false;
    for (char c : digits)
        if (!IsDigit(c))
            return false;
    // Parse the magnitude with its sign so that -2147483648 is accepted.
    std::string signedDigits;
    signedDigits.reserve(digits.size() + 1);
    if (negative)
        signedDigits.push_back('-');
    signedDigits.append(digits);
    int32_t parsed = 0;
    const char* end = signedDigits.data() + signedDigits.size();
    const auto [ptr, ec] = std::from_chars(signedDigits.data(), end, parsed, 10);
    if (ec != std::errc() || ptr != end)
        return false;
    value = parsed;
    return true;
}

bool ParseDecimal(std::string_view text, double& value)
{
    bool negative = false;
    const std::string_view body = SplitSign(text, negative);
    int digitCount = 0;
    int pointCount = 0;
    for (char c : body) {
        if (IsDigit(c))
            ++digitCount;
        else if (c == '.')
            ++pointCount;
        else
            return false;
    }
    if (digitCount == 0 || pointCount > 1)
        return false;
    // from_chars does not take "5." or ".5" in every library; pad them.
    std::string normal;
    normal.reserve(body.size() + 3);
    if (negative)
        normal.push_back('-');
    if (body.front() == '.')
        normal.push_back('0');
    normal.append(body);
    if (normal.back() == '.')
        normal.push_back('0');
    double parsed = 0.0;
    const char* end = normal.data() + normal.size();
    const auto [ptr, ec] = std::from_chars(normal.data(), end, parsed, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end)
        return false;
    value = parsed;
    return true;
}
