#include "engine/random_source.h"

#include <cerrno>
#include <ctime>

#if defined(__linux__)
#include <sys/prctl.h>
#endif

uint32_t RandomSeed = 0;

void PreferPreciseWaits()
{
#if defined(__linux__)
    prctl(PR_SET_TIMERSLACK, 1UL);
#endif
}

namespace {

class SystemClock final : public Clock {
public:
    bool QueryCounter(uint64_t& ticks) override
    {
        uint64_t now = 0;
        if (!ReadNanoseconds(now))
            return false;
        // The sleep's own length, not the minimum step, is what varies the
        // gap between seeds: the kernel wakes the thread microseconds late,
        // by a different amount every time.
        while (handedOut_ && now - lastHandedOut_ < MinimumStepNs) {
            const timespec rest{0, static_cast<long>(MinimumStepNs - (now - lastHandedOut_))};
            nanosleep(&rest, nullptr);
            if (!ReadNanoseconds(now))
                return false;
        }
        handedOut_ = true;
        lastHandedOut_ = now;
        ticks = now;
        return true;
    }

    uint32_t TickCount() override
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
        return static_cast<uint32_t>(static_cast<uint64_t>(now.tv_sec) * 1000u
                                     + static_cast<uint64_t>(now.tv_nsec) / 1000000u);
    }

    void Sleep(uint32_t milliseconds) override
    {
        // To a deadline, not for a length: a wait that a signal interrupts
        // resumes towards the same end, so however many signals arrive, the
        // wait ends when it would have without them.
        timespec deadline{};
        clock_gettime(CLOCK_MONOTONIC, &deadline);
        deadline.tv_sec += static_cast<time_t>(milliseconds / 1000u);
        deadline.tv_nsec += static_cast<long>(milliseconds % 1000u) * 1000000L;
        if (deadline.tv_nsec >= 1000000000L) {
            ++deadline.tv_sec;
            deadline.tv_nsec -= 1000000000L;
        }
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {}
    }

private:
    static constexpr uint64_t MinimumStepNs = 1000;

    static bool ReadNanoseconds(uint64_t& ns)
    {
        timespec now{};
        if (clock_gettime(CLOCK_MONOTONIC, &now) != 0)
            return false;
        ns = static_cast<uint64_t>(now.tv_sec) * 1000000000u + static_cast<uint64_t>(now.tv_nsec);
        return true;
    }

    bool handedOut_ = false;
    uint64_t lastHandedOut_ = 0;
};

SystemClock systemClock;
Clock* currentClock = &systemClock;

}  // namespace

void SetClock(Clock* clock)
{
    currentClock = clock ? clock : &systemClock;
}

void Reseed()
{
    uint64_t ticks = 0;
    if (currentClock->QueryCounter(ticks))
        RandomSeed = static_cast<uint32_t>(ticks);
    else
        RandomSeed = currentClock->TickCount();
}

uint32_t RandomBelow(uint32_t n)
{
    RandomSeed = RandomSeed * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(n) * RandomSeed) >> 32);
}

void Sleep(uint32_t milliseconds)
{
    currentClock->Sleep(milliseconds);
}
