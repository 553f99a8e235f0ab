// Dead zone, sectors, triggers and the aim point (see pad_sticks.h). No state.
#include "platform/controls/pad_sticks.h"

#include <algorithm>
#include <cmath>

namespace platform {

float tiltOf(int axisValue) { return std::clamp(float(axisValue) / 32767.0f, -1.0f, 1.0f); }

bool beyondDeadZone(float x, float y, int deadZonePercent) {
  const float radius = float(deadZonePercent) / 100.0f;
  return x * x + y * y > radius * radius;
}

int walkDirections(float x, float y, int deadZonePercent) {
  if (!beyondDeadZone(x, y, deadZonePercent)) return 0;
  // Sector 0 is centred on +x (right), counting toward +y (down) in steps of 45 degrees.
  const double angle = std::atan2(double(y), double(x));
  const int sector = (int(std::lround(angle / (M_PI / 4))) + 8) % 8;
  static const int kSectors[8] = {kWalkRight,          kWalkRight | kWalkDown, kWalkDown, kWalkDown | kWalkLeft,
                                  kWalkLeft,           kWalkLeft | kWalkUp,    kWalkUp,   kWalkUp | kWalkRight};
  return kSectors[sector];
}

bool triggerPressed(int axisValue) { return axisValue > kTriggerPressedAbove; }

void aimPoint(int centreX, int centreY, float x, float y, const AimBox& box, int& aimX, int& aimY) {
  const double fromX = std::clamp(centreX, box.left, box.right);
  const double fromY = std::clamp(centreY, box.top, box.bottom);
  const double length = std::hypot(double(x), double(y));
  const double dx = length > 0 ? x / length : 1.0, dy = length > 0 ? y / length : 0.0;
  double reach = kAimDistance;
  if (dx > 0) reach = std::min(reach, (box.right - fromX) / dx);
  if (dx < 0) reach = std::min(reach, (box.left - fromX) / dx);
  if (dy > 0) reach = std::min(reach, (box.bottom - fromY) / dy);
  if (dy < 0) reach = std::min(reach, (box.top - fromY) / dy);
  aimX = std::clamp(int(std::lround(fromX + dx * reach)), box.left, box.right);
  aimY = std::clamp(int(std::lround(fromY + dy * reach)), box.top, box.bottom);
}

}  // namespace platform
