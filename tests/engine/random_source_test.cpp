#include <gtest/gtest.h>

#include <chrono>

#include "ScriptedClock.h"
#include "engine/random_source.h"

TEST(RandomSource, StepsTheGeneratorOncePerDraw)
{
    RandomSeed = 0;
    EXPECT_EQ(RandomBelow(1000), 0u);  // state 1
    EXPECT_EQ(RandomSeed, 1u);
    EXPECT_EQ(RandomBelow(1000), 31u);  // state 134775814: 1000 * 134775814 >> 32
    EXPECT_EQ(RandomSeed, 134775814u);
    RandomSeed = 0xffffffffu;  // wraps: 0xffffffff * 134775813 + 1 = -134775812 mod 2^32
    EXPECT_EQ(RandomBelow(0), 0u);
    EXPECT_EQ(RandomSeed, 4160191484u);
    RandomSeed = ScriptedClock::SeedFor(0xffffffffu, 0xfffffffeu);
    EXPECT_EQ(RandomBelow(0xffffffffu), 0xfffffffeu);
}

TEST(RandomSource, ScriptedSeedsYieldTheChosenDraws)
{
    for (uint32_t n : {1u, 2u, 5u, 25u, 218u, 1336u, 65536u, 0x80000001u}) {
        for (uint32_t v : {0u, n / 3, n - 1}) {
            RandomSeed = ScriptedClock::SeedFor(n, v);
            EXPECT_EQ(RandomBelow(n), v) << n << " " << v;
        }
    }
}

TEST(RandomSource, ReseedTakesTheCounterOrFallsBackToTheTickCount)
{
    ScriptedClock clock;
    clock.Then(7, 3).Then(7, 5);
    Reseed();
    EXPECT_EQ(RandomSeed, ScriptedClock::SeedFor(7, 3));  // low 32 bits only
    EXPECT_EQ(clock.tickReads, 0);
    clock.SetCounterAvailable(false);
    Reseed();
    EXPECT_EQ(RandomSeed, ScriptedClock::SeedFor(7, 5));
    EXPECT_EQ(clock.tickReads, 1);
    Sleep(1);
    EXPECT_EQ(clock.sleeps, 1);
}

TEST(RandomSource, SystemClockMovesOnAcrossAWait)
{
    SetClock(nullptr);
    Reseed();
    const uint32_t first = RandomSeed;
    Sleep(1);
    Reseed();
    EXPECT_NE(RandomSeed, first);
}

TEST(RandomSource, SystemSleepWaitsAtLeastTheMilliseconds)
{
    // Only a lower bound: a loaded machine may wake the thread late, never early.
    SetClock(nullptr);
    const auto start = std::chrono::steady_clock::now();
    Sleep(2);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2));
}
