#pragma once
// The cheapest way, in expected price, to get a set of target skills onto a
// beast by hitting books: a Markov decision problem over the beast's state,
// solved exactly for the policy of least expected cost.
//
// The state is (n, a, b): n skills in the slots, a of them targets bought at
// the low price, b targets bought at the high price. A book the beast lacks
// opens a new slot with chance 1/(n+1)^2 and otherwise overwrites one of the
// n skills, each equally likely. The actions are: a low target book the
// beast lacks, a high target book it lacks, or a filler book (no target, not
// held). A held book is refused and costs nothing, so it is never an action.
// The goal is every target held and at least MinSkills skills; a state that
// meets it ends the plan.
//
// The skill count is capped at Cap (24 by default). The engine sets no upper
// bound, but the model needs a finite one: at n = Cap a book that would open
// a new slot keeps its skill and loses none, but the count stays at Cap. 24
// covers every minimum total the planner accepts (the window shows 12 slots,
// so 24 is twice what a player can see) and is far beyond where any plan
// goes by choice: from 12 skills, reaching 24 takes sum (k+1)^2, k = 12..23,
// about 4,250 lacking books on average. The tests measure the fold's effect
// against a higher cap.
//
// Prices are whole numbers from 1 to MaxPrice: a free book would let a plan
// pad without end at no cost. The plan never certifies.
//
// Exactness: values and expected counts come from policy iteration with
// exact solves of each layer's linear system in long double (residual of the
// Bellman equation well below 1e-12). Ties in expected cost (within 1e-12
// relative) go to the action with fewer expected books; remaining ties keep
// the order low target, high target, filler. The cost is a whole number, so
// its distribution lives on the integers; P(cost <= c) is computed level by
// level from the lower levels (prices are at least 1), each level a
// probability mix of earlier ones, so its rounding error grows at most by a
// few units of long double's epsilon per level (ErrorBound). A quantile is
// exact when P(cost <= c) at the levels around it stays farther than that
// bound from the quantile's level (Certain).

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

enum class PlanAction : uint8_t { Done, LowTarget, HighTarget, Filler };

struct PlanState {
    int Skills = 0;    // n; precondition 0 <= n <= Cap and LowHeld + HighHeld <= n
    int LowHeld = 0;   // a, 0 .. LowTargets
    int HighHeld = 0;  // b, 0 .. HighTargets
    bool operator==(const PlanState&) const = default;
};

struct PlanProblem {
    int LowTargets = 0;
    int HighTargets = 0;
    int MinSkills = 0;  // N; 0 for no minimum
    int LowPrice = 1;
    int HighPrice = 1;
    int FillerPrice = 1;
    bool Padding = true;  // false: a filler only once every target is held
    int Cap = 24;
};

// Expected figures from a state under the plan; the counts are books the
// beast lacked (refused books are never hit).
struct PlanFigures {
    long double Cost = 0;
    long double LowBooks = 0;
    long double HighBooks = 0;
    long double FillerBooks = 0;
};

struct CostQuantiles {
    int64_t Median = -1;        // least c with P(cost <= c) >= 1/2; -1: not reached
    int64_t Percentile90 = -1;  // least c with P(cost <= c) >= 9/10; -1: not reached
    bool Certain = false;       // both found and clear of the rounding bound
    long double ErrorBound = 0;  // on every P(cost <= c) computed
    // For Bounds: the quantiles lie in Median .. MedianHigh and
    // Percentile90 .. Percentile90High. Equal to the quantiles otherwise.
    int64_t MedianHigh = -1;
    int64_t Percentile90High = -1;
    bool Bounded() const { return MedianHigh != Median || Percentile90High != Percentile90; }
};

struct PlanOutcome {
    PlanState To;
    long double Chance = 0;
};

class BookPlanner {
public:
    static constexpr int MaxTargets = 12;
    static constexpr int MaxCap = 40;
    static constexpr int MaxPrice = 999;

    // Whether the problem is within range: 0 .. MaxTargets targets in all,
    // prices 1 .. MaxPrice, 0 <= MinSkills <= Cap, targets <= Cap <= MaxCap.
    static bool Valid(const PlanProblem& problem);

    // Solves the problem. Precondition: Valid(problem).
    explicit BookPlanner(const PlanProblem& problem);

    const PlanProblem& Problem() const { return problem_; }
    // Whether the state meets the goal.
    bool Done(PlanState state) const;
    // The plan's action; Done for a state that meets the goal.
    PlanAction Action(PlanState state) const;
    PlanFigures Figures(PlanState state) const;
    // Whether the action may be taken in the state (a target book needs a
    // target of its kind missing; a filler needs padding allowed or every
    // target held). Never for a state that meets the goal.
    bool Allowed(PlanState state, PlanAction action) const;
    // Price of the action plus the expected cost of the plan after it: the
    // right side of the Bellman equation. Precondition: Allowed.
    long double ActionCost(PlanState state, PlanAction action) const;
    // Where the action leads, each outcome with a positive chance, chances
    // summing to 1. Precondition: Allowed.
    std::vector<PlanOutcome> Outcomes(PlanState state, PlanAction action) const;
    int Price(PlanAction action) const;

    // P(cost <= c) for c = 0 .. last under the plan from `start`.
    std::vector<long double> CostDistribution(PlanState start, int64_t last) const;
    // The median and 90th percentile of the cost from `start`. Gives up
    // (leaving -1) when the work would exceed about `budget` state updates,
    // or soon after `*cancel` turns true. The work grows with the prices
    // divided by their greatest common divisor (CostUnit), not with the
    // prices themselves.
    CostQuantiles Quantiles(PlanState start, int64_t budget = 50'000'000,
                            const std::atomic<bool>* cancel = nullptr) const;
    // The greatest common divisor of the three prices: every cost is a
    // multiple of it.
    int64_t CostUnit() const;
    // Bounds on the quantiles, quick whatever the prices: the plan's costs
    // counted in units of `unit` (1 .. the lowest price), each price rounded
    // down and then up, give costs below and above the true one on every
    // path, so the true quantiles lie between theirs. The work shrinks with
    // the unit; the bounds widen by about unit / price of the cost.
    CostQuantiles Bounds(PlanState start, int64_t unit, const std::atomic<bool>* cancel = nullptr) const;
    // Quantiles where they are quick to work out (QuantileWork below about
    // two million), else Bounds in units of a 24th of the lowest price: a
    // few tens of milliseconds at the most, for the window's thread.
    CostQuantiles QuickQuantiles(PlanState start) const;
    // The number of cost levels times states that Quantiles walks, roughly,
    // judged from the expected cost: what makes it slow.
    long double QuantileWork(PlanState start) const;

private:
    struct Step {
        std::vector<std::pair<int, long double>> To;  // state index, chance
        int Price = 0;
        PlanAction Action = PlanAction::Done;
    };
    using Prices = std::array<int, 3>;  // low target, high target, filler
    int Index(PlanState state) const;
    PlanState StateAt(int index) const;
    bool Valid(PlanState state) const;
    void SolveLayer(int n);
    void EvaluateLayer(int n, const std::vector<PlanAction>& policy);
    std::vector<Step> Chain(PlanState start) const;
    // Walks P(cost <= c) level by level with `prices` (each at least 1) in
    // place of the problem's, in steps of their greatest common divisor.
    template <typename Stop>
    long double Walk(PlanState start, Prices prices, Stop stop) const;
    CostQuantiles QuantilesAt(PlanState start, Prices prices, int64_t budget,
                              const std::atomic<bool>* cancel) const;

    PlanProblem problem_;
    int width_ = 1;  // states per layer: (LowTargets + 1) * (HighTargets + 1)
    std::vector<PlanAction> action_;
    std::vector<PlanFigures> figures_;
    std::vector<long double> books_;  // expected books of every kind
};
