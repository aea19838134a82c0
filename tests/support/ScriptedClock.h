#pragma once
// A test clock for the random source: it hands out chosen counter values, so
// that each draw yields a chosen result, counts the waits and makes them free.

#ifdef QT_TESTLIB_LIB
#include <QtTest>
#define SCRIPTED_CLOCK_FAIL(message) QTest::qFail(message, __FILE__, __LINE__)
#else
#include <gtest/gtest.h>
#define SCRIPTED_CLOCK_FAIL(message) ADD_FAILURE() << message
#endif

#include <cstdint>
#include <deque>

#include "engine/random_source.h"

class ScriptedClock final : public Clock {
public:
    ScriptedClock() { SetClock(this); }
    ~ScriptedClock() override { SetClock(nullptr); }
    ScriptedClock(const ScriptedClock&) = delete;
    ScriptedClock& operator=(const ScriptedClock&) = delete;

    // The seed after which RandomBelow(n) yields v (v < n, or any v for n 0).
    // The generator's multiplier is odd, so every state has exactly one seed.
    static uint32_t SeedFor(uint32_t n, uint32_t v)
    {
        uint64_t state = 0;
        if (n != 0)
            state = ((static_cast<uint64_t>(v) << 32) + n - 1) / n;  // ceil(v * 2^32 / n)
        return (static_cast<uint32_t>(state) - 1u) * MultiplierInverse();
    }

    // Queues the next draw: RandomBelow(n) after the next Reseed yields v.
    ScriptedClock& Then(uint32_t n, uint32_t v)
    {
        script_.push_back(SeedFor(n, v));
        return *this;
    }

    // Queues the next draw by the generator state it steps to.
    ScriptedClock& ThenState(uint32_t state)
    {
        script_.push_back((state - 1u) * MultiplierInverse());
        return *this;
    }

    // Once the script is used up, further counters come from a fixed
    // pseudo-random sequence started at `start` instead of failing the test.
    void FreeRunFrom(uint64_t start)
    {
        freeRun_ = true;
        state_ = start;
    }

    // Makes QueryCounter report that there is no high-resolution counter, so
    // that Reseed falls back to TickCount (which then serves the script).
    void SetCounterAvailable(bool available) { counterAvailable_ = available; }

    bool QueryCounter(uint64_t& ticks) override
    {
        ++counterReads;
        if (!counterAvailable_)
            return false;
        // High bits that the generator must ignore.
        ticks = (uint64_t{0x5eedu} << 32) | Next();
        return true;
    }

    uint32_t TickCount() override
    {
        ++tickReads;
        return Next();
    }

    void Sleep(uint32_t milliseconds) override
    {
        ++sleeps;
        sleptMilliseconds += milliseconds;
    }

    std::size_t Pending() const { return script_.size(); }

    int counterReads = 0;
    int tickReads = 0;
    int sleeps = 0;
    uint64_t sleptMilliseconds = 0;

private:
    static uint32_t MultiplierInverse()
    {
        // Newton's iteration doubles the correct low bits each step.
        const uint32_t a = 134775813u;
        uint32_t x = a;
        for (int i = 0; i < 5; ++i)
            x *= 2u - a * x;
        return x;
    }

    uint32_t Next()
    {
        if (!script_.empty()) {
            const uint32_t seed = script_.front();
            script_.pop_front();
            return seed;
        }
        if (!freeRun_) {
            SCRIPTED_CLOCK_FAIL("draw beyond the script");
            return 0;
        }
        // splitmix64
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return static_cast<uint32_t>(z ^ (z >> 31));
    }

    std::deque<uint32_t> script_;
    bool freeRun_ = false;
    bool counterAvailable_ = true;
    uint64_t state_ = 0;
};
