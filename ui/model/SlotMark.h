#pragma once
// Which skill slot the last action changed, so that the panel can mark it
// until the next action: a new slot, an overwritten one, or the certified
// slot after a certification. Nothing for any other action, a refused book
// or a slot the panel does not show.

#include <string>

struct BeastChange;

struct SlotMark {
    enum class Kind { None, New, Swapped, Certified };
    Kind kind = Kind::None;
    int slot = -1;  // counted from 0; -1 with None

    // The small sign drawn on the slot: "新", "换", "认"; empty for None.
    std::string Sign() const;
    // "第 3 格新增" and the like, for screen readers; empty for None.
    std::string Description() const;

    static SlotMark For(const BeastChange& change);
};
