#pragma once
// The rules of the correction dialog: a level, five attribute rows (体质, 法力,
// 力量, 耐力, 敏捷) each with a value between a floor and a ceiling, and the
// potential still to spend. The sum of the five values and the potential is
// kept constant by every step and by a ratio.
//
// The model reads the beast (Load) and writes it back (Commit); it alone owns
// the floors, the ceilings, the potential and the lowest level a commit
// writes. The window only shows these numbers and forwards the user's acts.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class TPet;

class ModifyModel {
public:
    static constexpr int RowCount = 5;
    static constexpr int32_t MaxLevel = 160;

    struct Row {
        int32_t value = 0;
        int32_t floor = 0;
        int32_t ceiling = 0;
    };

    enum class RatioResult { Applied, BadSum };

    struct CommitResult {
        bool ok = false;
        std::string offending;  // the level text that did not convert
        int32_t level = 0;      // the level written
    };

    // Takes the beast's name, level, five points and potential as the stored
    // values and loads the rows from them (LoadPoints).
    void Load(const TPet& beast);
    // Every row := its stored value as value and floor; ceiling = value +
    // potential.
    void LoadPoints();

    // A new level L. Above MaxLevel the level becomes 0 and the result says
    // so (the window shows "0"). Levels gained count from the stored level:
    // n = L - stored level, nothing for a level at or below it. Every row's
    // floor and value become stored + n, the potential stored + 5n; all moves
    // and ratios since the last load are gone. Returns the level in effect.
    int32_t ChangeLevel(int32_t level);

    // The level a commit writes for `typed`: a level above MaxLevel counts as
    // 0 (as in ChangeLevel), the result is never below the stored level, and
    // it always lies in 0 .. MaxLevel, whatever was typed or stored.
    int32_t WrittenLevel(int32_t typed) const;
    // One step of the level spinner from `shown` (nullopt: the text did not
    // convert, so the step starts at the lowest level). Runs from the stored
    // level, or 0 when that is lower, to MaxLevel; nullopt when the step
    // cannot move. Any stored or shown level is safe, INT32_MIN included.
    std::optional<int32_t> StepLevel(std::optional<int32_t> shown, bool up) const;

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

    // Writes Name, Level (WrittenLevel of the level text), the five points and
    // Potential, then recomputes the attributes. A level text that is not a
    // whole number writes nothing at all and is named in the result. The rows,
    // their floors and ceilings stay as they are; the written values become
    // the stored ones.
    CommitResult Commit(TPet& beast, const std::string& name, const std::string& levelText);

    const std::string& name() const { return name_; }
    int32_t storedLevel() const { return stored_.level; }
    const Row& row(int i) const { return rows_[static_cast<std::size_t>(i)]; }
    int32_t potential() const { return potential_; }

private:
    struct Stored {
        int32_t level = 0;
        std::array<int32_t, RowCount> points{};
        int32_t potential = 0;
    };

    void OpenCeilings();

    std::string name_;
    Stored stored_;
    std::array<Row, RowCount> rows_{};
    int32_t potential_ = 0;
};
