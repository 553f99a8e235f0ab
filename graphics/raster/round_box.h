// Ellipses and boxes with elliptic corners (round rects), rasterised so that both the
// interior and the one-pixel outline are mirror-symmetric about the box's centre: the
// interior is every pixel whose centre lies strictly inside; the outline is built for one
// quarter on the grid of pixel centres and mirrored. Arcs and pies keep the pixels that lie
// between two rays from the centre (Wedge).
#pragma once
#include <cstdint>

#include "graphics/raster/raster.h"

namespace gfx::raster {

// A box in half pixels (continuous coordinates times two, so edges on pixel edges or
// centres are whole numbers), with elliptic corners of cornerWidth2 x cornerHeight2 half
// pixels: 0 for square corners, the box's own size for an ellipse. left2 + right2 and
// top2 + bottom2 are even; so are the corner sizes.
struct RoundBox {
  std::int64_t left2, top2, right2, bottom2;
  std::int64_t cornerWidth2, cornerHeight2;
};

// The points between two rays from an apex, counter-clockwise on the screen from the start
// ray to the end ray, both rays included. Coordinates are in quarter pixels, directions
// with y pointing up. Equal directions (or a zero one) take in the whole plane.
class Wedge {
 public:
  Wedge(std::int64_t apexX4, std::int64_t apexY4, std::int64_t startX, std::int64_t startY, std::int64_t endX,
        std::int64_t endY);
  // True when the point (x4, y4), in quarter pixels with y down, lies in the wedge.
  bool contains(std::int64_t x4, std::int64_t y4) const;
  // True when the pixel's centre lies in the wedge.
  bool containsPixel(std::int64_t x, std::int64_t y) const { return contains(4 * x + 2, 4 * y + 2); }
  // The pixels of row y whose centres lie in the wedge, as up to two inclusive intervals
  // (lo, hi pairs, left to right) written to spans; returns the number of values written.
  int rowSpans(std::int64_t y, std::int64_t spans[4]) const;

 private:
  std::int64_t apexX4_, apexY4_;
  std::int64_t sx_, sy_, ex_, ey_;
  bool whole_;
  bool halfTurn_;  // opposite rays: the half plane left of the start ray
  bool reflex_;    // more than half a turn
};

// Adds the pixels whose centres lie strictly inside the box (and in the wedge, if given).
void fillRoundBox(const RoundBox& box, const Wedge* wedge, Coverage& out);

// Adds the one-pixel outline of a box whose edges run through pixel centres (odd edges in
// half pixels): the four sides and the four corner quarters, each corner a thin 8-connected
// curve through the pixels nearest the ellipse (only those in the wedge, if given).
void outlineRoundBox(const RoundBox& box, const Wedge* wedge, Coverage& out);

}  // namespace gfx::raster
