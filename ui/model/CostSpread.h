#pragma once
// The spread of a plan's cost for a chart: the costs of simulated runs and
// the exact distribution, gathered into the same bins of whole numbers, with
// the share of each in every bin. The chart only draws it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct CostSpread {
    struct Bin {
        int64_t From = 0;  // costs From .. To, both included
        int64_t To = 0;
        double Simulated = 0;   // share of the runs
        long double Exact = 0;  // P(From <= cost <= To)
    };

    // At most `bins` bins of equal width over the runs' lowest .. highest
    // cost. `atMost` is P(cost <= c) for c = 0 .. some last cost (at least
    // the runs' highest); costs beyond it count as P 1. Empty runs: no bins.
    static CostSpread Of(const std::vector<int64_t>& costs, const std::vector<long double>& atMost,
                         std::size_t bins = 20);

    std::vector<Bin> Bins;
    double Mean = 0;     // of the runs
    int64_t Median = 0;  // of the runs: the least c with at least half at or below
    std::size_t Runs = 0;
    // "模拟 1000 次：平均 64.8，一半不超过 60；每段的模拟与精确比例：…" for
    // screen readers.
    std::string Description() const;
};
