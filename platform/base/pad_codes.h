// A gamepad's buttons and axes in the standard layout (a face of four buttons, Back, Guide,
// Start, two sticks that click, two shoulders, the D-pad, then the extras), numbered as the
// desktop backend's game-controller layer numbers them. A backend turns its own pad events into these; the pad
// layout and router know only these. Buttons are named as the settings file writes them
// ("a", "start", "dpup").
#pragma once

namespace platform {

enum PadButton : int {
  kPadA, kPadB, kPadX, kPadY, kPadBack, kPadGuide, kPadStart, kPadLeftStick, kPadRightStick,
  kPadLeftShoulder, kPadRightShoulder, kPadDpadUp, kPadDpadDown, kPadDpadLeft, kPadDpadRight,
  kPadMisc1, kPadPaddle1, kPadPaddle2, kPadPaddle3, kPadPaddle4, kPadTouchpad,
};
constexpr int kPadButtonCount = 21;

// Sticks run -32768..32767 (y downward), triggers 0..32767.
enum PadAxis : int { kPadLeftX, kPadLeftY, kPadRightX, kPadRightY, kPadTriggerLeft, kPadTriggerRight };
constexpr int kPadAxisCount = 6;

// The button's name in lower case; "" for a number that is no button.
const char* padButtonName(int button);

}  // namespace platform
