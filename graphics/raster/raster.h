// The software rasteriser behind the drawing devices. Shapes become rows of pixel spans
// (Coverage), already cut to the target and the clipping region's bounds, and spans are
// painted with a Paint (pen or brush colour, hatch or pattern, mix mode).
// Geometry is in continuous device coordinates: pixel (x, y) is the unit square
// [x, x + 1) x [y, y + 1) and is covered by a filled shape when its centre is inside.
// One-pixel pens step from pixel to pixel instead (floor of the coordinates).
#pragma once
#include <cstdint>
#include <vector>

#include "graphics/region.h"

namespace gfx::raster {

// What a primitive may touch: the target's words and the clipping region (device pixels).
struct Surface {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  const Region* clip = nullptr;  // null: the whole target

  // Bounds of what can be painted, half-open; empty when nothing can.
  std::int64_t left = 0, top = 0, right = 0, bottom = 0;
  void computeBounds();
};

// The 16 binary mix modes on whole pixel words; mode 13 copies the source. Mode m gives
// the bits whose (source, target) combination is set in m - 1: bit 3 for (1, 1), bit 2
// for (1, 0), bit 1 for (0, 1), bit 0 for (0, 0).
inline std::uint32_t mixWords(int mode, std::uint32_t p, std::uint32_t d) {
  switch (mode) {
    case 1: return 0;
    case 2: return ~(d | p);
    case 3: return d & ~p;
    case 4: return ~p;
    case 5: return p & ~d;
    case 6: return ~d;
    case 7: return d ^ p;
    case 8: return ~(d & p);
    case 9: return d & p;
    case 10: return ~(d ^ p);
    case 11: return d;
    case 12: return d | ~p;
    case 13: return p;
    case 14: return p | ~d;
    case 15: return p | d;
    case 16: return 0xFFFFFFFFu;
    default: return p;
  }
}

struct Paint {
  enum Kind { kSolid, kHatch, kMono, kColourPattern };
  Kind kind = kSolid;
  int mixMode = 13;
  std::uint32_t word = 0;      // solid colour, hatch lines
  std::uint32_t backWord = 0;  // hatch gaps (opaque mode), mono 1 bits
  std::uint32_t textWord = 0;  // mono 0 bits
  bool opaqueGaps = true;      // hatch gaps painted
  int hatch = 0;
  const std::uint8_t* bits = nullptr;      // mono pattern, one byte per pixel (1 = background)
  const std::uint32_t* colours = nullptr;  // colour pattern words
  int patternWidth = 0;
  int patternHeight = 0;
};

struct Span {
  std::int64_t y;
  std::int64_t left;
  std::int64_t right;  // exclusive
};

// A set of pixels as spans, limited to the bounds it was made with.
class Coverage {
 public:
  explicit Coverage(const Surface& surface)
      : left_(surface.left), top_(surface.top), right_(surface.right), bottom_(surface.bottom) {}
  Coverage(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
      : left_(left), top_(top), right_(right), bottom_(bottom) {}
  void add(std::int64_t y, std::int64_t left, std::int64_t right);
  void addPixel(std::int64_t x, std::int64_t y) { add(y, x, x + 1); }
  // Sorts by row and column and merges overlapping spans.
  void normalise();
  // Removes the pixels of other (both normalised).
  void subtract(const Coverage& other);
  const std::vector<Span>& spans() const { return spans_; }
  std::int64_t top() const { return top_; }
  std::int64_t bottom() const { return bottom_; }
  std::int64_t left() const { return left_; }
  std::int64_t right() const { return right_; }

 private:
  std::int64_t left_, top_, right_, bottom_;
  std::vector<Span> spans_;
};

struct PointF {
  double x;
  double y;
};
using Contour = std::vector<PointF>;

// Fills the contours together: alternate (even-odd) or winding (non-zero) rule.
void fillContours(const std::vector<Contour>& contours, bool winding, Coverage& out);

// Pen description for stroking.
struct Pen {
  bool visible = true;
  double width = 1;
  int cap = 0;   // 0 round, 1 square, 2 flat
  int join = 0;  // 0 round, 1 bevel, 2 mitre
  std::vector<double> dashes;  // on, off, on, off ...; empty: solid
};

// Strokes a path given in continuous coordinates. One-pixel pens visit the pixels under
// the path by Bresenham steps: an open path leaves out its last pixel unless includeLast.
void strokePath(const Contour& path, bool closed, bool includeLast, const Pen& pen, Coverage& out);

// Sets n words from p on to w (no mix mode, no clipping).
void fillWords(std::uint32_t* p, std::int64_t n, std::uint32_t w);

// Paints the spans, cut to the target and the clipping region.
void paintCoverage(const Surface& surface, const Coverage& coverage, const Paint& paint);
void paintSpan(const Surface& surface, std::int64_t y, std::int64_t left, std::int64_t right, const Paint& paint);

// Points of an elliptic arc in the box [left, right] x [top, bottom] from parameter angle
// a0 counter-clockwise on screen to a1 (a1 >= a0), end points included.
void appendEllipseArc(Contour& out, double left, double top, double right, double bottom, double a0, double a1);

// Flattens a cubic Bezier from p0 with controls p1, p2 to p3 (p0 not appended).
void appendBezier(Contour& out, PointF p0, PointF p1, PointF p2, PointF p3);

// The pixels 4-connected to (x, y): mode 0 up to a border of borderWord, mode 1 those equal
// to the word. Whole words are compared.
void floodRegion(const Surface& surface, std::int64_t x, std::int64_t y, std::uint32_t word, int mode, Coverage& out);

}  // namespace gfx::raster
