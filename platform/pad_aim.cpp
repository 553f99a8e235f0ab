// The pad's aim point and the last device used (see pad_aim.h): one small record under a
// lock, written by the window thread and the game's update, read through the seam.
#include "platform/pad_aim.h"

#include <mutex>

#include "platform/seam/input_feed.h"
#include "platform/replay/session.h"

namespace platform {
namespace {

constexpr std::uint8_t kAimTag = replay::value_tag::kFirstPad;
constexpr std::uint8_t kLastDeviceTag = replay::value_tag::kFirstPad + 1;
constexpr std::uint64_t kAiming = std::uint64_t(1) << 32;

struct AimState {
  bool centreKnown = false;
  int centreX = 0, centreY = 0;
  AimBox field{0, 0, 0, 0};
  bool stickOut = false;  // the aim stick is beyond the dead zone
  float tiltX = 0, tiltY = 0;
  bool padAims = false;
  int aimX = 0, aimY = 0;
  InputDevice last = InputDevice::KeysAndMouse;
};

std::mutex aimLock;
AimState aim;

// With the stick out and the centre known: the aim point anew, given to the latch as the cursor.
void aimAgain() {
  if (!aim.stickOut || !aim.centreKnown) return;
  aimPoint(aim.centreX, aim.centreY, aim.tiltX, aim.tiltY, aim.field, aim.aimX, aim.aimY);
  aim.padAims = true;
  recordCursor(aim.aimX, aim.aimY);
}

}  // namespace

void tellPlayerCentre(int x, int y, const AimBox& field) {
  std::lock_guard<std::mutex> lock(aimLock);
  aim.centreKnown = true;
  aim.centreX = x;
  aim.centreY = y;
  aim.field = field;
  aimAgain();
}

bool padAimRead(int& x, int& y) {
  std::uint64_t live = 0;
  {
    std::lock_guard<std::mutex> lock(aimLock);
    if (aim.padAims) live = kAiming | std::uint64_t(std::uint16_t(aim.aimX)) << 16 | std::uint16_t(aim.aimY);
  }
  const std::uint64_t answer = replay::valueRead(kAimTag, live, 0);
  x = std::int16_t(answer >> 16);
  y = std::int16_t(answer);
  return answer & kAiming;
}

InputDevice lastDeviceRead() {
  std::uint64_t live;
  {
    std::lock_guard<std::mutex> lock(aimLock);
    live = std::uint64_t(aim.last);
  }
  return replay::valueRead(kLastDeviceTag, live, 0) == 1 ? InputDevice::Pad : InputDevice::KeysAndMouse;
}

void recordAimTilt(float x, float y, int deadZonePercent) {
  std::lock_guard<std::mutex> lock(aimLock);
  aim.stickOut = beyondDeadZone(x, y, deadZonePercent);
  if (!aim.stickOut) return;
  aim.tiltX = x;
  aim.tiltY = y;
  aim.last = InputDevice::Pad;
  aimAgain();
}

void recordMouseUse() {
  std::lock_guard<std::mutex> lock(aimLock);
  aim.padAims = false;
  aim.stickOut = false;  // the stick takes aiming back only when it moves again
  aim.last = InputDevice::KeysAndMouse;
}

void recordDeviceUse(InputDevice device) {
  std::lock_guard<std::mutex> lock(aimLock);
  aim.last = device;
}

void resetPadAim() {
  std::lock_guard<std::mutex> lock(aimLock);
  aim = AimState{};
}

}  // namespace platform
