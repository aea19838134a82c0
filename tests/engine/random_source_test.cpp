#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include <pthread.h>
#include <signal.h>

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

TEST(RandomSource, SystemSleepEndsOnTimeWhileSignalsArrive)
{
    // A handler without SA_RESTART, so that every signal interrupts the wait.
    struct sigaction action {};
    action.sa_handler = [](int) {};
    sigemptyset(&action.sa_mask);
    struct sigaction previous {};
    ASSERT_EQ(sigaction(SIGUSR1, &action, &previous), 0);
    SetClock(nullptr);
    const pthread_t sleeper = pthread_self();
    std::atomic<bool> woken{false};
    std::atomic<int> sent{0};
    std::thread sender([&] {
        while (!woken) {
            pthread_kill(sleeper, SIGUSR1);
            ++sent;
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        }
    });
    const auto start = std::chrono::steady_clock::now();
    Sleep(20);
    const auto took = std::chrono::steady_clock::now() - start;
    woken = true;
    sender.join();
    sigaction(SIGUSR1, &previous, nullptr);
    EXPECT_GT(sent, 10) << "the signals arrived during the wait";
    EXPECT_GE(took, std::chrono::milliseconds(20)) << "a signal ended the wait early";
    // Far more than a loaded machine's lateness.
    EXPECT_LT(took, std::chrono::milliseconds(500)) << "the signals stretched the wait";
}
