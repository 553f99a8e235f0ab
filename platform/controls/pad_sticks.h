// The arithmetic of sticks and triggers, apart from any device: a radial dead zone, the
// eight 45-degree walking sectors, a trigger's half travel, and the aim point a stick
// gives from the player's centre. Tilts run -1..1 per axis, y downward as on screen.
#pragma once

namespace platform {

// Half of a trigger's travel, in axis units (0..32767, pad_codes.h).
constexpr int kTriggerPressedAbove = 16384;
// How far the aim point lies from the player's centre, in frame pixels.
constexpr int kAimDistance = 300;

// A stick axis (-32768..32767) as a tilt of -1..1.
float tiltOf(int axisValue);

// True when the stick's tilt reaches beyond the dead zone (percent of full tilt) in any
// direction: the distance from the rest position counts, not each axis alone.
bool beyondDeadZone(float x, float y, int deadZonePercent);

// The walking directions a stick holds: bits of kWalkUp.. below. At rest (inside the dead
// zone) none; else the one or two of the 45-degree sector the tilt points into, sectors
// centred on the four axes and the four diagonals.
constexpr int kWalkUp = 1, kWalkDown = 2, kWalkLeft = 4, kWalkRight = 8;
int walkDirections(float x, float y, int deadZonePercent);

// A trigger's axis value counts as pressed above half travel.
bool triggerPressed(int axisValue);

// The box that aim points stay in, edges included.
struct AimBox {
  int left, top, right, bottom;
};

// The point kAimDistance from the centre along the tilt's direction, brought closer along
// that same direction where it would leave the box (a centre outside the box is first
// moved onto it). Rounded to whole pixels. The tilt must be beyond the dead zone.
void aimPoint(int centreX, int centreY, float x, float y, const AimBox& box, int& aimX, int& aimY);

}  // namespace platform
