// The polled input latch shared by the real and the fake platform: per key a "down" flag
// and a "pressed since the last query" flag, both atomic so the window thread can write
// while the game thread reads.
#include "platform/input.h"
#include "platform/input_feed.h"

#include <atomic>

namespace platform {
namespace {

std::atomic<bool> keyDown[kVirtualKeyCount];
std::atomic<bool> pressedSinceQuery[kVirtualKeyCount];
std::atomic<int> cursorX{0};
std::atomic<int> cursorY{0};

bool validKey(int virtualKey) { return virtualKey >= 0 && virtualKey < kVirtualKeyCount; }

}  // namespace

bool keyPressed(int virtualKey) {
  if (!validKey(virtualKey)) return false;
  bool latched = pressedSinceQuery[virtualKey].exchange(false, std::memory_order_acq_rel);
  return keyDown[virtualKey].load(std::memory_order_acquire) || latched;
}

void cursorInClient(int& x, int& y) {
  x = cursorX.load(std::memory_order_relaxed);
  y = cursorY.load(std::memory_order_relaxed);
}

void recordKey(int virtualKey, bool down) {
  if (!validKey(virtualKey)) return;
  if (down) pressedSinceQuery[virtualKey].store(true, std::memory_order_release);
  keyDown[virtualKey].store(down, std::memory_order_release);
}

void recordCursor(int x, int y) {
  cursorX.store(x, std::memory_order_relaxed);
  cursorY.store(y, std::memory_order_relaxed);
}

void resetInput() {
  for (int k = 0; k < kVirtualKeyCount; ++k) {
    keyDown[k].store(false);
    pressedSinceQuery[k].store(false);
  }
  recordCursor(0, 0);
}

}  // namespace platform
