#pragma once
// The one random source of the rules.
//
// Every draw is a Reseed() followed at once by exactly one RandomBelow(); the
// generator is never stepped twice from one seed. Some draws first wait one
// millisecond through Sleep(1) so that the counter has moved on.
//
// The clock behind Reseed() and Sleep() is replaceable: tests install a
// scripted clock with SetClock() so that every seed is known and every wait
// is free. Only the user-interface thread touches this state; there is no
// locking.

#include <cstdint>

// The generator's state, process-wide.
extern uint32_t RandomSeed;

// The clock seam.
class Clock {
public:
    virtual ~Clock() = default;
    // Reads the high-resolution counter. Returns false when the platform has
    // none; `ticks` is then left unspecified.
    virtual bool QueryCounter(uint64_t& ticks) = 0;
    // Milliseconds since some fixed start (only the low 32 bits matter).
    virtual uint32_t TickCount() = 0;
    // Waits the given number of milliseconds.
    virtual void Sleep(uint32_t milliseconds) = 0;
};

// Installs `clock` for all later draws and waits; nullptr restores the system
// clock (CLOCK_MONOTONIC in nanoseconds, falling back to a millisecond tick
// count, and a real sleep). The caller keeps ownership and must keep the clock
// alive while it is installed.
//
// Why the system clock's counter read waits: most draws of a roll follow each
// other without a wait, and read the counter only some 30 to 40 ns apart. The
// generator's first step turns a seed gap of g counts into a shift of about
// g * 134775813 / 2^32 of the range (it comes round every ~32 counts), so a
// nearly constant gap makes each draw land at a nearly fixed offset from the
// one before: the draws of one roll then correlate strongly. The read
// therefore hands out a value only once the counter has moved at least 1 us
// past the one it handed out before, sleeping (nanosleep) until then. The
// kernel wakes the thread a few microseconds late, by a different amount each
// time, so the gap between two seeds varies by far more than 32 counts and
// consecutive draws are independent. It costs some 50 to 150 us per draw that
// has no wait of its own; a draw after Sleep(1) never waits here. The seed
// stays the low 32 bits of the nanosecond counter.
void SetClock(Clock* clock);

// For a thread that does little but draw (a long run of rolls): asks the
// kernel to wake this thread from its sleeps as close to the deadline as it
// can (a timer slack of 1 ns instead of the default 50 us). The prescribed
// waits then last about what they say and the counter's 1 us step costs a
// few microseconds instead of some 60; the wake-up still comes late by an
// amount that varies by far more than 32 counts, so draws stay
// independent. Affects only the calling thread; does nothing where the
// system offers no such setting.
void PreferPreciseWaits();

// RandomSeed := low 32 bits of the counter, or the tick count when the counter
// is unavailable.
void Reseed();

// Steps the generator: RandomSeed := RandomSeed * 134775813 + 1 (mod 2^32),
// then returns (n * RandomSeed) div 2^32 with the product in 64 bits.
// Yields 0 .. n-1, and 0 when n is 0.
uint32_t RandomBelow(uint32_t n);

// The rules' wait: forwards to the installed clock.
void Sleep(uint32_t milliseconds);
