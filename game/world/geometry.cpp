// The field box test, random offsets, headings of slopes and truncation to integers.
#include "game/world/geometry.h"
#include "platform/base/maths_rules.h"
#include "platform/base/random.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

bool within(std::int64_t value, std::int64_t low, std::int64_t high) { return low <= value && value <= high; }

}  // namespace

bool wholeInField(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height) {
  return within(left, kField.left, kField.right) && within(top, kField.top, kField.bottom) &&
         within(left + width, kField.left, kField.right) && within(top + height, kField.top, kField.bottom);
}

int randomOffset(int limit) {
  const int sign = platform::randomNumber() % 2;
  const int magnitude = platform::randomNumber() % limit;
  return sign == 1 ? magnitude : -magnitude;
}

double headingOfSlope(float dy, float dx, bool turnAround) {
  if (dx == 0.0f && dy == 0.0f) return 0.0;
  float ratio = dy / dx;
  double heading = static_cast<double>(platform::ruleArcTangent(ratio));
  if (turnAround) heading += kPi;
  return heading;
}

std::int32_t truncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

std::int32_t truncToInt(float value) { return truncToInt(static_cast<double>(value)); }
