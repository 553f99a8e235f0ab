// The backend's raw clock: what the system says, before record and replay. Only the clock
// front (seam/clock.h) calls these; the game and the graphics layer read the front. Each
// backend fulfils this header: the real one from CLOCK_MONOTONIC, the fake one from what a
// test set.
#pragma once
#include <cstdint>

namespace platform::port {

// Monotonic milliseconds since an arbitrary start (boot for the real clock). Never wraps.
std::uint64_t monotonicMs();

// Seconds of the calendar clock (std::time); the fake's is what a test set, 0 at first.
std::uint64_t calendarSeconds();

// Monotonic microseconds, for pacing; the fake's is its milliseconds times 1000.
std::uint64_t monotonicMicros();

// Blocks the calling thread for ms milliseconds, through signals; the fake advances its
// own time instead.
void sleepMs(std::uint32_t ms);

// Blocks the calling thread for us microseconds; the fake returns at once.
void restMicros(std::uint64_t us);

// Rests until the window records input or ms pass, whichever comes first; the fake returns
// at once.
void restUntilInput(std::uint32_t ms);

}  // namespace platform::port
