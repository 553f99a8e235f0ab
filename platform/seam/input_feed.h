// The writing side of the polled input: the window thread calls these from its event
// loop, tests call them through the fake platform. Thread-safe.
#pragma once
#include <cstdint>

#include "platform/seam/input.h"

namespace platform {

// Records a key or mouse button going down or up (virtual-key code, see input.h).
void recordKey(int virtualKey, bool down);

// Records the cursor position in frame coordinates (see cursorInClient).
void recordCursor(int x, int y);

// Records a fresh press of a watch key (input.h).
void recordWatchKey(WatchKey key);

// Releases every key and clears every latch (a fresh process, or a test's fresh start).
void resetInput();

// Blocks the calling thread until a key, button or cursor is recorded, or ms pass (the real
// clock's rest uses it).
void waitForRecordedInput(std::uint32_t ms);

}  // namespace platform
