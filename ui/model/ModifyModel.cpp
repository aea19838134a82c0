#include "ui/model/ModifyModel.h"

#include <algorithm>
#include <limits>

#include "engine/pet.h"
#include "engine/strict_number.h"

namespace {

// Stored numbers may be anything a custom beast was given; sums saturate
// rather than wrap so a ceiling never ends up below its value.
int32_t Saturate(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

void ModifyModel::Load(const TPet& beast)
{
    name_ = beast.Name;
    stored_ = {
        beast.Level, {beast.Physique, beast.Magic, beast.Strength, beast.Endurance, beast.Agility}, beast.Potential};
    LoadPoints();
}

void ModifyModel::LoadPoints()
{
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].value = stored_.points[i];
        rows_[i].floor = rows_[i].value;
    }
    potential_ = stored_.potential;
    OpenCeilings();
}

void ModifyModel::OpenCeilings()
{
    for (Row& r : rows_)
        r.ceiling = Saturate(int64_t{r.value} + potential_);
}

int32_t ModifyModel::ChangeLevel(int32_t level)
{
    if (level > MaxLevel)
        level = 0;
    LoadPoints();
    const int64_t gained = std::max<int64_t>(0, int64_t{level} - stored_.level);
    potential_ = Saturate(int64_t{stored_.potential} + 5 * gained);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].floor = Saturate(stored_.points[i] + gained);
        rows_[i].value = rows_[i].floor;
    }
    OpenCeilings();
    return level;
}

bool ModifyModel::Step(int row, bool up)
{
    if (row < 0 || row >= RowCount)
        return false;
    Row& r = rows_[static_cast<std::size_t>(row)];
    if (up) {
        if (r.value >= r.ceiling || potential_ <= 0)
            return false;
        ++r.value;
        --potential_;
        if (potential_ == 0)
            for (Row& each : rows_)
                each.ceiling = each.value;
        return true;
    }
    if (r.value <= r.floor || potential_ == std::numeric_limits<int32_t>::max())
        return false;
    --r.value;
    ++potential_;
    OpenCeilings();
    return true;
}

ModifyModel::RatioResult ModifyModel::ApplyRatio(const std::array<int32_t, RowCount>& weights)
{
    int64_t sum = 0;
    for (int32_t w : weights) {
        if (w < 0)
            return RatioResult::BadSum;
        sum += w;
    }
    if (sum != 5 && sum != 10 && sum != 100)
        return RatioResult::BadSum;

    const int64_t p = std::max<int32_t>(potential_, 0);
    std::array<int64_t, RowCount> share{};
    std::array<int64_t, RowCount> remainder{};
    int64_t left = p;
    for (std::size_t i = 0; i < share.size(); ++i) {
        share[i] = weights[i] * p / sum;
        remainder[i] = weights[i] * p % sum;
        left -= share[i];
    }
    // Fewer points are left than rows with a remainder, so each gets at most one.
    while (left > 0) {
        std::size_t best = 0;
        for (std::size_t i = 1; i < remainder.size(); ++i)
            if (remainder[i] > remainder[best])
                best = i;
        ++share[best];
        remainder[best] = -1;
        --left;
    }
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        rows_[i].value = Saturate(rows_[i].value + share[i]);
        rows_[i].ceiling = rows_[i].value;
    }
    if (potential_ > 0)
        potential_ = 0;
    return RatioResult::Applied;
}

int32_t ModifyModel::WrittenLevel(int32_t typed) const
{
    const int32_t level = typed > MaxLevel ? 0 : typed;
    return std::clamp(std::max(level, stored_.level), 0, MaxLevel);
}

std::optional<int32_t> ModifyModel::StepLevel(std::optional<int32_t> shown, bool up) const
{
    const int32_t floor = std::clamp(stored_.level, 0, MaxLevel);
    // A level outside the range first snaps into it, as the spinner only ever
    // shows levels inside it.
    const int32_t from = std::clamp(shown.value_or(floor), floor, MaxLevel);
    const int32_t to = up ? std::min(from + 1, MaxLevel) : std::max(from - 1, floor);
    if (to == from)
        return std::nullopt;
    return to;
}

ModifyModel::CommitResult ModifyModel::Commit(TPet& beast, const std::string& name, const std::string& levelText)
{
    CommitResult result;
    int32_t typed = 0;
    if (!ParseInt32(levelText, typed)) {
        result.offending = levelText;
        return result;
    }
    Stored written{WrittenLevel(typed), {}, potential_};
    for (std::size_t i = 0; i < rows_.size(); ++i)
        written.points[i] = rows_[i].value;

    beast.Name = name;
    beast.Level = written.level;
    beast.Physique = written.points[0];
    beast.Magic = written.points[1];
    beast.Strength = written.points[2];
    beast.Endurance = written.points[3];
    beast.Agility = written.points[4];
    beast.Potential = written.potential;
    beast.ComputeAttributes(beast.Level);

    name_ = name;
    stored_ = written;
    result.ok = true;
    result.level = written.level;
    return result;
}
