// What the rasteriser's files share among themselves: pi, the far limit that keeps
// coordinates far outside any target exact, and the fill of one convex piece, which wide
// pens use.
#pragma once
#include <algorithm>

#include "graphics/raster/raster.h"

namespace gfx::raster {

constexpr double kPi = 3.14159265358979323846;
// Coordinates beyond this are far outside any target; clamping keeps the arithmetic exact.
constexpr double kFar = 1e12;

inline double clampFar(double v) { return std::clamp(v, -kFar, kFar); }

// A convex polygon, filled alone: on each row the span between its two crossings, with the
// same centre rule as fillContours.
void fillConvex(const Contour& c, Coverage& out);

}  // namespace gfx::raster
