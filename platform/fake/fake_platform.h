// The fake platform that tests and the headless driver link instead of the real one:
// a clock that moves only when told, and a window backend that opens nothing.
// Keys, buttons and the cursor go through the ordinary input feed (input_feed.h).
#pragma once
#include <cstdint>

namespace platform::fake {

// Sets the fake tick count (milliseconds).
void setTickCount(std::uint64_t ms);

// Moves the fake tick count forward by ms.
void advanceTicks(std::uint64_t ms);

// Sets what calendarSeconds() returns.
void setCalendarSeconds(std::uint64_t seconds);

// Holds or releases a key or mouse button (virtual-key code of input.h).
void holdKey(int virtualKey);
void releaseKey(int virtualKey);

// Places the cursor in window client coordinates.
void placeCursor(int x, int y);

// Releases every key, clears every latch, puts the cursor at (0, 0).
void releaseAll();

// Number of frames the headless window has presented.
std::uint64_t presentedFrames();

// Makes the next headless window creation fail with the given reason (empty: succeed).
void failNextWindow(const char* reason);

// Headless windows made from now on keep no frame buffers, so showing a frame copies
// nothing, and framesShown() answers false: the game composes no pictures (a replay or a
// headless run without frames).
void keepNoFrames();

}  // namespace platform::fake
