// The virtual-key codes the game reads, shared by the input latch, the controls that feed it
// and the record and replay files that carry it. Letters and digits use their upper-case
// ASCII code ('W', 'A', '1', ...), as virtual keys do.
#pragma once

namespace platform {

enum VirtualKey : int {
  kVkLButton = 0x01,
  kVkRButton = 0x02,
  kVkReturn = 0x0D,
  // The window's own news, read like keys: pressed once when the window loses keyboard focus
  // (after it had it, and while the settings ask for it), down while it is minimised or hidden.
  kVkFocusLost = 0x0E,
  kVkWindowAway = 0x0F,
  kVkPause = 0x13,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
};
constexpr int kVirtualKeyCount = 256;

}  // namespace platform
