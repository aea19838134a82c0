// The real clock behind the draws: over many draws the observed frequencies
// must match the exact chances, and the draws of one roll must not depend on
// each other. The thresholds lie so far in the tails (p below 1e-8) that a
// correct engine practically never fails, while a wrong bound, a skewed draw
// or draws that follow each other fail at once.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "data/builtin_data.h"
#include "engine/pet.h"
#include "engine/random_source.h"

namespace {

// Chi-square statistic of observed counts against expected probabilities.
template <std::size_t N> double ChiSquare(const std::array<long, N>& observed, const std::array<double, N>& chances)
{
    long total = 0;
    for (long count : observed)
        total += count;
    double statistic = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const double expected = chances[i] * static_cast<double>(total);
        const double d = static_cast<double>(observed[i]) - expected;
        statistic += d * d / expected;
    }
    return statistic;
}

// Pearson's statistic for independence of the rows and columns of a table,
// against the expectations from its own margins.
template <std::size_t R, std::size_t C> double Independence(const std::array<std::array<long, C>, R>& table)
{
    std::array<double, R> rows{};
    std::array<double, C> columns{};
    double total = 0;
    for (std::size_t i = 0; i < R; ++i) {
        for (std::size_t j = 0; j < C; ++j) {
            rows[i] += static_cast<double>(table[i][j]);
            columns[j] += static_cast<double>(table[i][j]);
            total += static_cast<double>(table[i][j]);
        }
    }
    double statistic = 0;
    for (std::size_t i = 0; i < R; ++i) {
        for (std::size_t j = 0; j < C; ++j) {
            const double expected = rows[i] * columns[j] / total;
            const double d = static_cast<double>(table[i][j]) - expected;
            statistic += d * d / expected;
        }
    }
    return statistic;
}

// Upper tail points of the chi-square distribution at p = 1e-8.
constexpr double Tail1Df = 32.8;
constexpr double Tail4Df = 44.0;
constexpr double Tail9Df = 55.5;
constexpr double Tail16Df = 70.0;
constexpr double Tail15Df = 68.1;
// Two-sided tail point of the standard normal distribution at p = 1e-8.
constexpr double TailNormal = 5.74;

}  // namespace

// Each round draws an element and a loss count, then hits books; every
// statistic compares the outcome of one kind of draw with its exact chances.
TEST(Statistics, RealClockDrawsFollowTheExactChances)
{
    SetClock(nullptr);
    const std::vector<std::string> held{"夜战", "反击", "反震", "吸血", "连击"};
    const std::map<std::string, std::size_t> cell{{"金", 0}, {"木", 1}, {"水", 2}, {"火", 3}, {"土", 4}};
    TPet pet({});
    std::array<long, 5> elements{};
    std::array<long, 5> losses{};
    std::array<std::array<long, 2>, 6> slots{};  // per skills held: new slot, overwrite

    const int rounds = 500;
    for (int round = 0; round < rounds; ++round) {
        pet.RollElement();
        ++elements[cell.at(pet.Element)];
        const int32_t lost = pet.SkillLossCount(4);
        ASSERT_GE(lost, 0);
        ASSERT_LE(lost, 4);
        ++losses[static_cast<std::size_t>(lost)];
        for (std::size_t n = 1; n <= held.size(); ++n) {
            pet.Skills.assign(held.begin(), held.begin() + static_cast<long>(n));
            pet.HitBook("毒");
            ASSERT_GE(pet.Skills.size(), n);
            ++slots[n][pet.Skills.size() > n ? 0 : 1];
        }
    }

    EXPECT_LT(ChiSquare(elements, {0.2, 0.2, 0.2, 0.2, 0.2}), Tail4Df);
    EXPECT_LT(ChiSquare(losses, {1 / 25.0, 3 / 25.0, 5 / 25.0, 7 / 25.0, 9 / 25.0}), Tail4Df);
    for (std::size_t n = 1; n <= held.size(); ++n) {
        const double chance = 1.0 / static_cast<double>((n + 1) * (n + 1));
        EXPECT_LT(ChiSquare(slots[n], {chance, 1 - chance}), Tail1Df)
            << n << " skills held: " << slots[n][0] << " new slots in " << rounds;
    }
}

// The seed is the low 32 bits of a nanosecond counter, so the difference of
// two seeds (mod 2^32) is the time between the reads.
TEST(Statistics, RealClockSeedsOfBackToBackDrawsLieAtLeastAMicrosecondApart)
{
    SetClock(nullptr);
    Reseed();
    uint32_t previous = RandomSeed;
    for (int draw = 0; draw < 50; ++draw) {
        Reseed();
        EXPECT_GE(RandomSeed - previous, 1000u) << "draw " << draw;
        previous = RandomSeed;
    }
}

namespace {

constexpr int32_t ShareBound = 25;
constexpr int32_t FreePoints = 50;

// The exact law of an accepted attempt's four drawn point shares: four
// independent draws below 25, kept only when the fifth share lies in 1 .. 24.
// Keeping them ties the four together, so neighbouring shares correlate
// negatively even when every draw is independent.
struct ShareLaw {
    double mean = 0;                     // of one share
    double deviation = 0;                // of one share
    double neighbourProduct = 0;         // expectation of NeighbourProduct()
    double neighbourDeviation = 0;       // its standard deviation
    std::array<double, 16> firstPair{};  // chances of the ShareCell()s of a and b

    // Mean over the three neighbouring pairs of the product of the
    // standardised shares.
    double NeighbourProduct(const std::array<int32_t, 4>& shares) const
    {
        double sum = 0;
        for (std::size_t i = 0; i + 1 < shares.size(); ++i)
            sum += (shares[i] - mean) * (shares[i + 1] - mean);
        return sum / (3 * deviation * deviation);
    }
};

// Four classes per share, 0-4, 5-9, 10-14 and 15-24, so that no cell of a
// pair of them is rare: high shares are, because the five must add up to 50.
std::size_t ShareCell(int32_t first, int32_t second)
{
    return static_cast<std::size_t>(std::min(first / 5, 3) * 4 + std::min(second / 5, 3));
}

template <typename Visit> void ForEachAcceptedAttempt(Visit visit)
{
    for (int32_t a = 0; a < ShareBound; ++a)
        for (int32_t b = 0; b < ShareBound; ++b)
            for (int32_t c = 0; c < ShareBound; ++c)
                for (int32_t d = 0; d < ShareBound; ++d) {
                    const int32_t fifth = FreePoints - a - b - c - d;
                    if (fifth >= 1 && fifth < ShareBound)
                        visit(std::array<int32_t, 4>{a, b, c, d});
                }
}

ShareLaw ExactShareLaw()
{
    ShareLaw law;
    double count = 0, sum = 0, squares = 0;
    ForEachAcceptedAttempt([&](const std::array<int32_t, 4>& s) {
        count += 1;
        sum += s[0];
        squares += s[0] * s[0];
        law.firstPair[ShareCell(s[0], s[1])] += 1;
    });
    law.mean = sum / count;
    law.deviation = std::sqrt(squares / count - law.mean * law.mean);
    for (double& chance : law.firstPair)
        chance /= count;
    double products = 0, productSquares = 0;
    ForEachAcceptedAttempt([&](const std::array<int32_t, 4>& s) {
        const double product = law.NeighbourProduct(s);
        products += product;
        productSquares += product * product;
    });
    law.neighbourProduct = products / count;
    law.neighbourDeviation = std::sqrt(productSquares / count - law.neighbourProduct * law.neighbourProduct);
    return law;
}

// What the draws of many rolls made back to back show about each other.
struct RollTally {
    long rolls = 0;
    double aptitudeProducts = 0;                            // per roll: mean of the six neighbour products
    double shareProducts = 0;                               // per roll: ShareLaw::NeighbourProduct
    std::array<std::array<long, 4>, 4> aptitudeQuarters{};  // neighbours, pooled
    std::array<std::array<long, 5>, 5> growthElement{};
    std::array<long, 5> elements{};
    std::array<long, 16> firstShares{};

    void Record(const TPet& pet, const std::array<uint32_t, 7>& bounds, const std::vector<double>& growths,
                const ShareLaw& law)
    {
        static const std::map<std::string, std::size_t> element{{"金", 0}, {"木", 1}, {"水", 2}, {"火", 3}, {"土", 4}};
        ++rolls;
        std::array<uint32_t, 7> reductions{};
        for (std::size_t k = 0; k < 7; ++k)
            reductions[k] = static_cast<uint32_t>(pet.TemplateAptitudes[k] - pet.Aptitudes[k]);
        double products = 0;
        for (std::size_t k = 0; k + 1 < 7; ++k) {
            products += Standardised(reductions[k], bounds[k]) * Standardised(reductions[k + 1], bounds[k + 1]);
            ++aptitudeQuarters[reductions[k] * 4 / bounds[k]][reductions[k + 1] * 4 / bounds[k + 1]];
        }
        aptitudeProducts += products / 6;

        std::size_t growth = 0;
        for (std::size_t i = 0; i < growths.size(); ++i)
            if (std::fabs(growths[i] - pet.Growth) < std::fabs(growths[growth] - pet.Growth))
                growth = i;
        ++growthElement[growth][element.at(pet.Element)];
        ++elements[element.at(pet.Element)];

        const std::array<int32_t, 4> shares{pet.Physique - 10, pet.Magic - 10, pet.Strength - 10, pet.Endurance - 10};
        shareProducts += law.NeighbourProduct(shares);
        ++firstShares[ShareCell(shares[0], shares[1])];
    }

    // A reduction drawn below `bound`, scaled to mean 0 and variance 1.
    static double Standardised(uint32_t reduction, uint32_t bound)
    {
        const double b = bound;
        return (reduction - (b - 1) / 2) / std::sqrt((b * b - 1) / 12);
    }
};

}  // namespace

// The draws of a roll that follow each other without a wait: the seven
// aptitudes, growth, element, the loss count and the point shares, made here
// exactly as LoadBeast makes them (its skill draws each wait 1 ms and are left
// out to keep the test fast). Neighbouring draws must be independent: their
// standardised products average to 0 with variance 1 / (6 rolls) for the
// aptitudes, and to the exact law's value for the shares.
namespace {

// 2100 rolls of three templates with the system clock: neighbouring draws
// of one roll show no dependence beyond what the rules themselves make.
void ExpectIndependentRolls()
{
    SetClock(nullptr);
    const ShareLaw law = ExactShareLaw();
    TPet pet(CatalogueLines());
    RollTally tally;
    for (const char* name : {"古代瑞兽", "芙蓉仙子", "龙龟"}) {
        ASSERT_TRUE(pet.LoadBeast(name));
        std::array<uint32_t, 7> bounds{};
        for (std::size_t k = 0; k < 7; ++k) {
            bounds[k] = static_cast<uint32_t>((18 * pet.TemplateAptitudes[k] + 49) / 100);
            ASSERT_GT(bounds[k], 1u);
        }
        std::vector<std::string> pieces;
        TPet::SplitText(pet.GrowthChoices, ',', pieces);
        ASSERT_EQ(pieces.size(), 5u);
        std::vector<double> growths;
        for (const std::string& piece : pieces)
            growths.push_back(std::stod(piece));
        TPet::SplitText(pet.InnateSkills, ',', pieces);
        for (int roll = 0; roll < 700; ++roll) {
            pet.RollAptitudes();
            pet.RollGrowth();
            pet.RollElement();
            pet.SkillLossCount(static_cast<int32_t>(pieces.size()));
            pet.RollPoints(0);
            tally.Record(pet, bounds, growths, law);
        }
    }

    const double rolls = static_cast<double>(tally.rolls);
    const double aptitudeR = tally.aptitudeProducts / rolls;
    EXPECT_LT(std::fabs(aptitudeR) * std::sqrt(6 * rolls), TailNormal) << "neighbouring aptitudes: r = " << aptitudeR;
    const double shareR = tally.shareProducts / rolls;
    EXPECT_LT(std::fabs(shareR - law.neighbourProduct) / law.neighbourDeviation * std::sqrt(rolls), TailNormal)
        << "neighbouring point shares: r = " << shareR << ", exact " << law.neighbourProduct;
    EXPECT_LT(Independence(tally.aptitudeQuarters), Tail9Df);
    EXPECT_LT(Independence(tally.growthElement), Tail16Df);
    EXPECT_LT(ChiSquare(tally.elements, {0.2, 0.2, 0.2, 0.2, 0.2}), Tail4Df);
    EXPECT_LT(ChiSquare(tally.firstShares, law.firstPair), Tail15Df);
}
}  // namespace

TEST(Statistics, RealClockDrawsOfOneRollAreIndependent)
{
    ExpectIndependentRolls();
}

// The same on a thread that asked for precise waits, as the roll search's
// worker does: its counter steps come nearer 1 us, and must still scatter.
TEST(Statistics, RealClockDrawsStayIndependentWithPreciseWaits)
{
    std::thread worker([] {
        PreferPreciseWaits();
        ExpectIndependentRolls();
    });
    worker.join();
}
