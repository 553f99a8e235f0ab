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

// Rests the calling thread until the window records input or ms pass, whichever comes first:
// a paused game waits here instead of composing. The fake clock, and a replaying thread,
// return at once.
void restUntilInput(std::uint32_t ms);

}  // namespace platform
