#include "ui/model/BookPlanner.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <limits>
#include <numeric>

namespace {
constexpr std::array<PlanAction, 3> Actions = {PlanAction::LowTarget, PlanAction::HighTarget, PlanAction::Filler};
constexpr int Quantities = 5;  // cost, books, low books, high books, filler books

using Quantity = std::array<long double, Quantities>;

// Solves a x = r in place (x for each of the Quantities right-hand sides)
// for an m-by-m matrix a, row-major, whose entries lie within `band` of the
// diagonal. Precondition: a is a nonsingular M-matrix, so elimination needs
// no pivoting and keeps to the band.
void SolveBanded(std::vector<long double>& a, std::vector<Quantity>& r, int band)
{
    const int m = static_cast<int>(r.size());
    const auto at = [&](int i, int j) -> long double& { return a[static_cast<std::size_t>(i * m + j)]; };
    const auto rhs = [&](int i) -> Quantity& { return r[static_cast<std::size_t>(i)]; };
    for (int k = 0; k < m; ++k) {
        const int last = std::min(m - 1, k + band);
        for (int i = k + 1; i <= last; ++i) {
            if (at(i, k) == 0)
                continue;
            const long double f = at(i, k) / at(k, k);
            for (int j = k; j <= last; ++j)
                at(i, j) -= f * at(k, j);
            for (int q = 0; q < Quantities; ++q)
                rhs(i)[static_cast<std::size_t>(q)] -= f * rhs(k)[static_cast<std::size_t>(q)];
        }
    }
    for (int i = m - 1; i >= 0; --i) {
        Quantity x = rhs(i);
        for (int j = i + 1; j <= std::min(m - 1, i + band); ++j)
            for (int q = 0; q < Quantities; ++q)
                x[static_cast<std::size_t>(q)] -= at(i, j) * rhs(j)[static_cast<std::size_t>(q)];
        for (long double& v : x)
            v /= at(i, i);
        rhs(i) = x;
    }
}

// Two expected values this close count as equal.
long double Tolerance(long double value)
{
    return 1e-12L * std::max(1.0L, std::fabs(value));
}
}  // namespace

bool BookPlanner::Valid(const PlanProblem& p)
{
    const int targets = p.LowTargets + p.HighTargets;
    const auto price = [](int v) { return v >= 1 && v <= MaxPrice; };
    return p.LowTargets >= 0 && p.HighTargets >= 0 && targets <= MaxTargets && price(p.LowPrice) && price(p.HighPrice)
        && price(p.FillerPrice) && p.MinSkills >= 0 && p.MinSkills <= p.Cap && p.Cap >= std::max(targets, 1)
        && p.Cap <= MaxCap;
}

BookPlanner::BookPlanner(const PlanProblem& problem)
    : problem_(problem), width_((problem.LowTargets + 1) * (problem.HighTargets + 1))
{
    const auto states = static_cast<std::size_t>((problem.Cap + 1) * width_);
    action_.assign(states, PlanAction::Done);
    figures_.assign(states, PlanFigures{});
    books_.assign(states, 0.0L);
    // A book never lowers the skill count, so each layer needs only the
    // layers above it.
    for (int n = problem.Cap; n >= 0; --n)
        SolveLayer(n);
}

int BookPlanner::Index(PlanState s) const
{
    return s.Skills * width_ + s.LowHeld * (problem_.HighTargets + 1) + s.HighHeld;
}

PlanState BookPlanner::StateAt(int index) const
{
    const int inLayer = index % width_;
    return {index / width_, inLayer / (problem_.HighTargets + 1), inLayer % (problem_.HighTargets + 1)};
}

bool BookPlanner::Valid(PlanState s) const
{
    return s.Skills >= 0 && s.Skills <= problem_.Cap && s.LowHeld >= 0 && s.LowHeld <= problem_.LowTargets
        && s.HighHeld >= 0 && s.HighHeld <= problem_.HighTargets && s.LowHeld + s.HighHeld <= s.Skills;
}

bool BookPlanner::Done(PlanState s) const
{
    return s.LowHeld == problem_.LowTargets && s.HighHeld == problem_.HighTargets && s.Skills >= problem_.MinSkills;
}

bool BookPlanner::Allowed(PlanState s, PlanAction action) const
{
    if (!Valid(s) || Done(s))
        return false;
    const bool allHeld = s.LowHeld == problem_.LowTargets && s.HighHeld == problem_.HighTargets;
    switch (action) {
    case PlanAction::LowTarget:
        return s.LowHeld < problem_.LowTargets;
    case PlanAction::HighTarget:
        return s.HighHeld < problem_.HighTargets;
    case PlanAction::Filler:
        return problem_.Padding || allHeld;
    case PlanAction::Done:
        return false;
    }
    return false;
}

PlanAction BookPlanner::Action(PlanState s) const
{
    return Valid(s) ? action_[static_cast<std::size_t>(Index(s))] : PlanAction::Done;
}

PlanFigures BookPlanner::Figures(PlanState s) const
{
    return Valid(s) ? figures_[static_cast<std::size_t>(Index(s))] : PlanFigures{};
}

int BookPlanner::Price(PlanAction action) const
{
    switch (action) {
    case PlanAction::LowTarget:
        return problem_.LowPrice;
    case PlanAction::HighTarget:
        return problem_.HighPrice;
    case PlanAction::Filler:
        return problem_.FillerPrice;
    case PlanAction::Done:
        return 0;
    }
    return 0;
}

std::vector<PlanOutcome> BookPlanner::Outcomes(PlanState s, PlanAction action) const
{
    const int n = s.Skills;
    const long double square = static_cast<long double>(n + 1) * (n + 1);
    const long double fresh = 1.0L / square;  // a new slot
    // Each slot's chance of being overwritten: (1 - 1/(n+1)^2) / n.
    const long double each = n == 0 ? 0.0L : static_cast<long double>(n + 2) / square;
    const int up = std::min(n + 1, problem_.Cap);
    const int da = action == PlanAction::LowTarget ? 1 : 0;
    const int db = action == PlanAction::HighTarget ? 1 : 0;
    const int others = n - s.LowHeld - s.HighHeld;
    std::vector<PlanOutcome> result;
    const auto add = [&](PlanState to, long double chance) {
        if (chance > 0)
            result.push_back({to, chance});
    };
    add({up, s.LowHeld + da, s.HighHeld + db}, fresh);
    add({n, s.LowHeld - 1 + da, s.HighHeld + db}, each * s.LowHeld);
    add({n, s.LowHeld + da, s.HighHeld - 1 + db}, each * s.HighHeld);
    add({n, s.LowHeld + da, s.HighHeld + db}, each * others);
    return result;
}

long double BookPlanner::ActionCost(PlanState s, PlanAction action) const
{
    long double after = 0;
    for (const PlanOutcome& o : Outcomes(s, action))
        after += o.Chance * figures_[static_cast<std::size_t>(Index(o.To))].Cost;
    return Price(action) + after;
}

void BookPlanner::EvaluateLayer(int n, const std::vector<PlanAction>& policy)
{
    // (I - P) x = r over the layer's states, banded: within a layer a book
    // moves a by at most one and b by at most one, so with index a*(H+1)+b
    // no entry lies farther than H+1 from the diagonal. I - P is a
    // nonsingular M-matrix for a plan that ends, so elimination needs no
    // pivoting and keeps to the band.
    const int m = width_;
    const int band = problem_.HighTargets + 1;
    const int base = n * m;
    std::vector<long double> a(static_cast<std::size_t>(m * m), 0.0L);
    std::vector<Quantity> r(static_cast<std::size_t>(m));
    const auto at = [&](int i, int j) -> long double& { return a[static_cast<std::size_t>(i * m + j)]; };
    for (int i = 0; i < m; ++i) {
        at(i, i) = 1;
        auto& rhs = r[static_cast<std::size_t>(i)];
        rhs.fill(0);
        const PlanState s = StateAt(base + i);
        const PlanAction act = policy[static_cast<std::size_t>(i)];
        if (!Valid(s) || act == PlanAction::Done)
            continue;
        rhs = {static_cast<long double>(Price(act)), 1, act == PlanAction::LowTarget ? 1.0L : 0.0L,
               act == PlanAction::HighTarget ? 1.0L : 0.0L, act == PlanAction::Filler ? 1.0L : 0.0L};
        for (const PlanOutcome& o : Outcomes(s, act)) {
            const int to = Index(o.To);
            if (o.To.Skills == n) {
                at(i, to - base) -= o.Chance;
                continue;
            }
            const auto& f = figures_[static_cast<std::size_t>(to)];
            const Quantity next = {f.Cost, books_[static_cast<std::size_t>(to)], f.LowBooks, f.HighBooks,
                                   f.FillerBooks};
            for (int q = 0; q < Quantities; ++q)
                rhs[static_cast<std::size_t>(q)] += o.Chance * next[static_cast<std::size_t>(q)];
        }
    }
    SolveBanded(a, r, band);
    for (int i = 0; i < m; ++i) {
        const auto& x = r[static_cast<std::size_t>(i)];
        const auto g = static_cast<std::size_t>(base + i);
        action_[g] = policy[static_cast<std::size_t>(i)];
        figures_[g] = {x[0], x[2], x[3], x[4]};
        books_[g] = x[1];
    }
}

void BookPlanner::SolveLayer(int n)
{
    const int base = n * width_;
    std::vector<PlanAction> policy(static_cast<std::size_t>(width_), PlanAction::Done);
    for (int i = 0; i < width_; ++i) {
        const PlanState s = StateAt(base + i);
        for (PlanAction act : Actions)
            if (Allowed(s, act)) {
                policy[static_cast<std::size_t>(i)] = act;  // targets first: a plan that ends
                break;
            }
    }
    EvaluateLayer(n, policy);
    // Least expected cost, then, among the actions that reach it, fewest
    // expected books. An action replaces the current one only when clearly
    // better, so that the iteration ends and ties keep the earlier action.
    for (int phase = 0; phase < 2; ++phase) {
        const auto value = [&](PlanState s, PlanAction act) {
            if (phase == 0)
                return ActionCost(s, act);
            long double after = 1;
            for (const PlanOutcome& o : Outcomes(s, act))
                after += o.Chance * books_[static_cast<std::size_t>(Index(o.To))];
            return after;
        };
        for (int round = 0; round < 100; ++round) {
            bool changed = false;
            for (int i = 0; i < width_; ++i) {
                PlanAction& current = policy[static_cast<std::size_t>(i)];
                const PlanState s = StateAt(base + i);
                if (current == PlanAction::Done)
                    continue;
                const long double cost = figures_[static_cast<std::size_t>(base + i)].Cost;
                long double best = value(s, current);
                for (PlanAction act : Actions) {
                    if (act == current || !Allowed(s, act))
                        continue;
                    if (phase == 1 && ActionCost(s, act) > cost + Tolerance(cost))
                        continue;
                    const long double v = value(s, act);
                    if (v < best - Tolerance(best)) {
                        best = v;
                        current = act;
                        changed = true;
                    }
                }
            }
            if (!changed)
                break;
            EvaluateLayer(n, policy);
        }
    }
}

std::vector<BookPlanner::Step> BookPlanner::Chain(PlanState start) const
{
    // The states the plan can reach from `start`, start first; a state that
    // meets the goal has no steps.
    std::vector<Step> steps;
    std::vector<int> local(action_.size(), -1);
    std::vector<int> order = {Index(start)};
    local[static_cast<std::size_t>(Index(start))] = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const PlanState s = StateAt(order[k]);
        const PlanAction act = Action(s);
        Step step;
        step.Price = Price(act);
        step.Action = act;
        if (act != PlanAction::Done) {
            for (const PlanOutcome& o : Outcomes(s, act)) {
                int& slot = local[static_cast<std::size_t>(Index(o.To))];
                if (slot < 0) {
                    slot = static_cast<int>(order.size());
                    order.push_back(Index(o.To));
                }
                step.To.emplace_back(slot, o.Chance);
            }
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

template <typename Stop> long double BookPlanner::Walk(PlanState start, Prices prices, Stop stop) const
{
    // F_c(s) = P(cost from s <= c) = sum of chance * F_{c - price}(to); every
    // price is at least 1, so level c needs only the MaxPrice levels below.
    // Every cost is a multiple of the prices' greatest common divisor, so
    // the levels go in steps of it: all prices 999 cost no more than all 1.
    std::vector<Step> steps = Chain(start);
    const int unit = std::gcd(std::gcd(prices[0], prices[1]), prices[2]);
    for (Step& step : steps)
        step.Price = step.Action == PlanAction::Done ? 0 : prices[static_cast<std::size_t>(step.Action) - 1] / unit;
    const std::size_t k = steps.size();
    const int rows = std::max({prices[0], prices[1], prices[2]}) / unit + 1;
    std::vector<long double> ring(static_cast<std::size_t>(rows) * k, 0.0L);
    // Each level mixes at most four earlier values with rounded chances.
    const long double perLevel = 8 * LDBL_EPSILON;
    long double bound = 0;
    for (int64_t c = 0;; ++c) {
        long double* level = &ring[static_cast<std::size_t>(c % rows) * k];
        for (std::size_t i = 0; i < k; ++i) {
            const Step& step = steps[i];
            if (step.To.empty()) {
                level[i] = 1;
                continue;
            }
            long double sum = 0;
            if (c >= step.Price) {
                const long double* before = &ring[static_cast<std::size_t>((c - step.Price) % rows) * k];
                for (const auto& [to, chance] : step.To)
                    sum += chance * before[to];
            }
            level[i] = sum;
        }
        bound += perLevel;
        if (stop(c, level[0], k, bound))
            return bound;
    }
}

std::vector<long double> BookPlanner::CostDistribution(PlanState start, int64_t last) const
{
    std::vector<long double> result;
    if (last < 0)
        return result;
    // Level c of the walk is the cost c * unit, and the costs up to the
    // next level share its chance.
    const int64_t unit = CostUnit();
    Walk(start, {problem_.LowPrice, problem_.HighPrice, problem_.FillerPrice},
         [&](int64_t c, long double f, std::size_t, long double) {
        for (int64_t k = 0; k < unit && static_cast<int64_t>(result.size()) <= last; ++k)
            result.push_back(f);
        return c * unit + unit > last;
    });
    return result;
}

int64_t BookPlanner::CostUnit() const
{
    return std::gcd(std::gcd(problem_.LowPrice, problem_.HighPrice), problem_.FillerPrice);
}

CostQuantiles BookPlanner::Quantiles(PlanState start, int64_t budget, const std::atomic<bool>* cancel) const
{
    return QuantilesAt(start, {problem_.LowPrice, problem_.HighPrice, problem_.FillerPrice}, budget, cancel);
}

CostQuantiles BookPlanner::QuantilesAt(PlanState start, Prices prices, int64_t budget,
                                       const std::atomic<bool>* cancel) const
{
    const int64_t unit = std::gcd(std::gcd(prices[0], prices[1]), prices[2]);
    CostQuantiles q;
    long double previous = 0;
    bool certain = true;
    const auto crossed = [&](int64_t c, long double f, long double level, long double bound) {
        if (f < level)
            return false;
        certain = certain && f - level >= bound && (c == 0 || level - previous > bound);
        return true;
    };
    int64_t work = 0;
    q.ErrorBound = Walk(start, prices, [&](int64_t c, long double f, std::size_t states, long double bound) {
        if (q.Median < 0 && crossed(c, f, 0.5L, bound))
            q.Median = c * unit;
        if (q.Median >= 0 && crossed(c, f, 0.9L, bound)) {
            q.Percentile90 = c * unit;
            return true;
        }
        previous = f;
        work += static_cast<int64_t>(states);
        return work > budget || (cancel && cancel->load(std::memory_order_relaxed));
    });
    q.Certain = certain && q.Percentile90 >= 0;
    q.MedianHigh = q.Median;
    q.Percentile90High = q.Percentile90;
    return q;
}

CostQuantiles BookPlanner::Bounds(PlanState start, int64_t unit, const std::atomic<bool>* cancel) const
{
    const int u = static_cast<int>(std::clamp<int64_t>(
        unit, 1, std::min({problem_.LowPrice, problem_.HighPrice, problem_.FillerPrice})));
    const auto rounded = [&](bool up) {
        Prices prices = {problem_.LowPrice, problem_.HighPrice, problem_.FillerPrice};
        for (int& price : prices)
            price = up ? (price + u - 1) / u : price / u;
        return prices;
    };
    const int64_t unbounded = std::numeric_limits<int64_t>::max();
    const Prices down = rounded(false), up = rounded(true);
    const CostQuantiles low = QuantilesAt(start, down, unbounded, cancel);
    const CostQuantiles high = QuantilesAt(start, up, unbounded, cancel);
    CostQuantiles q;
    if (low.Percentile90 < 0 || high.Percentile90 < 0)
        return q;
    // A rounded walk's quantile c bounds the true one by c * u; where the
    // walk's own rounding leaves its quantile uncertain, by one more level.
    const auto gcd = [](const Prices& p) { return static_cast<int64_t>(std::gcd(std::gcd(p[0], p[1]), p[2])); };
    const int64_t below = low.Certain ? 0 : gcd(down), above = high.Certain ? 0 : gcd(up);
    q.Median = std::max<int64_t>(0, low.Median - below) * u;
    q.Percentile90 = std::max<int64_t>(0, low.Percentile90 - below) * u;
    q.MedianHigh = (high.Median + above) * u;
    q.Percentile90High = (high.Percentile90 + above) * u;
    q.Certain = true;
    q.ErrorBound = std::max(low.ErrorBound, high.ErrorBound);
    return q;
}

CostQuantiles BookPlanner::QuickQuantiles(PlanState start) const
{
    if (QuantileWork(start) < 2e6L)
        return Quantiles(start);
    return Bounds(start, std::max(1, std::min({problem_.LowPrice, problem_.HighPrice, problem_.FillerPrice}) / 24));
}

long double BookPlanner::QuantileWork(PlanState start) const
{
    const long double levels = Figures(start).Cost / static_cast<long double>(CostUnit());
    return levels * static_cast<long double>(Chain(start).size());
}
