// The game's one clock: monotonic milliseconds. Every timer of the game and of the
// graphics layer reads tickCount(); the test build links a fake that tests set by hand.
#pragma once
#include <cstdint>

namespace platform {

// Monotonic milliseconds since an arbitrary start (boot for the real clock). Never wraps.
// Called by every rule that waits "more than N ms since a stored reading".
std::uint64_t tickCount();

// Seconds of the calendar clock (std::time), which start-up reads to seed the random
// generator; the test build's fake returns what a test set (0 at first).
std::uint64_t calendarSeconds();

// Blocks the calling thread for ms milliseconds (the fake clock advances itself instead).
// A thread that replays a file does not wait: its clock comes from the file.
void sleepMs(std::uint32_t ms);

// The platform's own time in microseconds, not through the seam: for pacing, whose decisions
// are answers of their own. The fake returns its tick count in microseconds.
std::uint64_t unrecordedMicros();

// Blocks the calling thread for us microseconds; the fake returns at once and leaves its time
// to the test (a paced pass rests here, and no answer of the game depends on how long).
void restMicros(std::uint64_t us);

// Rests the calling thread until the window records input or ms pass, whichever comes first:
// a paused game waits here instead of composing. The fake clock, and a replaying thread,
// return at once.
void restUntilInput(std::uint32_t ms);

}  // namespace platform
