#include "ui/model/ModifyModel.h"

#include <algorithm>

void ModifyModel::Load(const std::array<int32_t, kRows>& stored, int32_t storedPotential, int32_t levelsGained)
{
    const int64_t n = std::max<int32_t>(levelsGained, 0);
    potential_ = int64_t{storedPotential} + 5 * n;
    for (int i = 0; i < kRows; ++i) {
        rows_[i].floor = stored[i] + n;
        rows_[i].value = rows_[i].floor;
        rows_[i].ceiling = rows_[i].value + potential_;
    }
}

int32_t ModifyModel::LevelsGained(int32_t storedLevel, int32_t level)
{
    if (level > 160)
        level = 0;
    return std::max<int32_t>(level - std::max<int32_t>(storedLevel, 0), 0);
}

bool ModifyModel::Step(int row, bool up)
{
    Row& r = rows_[row];
    if (up ? r.value >= r.ceiling : r.value <= r.floor)
        return false;
    if (up) {
        ++r.value;
        if (potential_ != 0 && --potential_ == 0)
            for (Row& each : rows_)
                each.ceiling = each.value;
    } else {
        --r.value;
        ++potential_;
        for (Row& each : rows_)
            each.ceiling = each.value + potential_;
    }
    return true;
}

bool ModifyModel::ApplyRatio(const std::array<int32_t, kRows>& weights)
{
    int64_t sum = 0;
    for (int32_t w : weights) {
        if (w < 0)
            return false;
        sum += w;
    }
    if (sum != 5 && sum != 10 && sum != 100)
        return false;
    std::array<int64_t, kRows> remainder{};
    int64_t left = potential_;
    for (int i = 0; i < kRows; ++i) {
        const int64_t share = weights[i] * potential_;
        rows_[i].value += share / sum;
        remainder[i] = share % sum;
        left -= share / sum;
    }
    for (; left > 0; --left) {
        const auto best = std::max_element(remainder.begin(), remainder.end());
        rows_[best - remainder.begin()].value += 1;
        *best = -1;
    }
    potential_ = 0;
    for (Row& each : rows_)
        each.ceiling = each.value;
    return true;
}
