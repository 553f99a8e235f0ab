// The game's own sine, cosine, arc tangents, arc cosine and hypotenuse: each result is the
// exact value rounded to the nearest double (or float), so the world moves and the picture
// is drawn with the same bits on every compiler, C library and processor. The world, its
// rules, the drawing and the headless driver call these instead of the C library's.
// NaN gives NaN, and infinities and zeros follow the C library's conventions.
#pragma once

namespace platform::exact {

// Correctly rounded for |x| below 2^20 (about 167,000 turns); beyond, the result is still
// the same everywhere but may be off in its last bits.
double sin(double x);
double cos(double x);
// The arc tangent of a float, to the nearest float.
float atan(float x);
double atan2(double y, double x);
double acos(double x);
double hypot(double x, double y);

}  // namespace platform::exact
