// Keys by their place on the keyboard, numbered as USB HID usages of the keyboard page (the
// desktop backend's scancodes are the same numbers, so settings files and recorded sessions
// keep their meaning on every backend). A backend turns its own key events into these; the bindings, the key
// router and the settings file know only these. Names are the ones the settings file reads
// and writes ("W", "Left Shift", "Keypad Enter"), matched without regard to ASCII case.
#pragma once
#include <string>

namespace platform {

enum KeyCode : int {
  kKeyUnknown = 0,
  kKeyA = 4, kKeyB, kKeyC, kKeyD, kKeyE, kKeyF, kKeyG, kKeyH, kKeyI, kKeyJ, kKeyK, kKeyL, kKeyM,
  kKeyN, kKeyO, kKeyP, kKeyQ, kKeyR, kKeyS, kKeyT, kKeyU, kKeyV, kKeyW, kKeyX, kKeyY, kKeyZ,
  kKey1 = 30, kKey2, kKey3, kKey4, kKey5, kKey6, kKey7, kKey8, kKey9, kKey0,
  kKeyReturn = 40,
  kKeyEscape = 41,
  kKeySpace = 44,
  kKeyF11 = 68,
  kKeyPause = 72,
  kKeyRight = 79,
  kKeyLeft = 80,
  kKeyDown = 81,
  kKeyUp = 82,
  kKeyPadEnter = 88,
  kKeyPad1 = 89,
  kKeyLeftShift = 225,
};
// Codes run from 0 to kKeyCodeCount - 1; most have no key and no name.
constexpr int kKeyCodeCount = 512;

// The key's name; "" for a code that names no key (and for one out of range).
const char* keyCodeName(int key);

// The key of that name, in any ASCII case; kKeyUnknown when no key has it. Where two codes
// share a name the lower one answers.
KeyCode keyCodeNamed(const std::string& name);

}  // namespace platform
