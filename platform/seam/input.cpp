// The polled input latch shared by the real and the fake platform: per key whether it is
// down, whether it was pressed since the last query, and whether it is still held from
// before its presses were forgotten. One lock, as the window thread writes while the game
// thread reads. Every answer goes through the record and replay session.
#include "platform/seam/input.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/seam/input_feed.h"
#include "platform/replay/session.h"

namespace platform {
namespace {

struct KeyState {
  bool down = false;
  bool pressedSinceQuery = false;
  bool heldFromBefore = false;  // down when its presses were forgotten, not released since
};

std::mutex inputLock;
std::condition_variable inputRecorded;
std::uint64_t recordings = 0;
KeyState keys[kVirtualKeyCount];
bool watchKeys[kWatchKeyCount] = {};
int cursorX = 0;
int cursorY = 0;

bool validKey(int virtualKey) { return virtualKey >= 0 && virtualKey < kVirtualKeyCount; }

}  // namespace

bool keyPressed(int virtualKey) {
  if (!validKey(virtualKey)) return false;
  bool pressed;
  {
    std::lock_guard<std::mutex> lock(inputLock);
    KeyState& key = keys[virtualKey];
    pressed = (key.down && !key.heldFromBefore) || key.pressedSinceQuery;
    key.pressedSinceQuery = false;
  }
  return replay::keyRead(virtualKey, pressed);
}

bool keyDown(int virtualKey) {
  if (!validKey(virtualKey)) return false;
  bool down;
  {
    std::lock_guard<std::mutex> lock(inputLock);
    down = keys[virtualKey].down && !keys[virtualKey].heldFromBefore;
  }
  return replay::keyRead(virtualKey, down);
}

void forgetPresses(int virtualKey) {
  if (!validKey(virtualKey)) return;
  std::lock_guard<std::mutex> lock(inputLock);
  KeyState& key = keys[virtualKey];
  key.pressedSinceQuery = false;
  key.heldFromBefore = key.down;
}

void cursorInClient(int& x, int& y) {
  {
    std::lock_guard<std::mutex> lock(inputLock);
    x = cursorX;
    y = cursorY;
  }
  replay::cursorRead(x, y);
}

bool watchKeyPressed(WatchKey key) {
  std::lock_guard<std::mutex> lock(inputLock);
  const bool pressed = watchKeys[int(key)];
  watchKeys[int(key)] = false;
  return pressed;
}

void recordWatchKey(WatchKey key) {
  std::lock_guard<std::mutex> lock(inputLock);
  watchKeys[int(key)] = true;
  ++recordings;
  inputRecorded.notify_all();
}

void recordKey(int virtualKey, bool down) {
  if (!validKey(virtualKey)) return;
  std::lock_guard<std::mutex> lock(inputLock);
  KeyState& key = keys[virtualKey];
  // A key held from before its presses were forgotten (auto-repeat included) is no new press.
  if (down && !key.heldFromBefore) key.pressedSinceQuery = true;
  if (!down) key.heldFromBefore = false;
  key.down = down;
  ++recordings;
  inputRecorded.notify_all();
}

void recordCursor(int x, int y) {
  std::lock_guard<std::mutex> lock(inputLock);
  cursorX = x;
  cursorY = y;
  ++recordings;
  inputRecorded.notify_all();
}

void waitForRecordedInput(std::uint32_t ms) {
  std::unique_lock<std::mutex> lock(inputLock);
  const std::uint64_t seen = recordings;
  inputRecorded.wait_for(lock, std::chrono::milliseconds(ms), [seen] { return recordings != seen; });
}

void resetInput() {
  std::lock_guard<std::mutex> lock(inputLock);
  for (KeyState& key : keys) key = KeyState{};
  for (bool& key : watchKeys) key = false;
  cursorX = cursorY = 0;
}

}  // namespace platform
