#pragma once
// The rules of the correction dialog: a level, five attribute rows (体质, 法力,
// 力量, 耐力, 敏捷) each with a value between a floor and a ceiling, and the
// potential still to spend. The sum of the five values and the potential is
// kept constant by every step and by a ratio.
//
// The rows start from what the beast stores (Load). The window shows these
// numbers and writes them back on commit through Plan.

#include <array>
#include <cstdint>

class ModifyModel {
public:
    static constexpr int RowCount = 5;
    static constexpr int32_t MaxLevel = 160;

    struct Row {
        int32_t value = 0;
        int32_t floor = 0;
        int32_t ceiling = 0;
    };

    // What the beast stores: its level, the five points in row order, its
    // potential.
    struct Stored {
        int32_t level = 0;
        std::array<int32_t, RowCount> points{};
        int32_t potential = 0;
    };

    enum class RatioResult { Applied, BadSum };

    // Takes the stored values and loads the rows from them (LoadPoints).
    void Load(const Stored& stored);
    // Every row := its stored value as value and floor; ceiling = value +
    // potential.
    void LoadPoints();

    // A new level L. Above MaxLevel the level becomes 0 and the result says
    // so (the window shows "0"). Levels gained count from the stored level:
    // n = L - stored level, nothing for a level at or below it. Every row's
    // floor and value become stored + n, the potential stored + 5n; all moves
    // and ratios since the last load are gone. Returns the level in effect.
    int32_t ChangeLevel(int32_t level);

    // One step of a row's spinner. Up moves only below the ceiling and costs
    // one potential point; reaching potential 0 fixes every ceiling at its
    // value. Down moves only above the floor and gives the point back, every
    // ceiling becoming value + potential. Returns whether the value moved.
    bool Step(int row, bool up);

    // Shares the potential by `weights` whose sum must be 5, 10 or 100 and
    // none of them negative (else BadSum and nothing changes). Each row gets
    // its share rounded down; the points still left go one by one to the rows
    // with the largest remainders, earlier rows first on ties, so exactly the
    // potential is handed out. Then every ceiling is fixed at its value and
    // a positive potential becomes 0; floors stay.
    RatioResult ApplyRatio(const std::array<int32_t, RowCount>& weights);

    // What a commit writes for a typed level: the rows and the potential as
    // they stand, and the level, never below the stored level.
    Stored Plan(int32_t typedLevel) const;
    // After a commit: `written` is what the beast now stores. The rows, their
    // floors and ceilings stay as they are.
    void Remember(const Stored& written) { stored_ = written; }

    const Row& row(int i) const { return rows_[static_cast<std::size_t>(i)]; }
    int32_t potential() const { return potential_; }
    const Stored& stored() const { return stored_; }

private:
    void OpenCeilings();

    Stored stored_;
    std::array<Row, RowCount> rows_{};
    int32_t potential_ = 0;
};
