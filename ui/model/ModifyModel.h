#pragma once
// The working values of the correction dialog: five attribute rows (value,
// floor, ceiling) and the potential still to spend. The sum of the values and
// the potential stays constant under steps and ratios.

#include <array>
#include <cstdint>

class ModifyModel {
public:
    static constexpr int kRows = 5;
    struct Row {
        int64_t value = 0, floor = 0, ceiling = 0;
    };

    // Rows from the stored points plus n levels gained (n < 0 counts as 0).
    void Load(const std::array<int32_t, kRows>& stored, int32_t storedPotential, int32_t levelsGained);
    // Levels gained going from the stored level to `level`; none above 160.
    static int32_t LevelsGained(int32_t storedLevel, int32_t level);

    // One step of a row's spinner; false when the row cannot move.
    bool Step(int row, bool up);
    // Hands out the potential by the weights (sum 5, 10 or 100, none
    // negative) with the largest-remainder rule; false refuses them.
    bool ApplyRatio(const std::array<int32_t, kRows>& weights);

    const Row& row(int i) const { return rows_[i]; }
    int64_t potential() const { return potential_; }

private:
    std::array<Row, kRows> rows_{};
    int64_t potential_ = 0;
};
