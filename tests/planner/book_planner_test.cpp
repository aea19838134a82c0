// The planner against exact fractions: hand-solved values, an exact
// evaluation and improvement check of the returned plan in rationals, and
// the cost distribution by exact dynamic programming.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numeric>
#include <vector>

#include "ui/model/BookPlanner.h"

namespace {

using Int = __int128;

Int Gcd(Int a, Int b)
{
    if (a < 0)
        a = -a;
    if (b < 0)
        b = -b;
    while (b != 0) {
        const Int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// A fraction in lowest terms with 128-bit parts; overflow fails the test.
struct Q {
    Int num = 0;
    Int den = 1;
    Q(Int n = 0, Int d = 1) : num(n), den(d)
    {
        if (den < 0) {
            num = -num;
            den = -den;
        }
        const Int g = Gcd(num, den);
        if (g > 1) {
            num /= g;
            den /= g;
        }
    }
    static Int Mul(Int a, Int b)
    {
        Int r = 0;
        if (__builtin_mul_overflow(a, b, &r))
            ADD_FAILURE() << "rational overflow";
        return r;
    }
    friend Q operator+(Q a, Q b)
    {
        const Int g = Gcd(a.den, b.den);
        return {Mul(a.num, b.den / g) + Mul(b.num, a.den / g), Mul(a.den / g, b.den)};
    }
    friend Q operator-(Q a, Q b) { return a + Q(-b.num, b.den); }
    friend Q operator*(Q a, Q b)
    {
        const Q x(a.num, b.den);
        const Q y(b.num, a.den);
        return {Mul(x.num, y.num), Mul(x.den, y.den)};
    }
    friend Q operator/(Q a, Q b) { return a * Q(b.den, b.num); }
    friend bool operator<(Q a, Q b) { return (a - b).num < 0; }
    friend bool operator==(Q a, Q b) { return a.num == b.num && a.den == b.den; }
    long double Value() const { return static_cast<long double>(num) / static_cast<long double>(den); }
};

// The exact chances of one book, from the rule alone (not from the solver).
std::vector<std::pair<PlanState, Q>> ExactOutcomes(const PlanProblem& p, PlanState s, PlanAction act)
{
    const int n = s.Skills;
    const Q fresh(1, (n + 1) * (n + 1));
    const Q each = n == 0 ? Q(0) : Q(n + 2, (n + 1) * (n + 1));
    const int da = act == PlanAction::LowTarget;
    const int db = act == PlanAction::HighTarget;
    std::vector<std::pair<PlanState, Q>> out = {
        {{std::min(n + 1, p.Cap), s.LowHeld + da, s.HighHeld + db}, fresh},
        {{n, s.LowHeld - 1 + da, s.HighHeld + db}, each * Q(s.LowHeld)},
        {{n, s.LowHeld + da, s.HighHeld - 1 + db}, each * Q(s.HighHeld)},
        {{n, s.LowHeld + da, s.HighHeld + db}, each * Q(n - s.LowHeld - s.HighHeld)},
    };
    std::erase_if(out, [](const auto& o) { return o.second.num == 0; });
    return out;
}

struct Key {
    int n, a, b;
    auto operator<=>(const Key&) const = default;
};
Key KeyOf(PlanState s) { return {s.Skills, s.LowHeld, s.HighHeld}; }

// The exact expected cost of the planner's own plan at every state it can
// reach from `start`, by Gauss-Jordan elimination in fractions.
std::map<Key, Q> ExactValues(const BookPlanner& plan, PlanState start)
{
    std::vector<PlanState> states = {start};
    std::map<Key, int> index = {{KeyOf(start), 0}};
    for (std::size_t k = 0; k < states.size(); ++k) {
        const PlanAction act = plan.Action(states[k]);
        if (act == PlanAction::Done)
            continue;
        for (const auto& [to, chance] : ExactOutcomes(plan.Problem(), states[k], act))
            if (index.emplace(KeyOf(to), static_cast<int>(states.size())).second)
                states.push_back(to);
    }
    const std::size_t m = states.size();
    std::vector<std::vector<Q>> a(m, std::vector<Q>(m + 1));
    for (std::size_t i = 0; i < m; ++i) {
        a[i][i] = 1;
        const PlanAction act = plan.Action(states[i]);
        if (act == PlanAction::Done)
            continue;
        a[i][m] = plan.Price(act);
        for (const auto& [to, chance] : ExactOutcomes(plan.Problem(), states[i], act)) {
            const auto j = static_cast<std::size_t>(index[KeyOf(to)]);
            a[i][j] = a[i][j] - chance;
        }
    }
    for (std::size_t k = 0; k < m; ++k) {
        std::size_t pivot = k;
        while (a[pivot][k].num == 0)
            ++pivot;
        std::swap(a[k], a[pivot]);
        for (std::size_t i = 0; i < m; ++i) {
            if (i == k || a[i][k].num == 0)
                continue;
            const Q f = a[i][k] / a[k][k];
            for (std::size_t j = k; j <= m; ++j)
                a[i][j] = a[i][j] - f * a[k][j];
        }
    }
    std::map<Key, Q> values;
    for (std::size_t i = 0; i < m; ++i)
        values[KeyOf(states[i])] = a[i][m] / a[i][i];
    return values;
}

PlanProblem Problem(int low, int high, int minimum, int lowPrice, int highPrice, int filler, int cap = 24)
{
    PlanProblem p;
    p.LowTargets = low;
    p.HighTargets = high;
    p.MinSkills = minimum;
    p.LowPrice = lowPrice;
    p.HighPrice = highPrice;
    p.FillerPrice = filler;
    p.Cap = cap;
    return p;
}

TEST(BookPlanner, OneTargetCostsOneBookFromNoneOrOneSkill)
{
    // From 0 skills the book always opens a slot; from 1 it either opens one
    // or overwrites the only skill, which is no target. Either way one book.
    for (int price : {1, 7}) {
        const BookPlanner plan(Problem(1, 0, 0, price, 1, 1));
        for (int n : {0, 1}) {
            EXPECT_EQ(plan.Action({n, 0, 0}), PlanAction::LowTarget) << n;
            EXPECT_EQ(plan.Figures({n, 0, 0}).Cost, price) << n;
            EXPECT_EQ(plan.Figures({n, 0, 0}).LowBooks, 1) << n;
            EXPECT_EQ(plan.Figures({n, 0, 0}).FillerBooks, 0) << n;
        }
    }
}

TEST(BookPlanner, TwoTargetsFromTwoSkillsMatchTheHandSolution)
{
    // V(3,1) = 1 + 15/16 * 1/3 V(3,1) = 16/11; V(2,1) = 1 + 8/9 * 1/2 V(2,1)
    // = 9/5; V(2,0) = 1 + 1/9 V(3,1) + 8/9 V(2,1) = 1367/495.
    const BookPlanner plan(Problem(2, 0, 0, 1, 1, 1));
    const struct {
        PlanState state;
        Q value;
    } cases[] = {{{2, 0, 0}, Q(1367, 495)}, {{2, 1, 0}, Q(9, 5)}, {{3, 1, 0}, Q(16, 11)}};
    for (const auto& c : cases) {
        EXPECT_EQ(plan.Action(c.state), PlanAction::LowTarget);
        EXPECT_NEAR(static_cast<double>(plan.Figures(c.state).Cost), static_cast<double>(c.value.Value()), 1e-15);
        EXPECT_NEAR(static_cast<double>(plan.Figures(c.state).LowBooks), static_cast<double>(c.value.Value()), 1e-15);
    }
    const auto exact = ExactValues(plan, {2, 0, 0});
    EXPECT_TRUE(exact.at({2, 0, 0}) == Q(1367, 495));
}

// The plan is optimal exactly: its exact values admit no cheaper action
// anywhere it can go (policy improvement finds nothing).
void ExpectExactlyOptimal(const PlanProblem& problem, PlanState start)
{
    const BookPlanner plan(problem);
    const auto values = ExactValues(plan, start);
    for (const auto& [key, value] : values) {
        const PlanState s{key.n, key.a, key.b};
        EXPECT_NEAR(static_cast<double>(plan.Figures(s).Cost), static_cast<double>(value.Value()),
                    1e-13 * std::max(1.0, static_cast<double>(value.Value())));
        for (PlanAction act : {PlanAction::LowTarget, PlanAction::HighTarget, PlanAction::Filler}) {
            if (!plan.Allowed(s, act))
                continue;
            Q q(plan.Price(act));
            bool known = true;
            for (const auto& [to, chance] : ExactOutcomes(problem, s, act)) {
                const auto it = values.find(KeyOf(to));
                known = known && it != values.end();
                if (it != values.end())
                    q = q + chance * it->second;
            }
            if (known) {
                EXPECT_FALSE(q < value) << "a cheaper action at " << key.n << "," << key.a << "," << key.b;
            }
        }
    }
}

TEST(BookPlanner, SmallPlansAreExactlyOptimal)
{
    // A low cap keeps the fractions within 128 bits; padding pays in some.
    ExpectExactlyOptimal(Problem(2, 0, 0, 1, 1, 1, 5), {2, 0, 0});
    ExpectExactlyOptimal(Problem(1, 1, 0, 1, 10, 1, 5), {3, 0, 0});
    ExpectExactlyOptimal(Problem(0, 2, 0, 1, 10, 1, 5), {2, 0, 0});
    ExpectExactlyOptimal(Problem(2, 0, 4, 1, 1, 1, 5), {1, 0, 0});
}

TEST(BookPlanner, PaddingPaysForDearTargetsOnFewSkills)
{
    // Two dear targets on a beast of two skills: a cheap filler that opens
    // slots first protects the first target from being overwritten.
    const BookPlanner plan(Problem(0, 2, 0, 1, 10, 1));
    PlanProblem straight = plan.Problem();
    straight.Padding = false;
    const BookPlanner direct(straight);
    EXPECT_EQ(plan.Action({1, 0, 1}), PlanAction::Filler);
    EXPECT_LT(plan.Figures({1, 0, 0}).Cost, direct.Figures({1, 0, 0}).Cost);
    EXPECT_GT(plan.Figures({1, 0, 0}).FillerBooks, 0);
    EXPECT_EQ(direct.Figures({1, 0, 0}).FillerBooks, 0);
}

TEST(BookPlanner, BellmanEquationHoldsForUpToTwelveTargets)
{
    for (int targets = 1; targets <= BookPlanner::MaxTargets; ++targets) {
        for (const PlanProblem& p :
             {Problem(targets, 0, 0, 1, 1, 1), Problem(targets / 2, targets - targets / 2, 0, 1, 10, 1),
              Problem(0, targets, 24, 3, 7, 2)}) {
            const BookPlanner plan(p);
            for (int n = 0; n <= p.Cap; ++n)
                for (int a = 0; a <= p.LowTargets; ++a)
                    for (int b = 0; b <= p.HighTargets && a + b <= n; ++b) {
                        const PlanState s{n, a, b};
                        if (plan.Done(s)) {
                            EXPECT_EQ(plan.Action(s), PlanAction::Done);
                            continue;
                        }
                        const long double v = plan.Figures(s).Cost;
                        long double best = INFINITY;
                        for (PlanAction act : {PlanAction::LowTarget, PlanAction::HighTarget, PlanAction::Filler})
                            if (plan.Allowed(s, act))
                                best = std::min(best, plan.ActionCost(s, act));
                        ASSERT_NEAR(static_cast<double>(v), static_cast<double>(best), 1e-12 * static_cast<double>(v))
                            << targets << " targets at " << n << "," << a << "," << b;
                        ASSERT_NEAR(static_cast<double>(plan.ActionCost(s, plan.Action(s))), static_cast<double>(v),
                                    1e-12 * static_cast<double>(v));
                    }
        }
    }
}

TEST(BookPlanner, ExactTiesKeepTheTargetBook)
{
    // One target, at least three skills, every price 1: from an empty beast
    // the target and a filler cost exactly the same (14 books), and take the
    // same books, so the plan keeps the target, the earlier action.
    const BookPlanner plan(Problem(0, 1, 3, 1, 1, 1));
    for (int n : {0, 1}) {
        const PlanState s{n, 0, 0};
        EXPECT_EQ(plan.Action(s), PlanAction::HighTarget) << n;
        EXPECT_NEAR(static_cast<double>(plan.ActionCost(s, PlanAction::Filler)),
                    static_cast<double>(plan.Figures(s).Cost), 1e-13)
            << n;
    }
    EXPECT_NEAR(static_cast<double>(plan.Figures({0, 0, 0}).Cost), 14.0, 1e-13);
    const auto exact = ExactValues(plan, {0, 0, 0});
    EXPECT_TRUE(exact.at({0, 0, 0}) == Q(14));
}

TEST(BookPlanner, TheCapBarelyMovesThePlan)
{
    const BookPlanner low(Problem(2, 2, 0, 1, 10, 1, 24));
    const BookPlanner high(Problem(2, 2, 0, 1, 10, 1, 40));
    for (int n = 0; n <= 12; ++n) {
        const long double a = low.Figures({n, 0, 0}).Cost;
        const long double b = high.Figures({n, 0, 0}).Cost;
        EXPECT_NEAR(static_cast<double>(a), static_cast<double>(b), 1e-12 * static_cast<double>(b)) << n;
        EXPECT_EQ(low.Action({n, 0, 0}), high.Action({n, 0, 0})) << n;
    }
}

// P(cost <= c) by exact dynamic programming over (c, state) in fractions.
std::vector<Q> ExactDistribution(const BookPlanner& plan, PlanState start, int last)
{
    std::vector<std::map<Key, Q>> levels;
    std::function<Q(PlanState, int)> at = [&](PlanState s, int c) -> Q {
        if (c < 0)
            return 0;
        const PlanAction act = plan.Action(s);
        if (act == PlanAction::Done)
            return 1;
        auto& memo = levels[static_cast<std::size_t>(c)];
        if (const auto it = memo.find(KeyOf(s)); it != memo.end())
            return it->second;
        Q sum = 0;
        for (const auto& [to, chance] : ExactOutcomes(plan.Problem(), s, act))
            sum = sum + chance * at(to, c - plan.Price(act));
        levels[static_cast<std::size_t>(c)][KeyOf(s)] = sum;
        return sum;
    };
    levels.resize(static_cast<std::size_t>(last) + 1);
    std::vector<Q> result;
    for (int c = 0; c <= last; ++c)
        result.push_back(at(start, c));
    return result;
}

TEST(BookPlanner, CostDistributionMatchesExactFractions)
{
    const BookPlanner plan(Problem(2, 0, 0, 1, 1, 1));
    const auto exact = ExactDistribution(plan, {2, 0, 0}, 7);
    const auto computed = plan.CostDistribution({2, 0, 0}, 7);
    ASSERT_EQ(computed.size(), exact.size());
    for (std::size_t c = 0; c < exact.size(); ++c)
        EXPECT_NEAR(static_cast<double>(computed[c]), static_cast<double>(exact[c].Value()), 1e-17) << c;
    // Two books at least; 8/9 * 1/2 of the second books keep the first.
    EXPECT_EQ(computed[1], 0);
    EXPECT_TRUE(exact[2] == Q(1, 9) * Q(2, 3) * Q(15, 16) + Q(1, 9) * Q(1, 16) + Q(8, 9) * (Q(1, 9) + Q(8, 9) * Q(1, 2)));
}

TEST(BookPlanner, DistributionAgreesWithTheExpectedCost)
{
    // For a cost on the whole numbers, E = sum over c >= 0 of P(cost > c).
    for (const PlanProblem& p : {Problem(3, 1, 0, 1, 10, 1), Problem(4, 0, 8, 2, 2, 1)}) {
        const BookPlanner plan(p);
        const PlanState start{4, 0, 0};
        const auto f = plan.CostDistribution(start, 20000);
        long double mean = 0;
        for (long double v : f)
            mean += 1 - v;
        EXPECT_NEAR(static_cast<double>(mean), static_cast<double>(plan.Figures(start).Cost), 1e-9);
    }
}

TEST(BookPlanner, QuantilesAreTheLeastLevelsReached)
{
    const BookPlanner plan(Problem(2, 2, 0, 1, 10, 1));
    const PlanState start{3, 0, 0};
    const CostQuantiles q = plan.Quantiles(start);
    ASSERT_TRUE(q.Certain);
    const auto f = plan.CostDistribution(start, q.Percentile90);
    const auto at = [&](int64_t c) { return f[static_cast<std::size_t>(c)]; };
    EXPECT_GE(at(q.Median), 0.5L);
    EXPECT_LT(at(q.Median - 1), 0.5L);
    EXPECT_GE(at(q.Percentile90), 0.9L);
    EXPECT_LT(at(q.Percentile90 - 1), 0.9L);
    EXPECT_LT(q.ErrorBound, 1e-15L);
    // A starting state that meets the goal costs nothing.
    const CostQuantiles none = plan.Quantiles({4, 2, 2});
    EXPECT_EQ(none.Median, 0);
    EXPECT_EQ(none.Percentile90, 0);
}

// Prices with a common divisor walk in steps of it: the figures are those
// of the divided prices times the divisor, and quick even at the top price.
TEST(BookPlanner, CommonPriceDivisorScalesTheCostExactly)
{
    const PlanState start{2, 0, 0};
    const BookPlanner small(Problem(6, 6, 0, 1, 3, 2));
    const BookPlanner dear(Problem(6, 6, 0, 333, 999, 666));
    EXPECT_EQ(dear.CostUnit(), 333);
    const CostQuantiles a = small.Quantiles(start);
    const CostQuantiles b = dear.Quantiles(start, 2'000'000);
    ASSERT_TRUE(a.Certain && b.Certain);
    EXPECT_EQ(b.Median, 333 * a.Median);
    EXPECT_EQ(b.Percentile90, 333 * a.Percentile90);
    const auto f = small.CostDistribution(start, 40);
    const auto g = dear.CostDistribution(start, 40 * 333 + 332);
    ASSERT_EQ(g.size(), 41u * 333);
    for (std::size_t c = 0; c < g.size(); ++c)
        ASSERT_EQ(g[c], f[c / 333]) << c;
    // A cancelled walk gives up at once.
    const std::atomic<bool> cancel{true};
    EXPECT_EQ(small.Quantiles(start, 50'000'000, &cancel).Percentile90, -1);
}

TEST(BookPlanner, ValidRejectsOutOfRangeProblems)
{
    EXPECT_TRUE(BookPlanner::Valid(Problem(6, 6, 24, 1, 999, 1)));
    EXPECT_FALSE(BookPlanner::Valid(Problem(7, 6, 0, 1, 1, 1)));
    EXPECT_FALSE(BookPlanner::Valid(Problem(1, 0, 0, 0, 1, 1)));
    EXPECT_FALSE(BookPlanner::Valid(Problem(1, 0, 0, 1, 1, 1000)));
    EXPECT_FALSE(BookPlanner::Valid(Problem(1, 0, 25, 1, 1, 1)));
    EXPECT_FALSE(BookPlanner::Valid(Problem(1, 0, 0, 1, 1, 1, 41)));
}

}  // namespace
