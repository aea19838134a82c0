#include "ui/model/CostSpread.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
long double AtMost(const std::vector<long double>& atMost, int64_t cost)
{
    if (cost < 0)
        return 0;
    if (atMost.empty() || static_cast<std::size_t>(cost) >= atMost.size())
        return 1;
    return atMost[static_cast<std::size_t>(cost)];
}

std::string Fixed(double value, int digits)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", digits, value);
    return text;
}
}  // namespace

CostSpread CostSpread::Of(const std::vector<int64_t>& costs, const std::vector<long double>& atMost, std::size_t bins)
{
    CostSpread spread;
    if (costs.empty() || bins == 0)
        return spread;
    std::vector<int64_t> sorted = costs;
    std::sort(sorted.begin(), sorted.end());
    spread.Runs = sorted.size();
    double sum = 0;
    for (int64_t cost : sorted)
        sum += static_cast<double>(cost);
    spread.Mean = sum / static_cast<double>(sorted.size());
    spread.Median = sorted[(sorted.size() - 1) / 2];
    const int64_t low = sorted.front();
    const int64_t span = sorted.back() - low + 1;
    const int64_t width = (span + static_cast<int64_t>(bins) - 1) / static_cast<int64_t>(bins);
    for (int64_t from = low; from <= sorted.back(); from += width) {
        Bin bin;
        bin.From = from;
        bin.To = from + width - 1;
        const auto first = std::lower_bound(sorted.begin(), sorted.end(), bin.From);
        const auto past = std::upper_bound(sorted.begin(), sorted.end(), bin.To);
        bin.Simulated = static_cast<double>(past - first) / static_cast<double>(sorted.size());
        bin.Exact = AtMost(atMost, bin.To) - AtMost(atMost, bin.From - 1);
        spread.Bins.push_back(bin);
    }
    return spread;
}

std::string CostSpread::Description() const
{
    if (Runs == 0)
        return "还没有模拟";
    std::string text = "模拟 " + std::to_string(Runs) + " 次：平均 " + Fixed(Mean, 1) + "，一半不超过 "
        + std::to_string(Median) + "；各段花费的模拟比例与精确比例：";
    for (const Bin& bin : Bins)
        text += std::to_string(bin.From) + "–" + std::to_string(bin.To) + " " + Fixed(bin.Simulated * 100, 1) + "% 对 "
            + Fixed(static_cast<double>(bin.Exact) * 100, 1) + "%；";
    return text;
}
