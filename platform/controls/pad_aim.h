// Aiming with a pad, and which device the player used last. The window thread feeds the aim
// stick's tilt and the mouse's motion; the game tells the player's centre once per update;
// the aim point then goes to the input latch as the cursor, so the rules fire at it as at
// the mouse. A stick at rest keeps the last aim point; moving the mouse gives aiming back to
// it. The game's reads go through the record and replay session as value reads under the
// pad tags. Thread-safe.
#pragma once
#include <cstdint>

#include "platform/controls/pad_sticks.h"

namespace platform {

// The game, once per update of a round: where the player's centre is, in frame coordinates,
// and the field that aim points stay in.
void tellPlayerCentre(int x, int y, const AimBox& field);

// The game's reads, in its animation step. True while the pad aims, with the aim point.
bool padAimRead(int& x, int& y);

enum class InputDevice : std::uint8_t { KeysAndMouse = 0, Pad = 1 };
// The device the player gave input with last (keys and mouse until a pad speaks).
InputDevice lastDeviceRead();

// The window thread's side. The aim stick's tilt (pad_sticks.h) beyond or inside the dead
// zone; the mouse moved or clicked; a key or a pad gave input.
void recordAimTilt(float x, float y, int deadZonePercent);
void recordMouseUse();
void recordDeviceUse(InputDevice device);

// Forgets the aim, the centre and the last device (a test's fresh start).
void resetPadAim();

}  // namespace platform
