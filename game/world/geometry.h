// The geometry every rule of the game shares: the playing field as one box, headings of
// slopes, and float positions truncated to integers. Positions are window pixels of a box's
// top-left corner, y downward; headings are radians from +x toward +y.
#pragma once
#include <cstdint>

constexpr double kPi = 3.141592653589793;

// The playing field, edges included: every bounds test of the game measures against it.
struct FieldBox {
  std::int32_t left, top, right, bottom;
};
constexpr FieldBox kField{0, 0, 1600, 760};

// True when the box left..left + width x top..top + height lies wholly within kField.
bool wholeInField(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height);

// Heading of the slope dy / dx: atanf of the single-precision ratio, widened, plus pi when
// turnAround. Two coinciding points (dx and dy both 0) give 0, never NaN.
double headingOfSlope(float dy, float dx, bool turnAround);

// A random offset of up to limit - 1 pixels either way: rand() % 2 draws the sign first (1 is
// positive), then rand() % limit the size. Wander targets and a dropped bomb's aim use it.
int randomOffset(int limit);

// A float position truncated toward zero to 32 bits; values beyond the 32-bit range
// saturate and NaN gives 0 (never the undefined conversion).
std::int32_t truncToInt(float value);
std::int32_t truncToInt(double value);
