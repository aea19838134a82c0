#pragma once
// What the record window's chart draws for a beast with `held` skills:
// P(reached k skills within m books) against m for a few targets k, and the
// books the axis runs to. Worked out from the waits the odds already hold;
// the chart widget only draws the result.

#include <cstddef>
#include <string>
#include <vector>

#include "ui/model/BookOdds.h"

struct ReachCurves {
    struct Curve {
        BookWait Wait;                     // the target, its median and 90th percentile
        std::vector<long double> Reached;  // index m: P(reached within m books)
    };

    // The most curves drawn: the next three targets and the last.
    static constexpr std::size_t MaxCurves = 4;

    // `waits` is BookOdds::Waits(held); empty waits (too many skills) give
    // no curves and 0 books.
    static ReachCurves For(std::size_t held, const std::vector<BookWait>& waits);

    std::vector<Curve> Curves;
    // The books the axis runs to: a little past the farthest curve's 90th
    // percentile.
    std::size_t Books = 0;
    // For screen readers: where each curve passes one half and nine tenths.
    std::string Description;
};
