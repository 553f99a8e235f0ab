// Ellipses and round rects on the pixel grid: exact interiors row by row, outlines from one
// quarter curve mirrored four ways, and the wedge test of arcs and pies. Hand-written: the
// shapes must be bit-exact and symmetric, which a general curve flattener does not give.
#include "graphics/raster/round_box.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gfx::raster {

namespace {

using Wide = __int128;

// Up to this size (in the units compared) the tests are exact integer arithmetic; larger
// shapes lie far beyond any target and use long double.
constexpr std::int64_t kExactLimit = std::int64_t(1) << 30;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

std::int64_t positiveMod(std::int64_t a, std::int64_t m) { return a - floorDiv(a, m) * m; }

// A quarter of the ellipse with axes w x h pixels, on the grid of pixel centres measured in
// half pixels from the ellipse's centre: points (u, v) with u of w's parity and v of h's,
// 0 <= u <= w, 0 <= v <= h.
class Quarter {
 public:
  Quarter(std::int64_t w, std::int64_t h) : w_(w), h_(h), exact_(w <= kExactLimit && h <= kExactLimit) {}

  // The row of the pixel nearest the curve in column u.
  std::int64_t rowAt(std::int64_t u) const { return nearest(h_, w_, u); }
  // The column of the pixel nearest the curve in row v.
  std::int64_t columnAt(std::int64_t v) const { return nearest(w_, h_, v); }

  // True while the curve at column u falls by at most one row per column: h² u <= w² v.
  bool shallow(std::int64_t u) const {
    std::int64_t v = rowAt(u);
    if (exact_) return Wide(h_) * h_ * u <= Wide(w_) * w_ * v;
    return static_cast<double>(h_) * h_ * u <= static_cast<double>(w_) * w_ * v;
  }

 private:
  // The t of a's parity, 0 <= t <= a, with t - 1 <= a sqrt(1 - s² / b²) < t + 1: the pixel
  // nearest the curve, a tie going outward.
  std::int64_t nearest(std::int64_t a, std::int64_t b, std::int64_t s) const {
    if (b == 0) return a;
    std::int64_t parity = a & 1;
    double ratio = static_cast<double>(s) / static_cast<double>(b);
    double f = static_cast<double>(a) * std::sqrt(std::max(0.0, 1 - ratio * ratio));
    std::int64_t t = parity + 2 * static_cast<std::int64_t>(std::floor((f + 1 - parity) / 2));
    t = std::clamp(t, parity, a);
    if (!exact_) return t;
    Wide inside = Wide(a) * a * (Wide(b) * b - Wide(s) * s);  // (a sqrt(1 - s²/b²))² b²
    auto notAbove = [&](std::int64_t c) { return c <= 1 || Wide(c - 1) * (c - 1) * b * b <= inside; };
    auto below = [&](std::int64_t c) { return inside < Wide(c + 1) * (c + 1) * b * b; };
    while (t > parity && !notAbove(t)) t -= 2;
    while (t < a && !below(t)) t += 2;
    return t;
  }

  std::int64_t w_, h_;
  bool exact_;
};

// The largest e of the given residue modulo 4 with e < h, where h = rx sqrt(1 - dy² / ry²)
// (all in quarter pixels, 0 <= dy < ry).
std::int64_t largestOffsetBelow(std::int64_t rx, std::int64_t ry, std::int64_t dy, std::int64_t residue) {
  double ratio = static_cast<double>(dy) / static_cast<double>(ry);
  double h = static_cast<double>(rx) * std::sqrt(std::max(0.0, 1 - ratio * ratio));
  std::int64_t e = residue + 4 * (static_cast<std::int64_t>(std::ceil((h - static_cast<double>(residue)) / 4)) - 1);
  if (rx > kExactLimit || ry > kExactLimit) return e;
  Wide limit = Wide(rx) * rx * (Wide(ry) * ry - Wide(dy) * dy);  // h² ry²
  auto fits = [&](std::int64_t c) { return c < 0 || Wide(c) * c * ry * ry < limit; };
  while (!fits(e)) e -= 4;
  while (fits(e + 4)) e += 4;
  return e;
}

// Adds the pixels x0..x1 (inclusive) of row y, only those in the wedge if one is given.
void addRun(Coverage& out, const Wedge* wedge, std::int64_t y, std::int64_t x0, std::int64_t x1) {
  if (x0 > x1) return;
  if (!wedge) {
    out.add(y, x0, x1 + 1);
    return;
  }
  std::int64_t spans[4];
  int count = wedge->rowSpans(y, spans);
  for (int i = 0; i < count; i += 2) {
    std::int64_t a = std::max(x0, spans[i]), b = std::min(x1, spans[i + 1]);
    if (a <= b) out.add(y, a, b + 1);
  }
}

// Adds the pixels y0..y1 (inclusive) of column x.
void addColumn(Coverage& out, const Wedge* wedge, std::int64_t x, std::int64_t y0, std::int64_t y1) {
  if (x < out.left() || x >= out.right()) return;
  for (std::int64_t y = std::max(y0, out.top()); y <= std::min(y1, out.bottom() - 1); ++y)
    if (!wedge || wedge->containsPixel(x, y)) out.addPixel(x, y);
}

// Calls visit(t), in increasing order and once each, for every t of first's parity in
// [first, last] that lies in [lo1, hi1] or [lo2, hi2].
template <typename Visit>
void visitWindows(std::int64_t first, std::int64_t last, std::int64_t lo1, std::int64_t hi1, std::int64_t lo2,
                  std::int64_t hi2, Visit visit) {
  auto run = [&](std::int64_t lo, std::int64_t hi) {
    lo = std::max(lo, first);
    hi = std::min(hi, last);
    if (positiveMod(lo - first, 2) != 0) ++lo;
    for (std::int64_t t = lo; t <= hi; t += 2) visit(t);
  };
  if (lo2 < lo1) {
    std::swap(lo1, lo2);
    std::swap(hi1, hi2);
  }
  if (lo2 <= hi1 + 1) {
    run(lo1, std::max(hi1, hi2));
  } else {
    run(lo1, hi1);
    run(lo2, hi2);
  }
}

// Collects the pixels of one quarter of an outline into runs along rows before adding
// them, so a shallow curve gives one span per row instead of one per pixel.
class RunCollector {
 public:
  explicit RunCollector(Coverage& out) : out_(out) {}
  ~RunCollector() { flush(); }
  void add(std::int64_t x, std::int64_t y) {
    if (open_ && y == y_ && (x == right_ || x == left_ - 1)) {
      left_ = std::min(left_, x);
      right_ = std::max(right_, x + 1);
      return;
    }
    flush();
    open_ = true;
    y_ = y;
    left_ = x;
    right_ = x + 1;
  }
  void flush() {
    if (open_) out_.add(y_, left_, right_);
    open_ = false;
  }

 private:
  Coverage& out_;
  bool open_ = false;
  std::int64_t y_ = 0, left_ = 0, right_ = 0;
};

}  // namespace

Wedge::Wedge(std::int64_t apexX4, std::int64_t apexY4, std::int64_t startX, std::int64_t startY, std::int64_t endX,
             std::int64_t endY)
    : apexX4_(apexX4), apexY4_(apexY4), sx_(startX), sy_(startY), ex_(endX), ey_(endY), whole_(false), reflex_(false) {
  Wide cross = Wide(sx_) * ey_ - Wide(sy_) * ex_;
  Wide dot = Wide(sx_) * ex_ + Wide(sy_) * ey_;
  bool zero = (sx_ == 0 && sy_ == 0) || (ex_ == 0 && ey_ == 0);
  whole_ = zero || (cross == 0 && dot > 0);
  halfTurn_ = !whole_ && cross == 0;
  reflex_ = cross < 0;
}

namespace {

constexpr std::int64_t kNoLimit = std::numeric_limits<std::int64_t>::max();

// The pixels x of a row with k * (4x + 2) <= c, as an inclusive interval (lo > hi: none).
void halfRow(Wide k, Wide c, std::int64_t& lo, std::int64_t& hi) {
  lo = -kNoLimit;
  hi = kNoLimit;
  auto clampWide = [](Wide v) { return static_cast<std::int64_t>(std::clamp<Wide>(v, -kNoLimit, kNoLimit)); };
  auto floorWide = [](Wide a, Wide b) {  // b > 0
    Wide q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
  };
  if (k == 0) {
    if (c < 0) lo = kNoLimit, hi = -kNoLimit;
  } else if (k > 0) {
    hi = clampWide(floorWide(c - 2 * k, 4 * k));  // 4x + 2 <= c / k
  } else {
    lo = clampWide(-floorWide(c - 2 * k, -4 * k));  // 4x + 2 >= c / k, k < 0
  }
}

}  // namespace

int Wedge::rowSpans(std::int64_t y, std::int64_t spans[4]) const {
  if (whole_) {
    spans[0] = -kNoLimit;
    spans[1] = kNoLimit;
    return 2;
  }
  Wide py = apexY4_ - (4 * y + 2);
  // After the start ray: sx py - sy (X - apexX) >= 0, that is sy X <= sx py + sy apexX.
  std::int64_t startLo, startHi, endLo, endHi;
  halfRow(Wide(sy_), Wide(sx_) * py + Wide(sy_) * apexX4_, startLo, startHi);
  // Before the end ray: (X - apexX) ey - py ex >= 0, that is -ey X <= -ey apexX - py ex.
  halfRow(-Wide(ey_), -Wide(ey_) * apexX4_ - py * ex_, endLo, endHi);
  int count = 0;
  auto push = [&](std::int64_t lo, std::int64_t hi) {
    if (lo > hi) return;
    spans[count++] = lo;
    spans[count++] = hi;
  };
  if (halfTurn_) {
    push(startLo, startHi);
  } else if (!reflex_) {
    push(std::max(startLo, endLo), std::min(startHi, endHi));
  } else if (startLo > startHi) {  // more than half a turn: the union of the two
    push(endLo, endHi);
  } else if (endLo > endHi) {
    push(startLo, startHi);
  } else if (startHi < endLo - 1) {
    push(startLo, startHi);
    push(endLo, endHi);
  } else if (endHi < startLo - 1) {
    push(endLo, endHi);
    push(startLo, startHi);
  } else {
    push(std::min(startLo, endLo), std::max(startHi, endHi));
  }
  return count;
}

bool Wedge::contains(std::int64_t x4, std::int64_t y4) const {
  if (whole_) return true;
  std::int64_t px = x4 - apexX4_, py = apexY4_ - y4;
  bool afterStart = Wide(sx_) * py - Wide(sy_) * px >= 0;
  bool beforeEnd = Wide(px) * ey_ - Wide(py) * ex_ >= 0;
  if (halfTurn_) return afterStart;  // the half plane left of the start ray
  return reflex_ ? (afterStart || beforeEnd) : (afterStart && beforeEnd);
}

void fillRoundBox(const RoundBox& box, const Wedge* wedge, Coverage& out) {
  // Rows whose centres (2y + 1 in half pixels) lie strictly between the top and bottom.
  std::int64_t yFirst = std::max(floorDiv(box.top2 - 1, 2) + 1, out.top());
  std::int64_t yLast = std::min(ceilDiv(box.bottom2 - 1, 2) - 1, out.bottom() - 1);
  std::int64_t xFirst = floorDiv(box.left2 - 1, 2) + 1, xLast = ceilDiv(box.right2 - 1, 2) - 1;
  bool corners = box.cornerWidth2 > 0 && box.cornerHeight2 > 0;
  // Corner ellipse centres and half axes in quarter pixels.
  std::int64_t rx = box.cornerWidth2, ry = box.cornerHeight2;
  std::int64_t leftCentre = 2 * box.left2 + rx, rightCentre = 2 * box.right2 - rx;
  std::int64_t topCentre = 2 * box.top2 + ry, bottomCentre = 2 * box.bottom2 - ry;
  for (std::int64_t y = yFirst; y <= yLast; ++y) {
    std::int64_t y4 = 4 * y + 2;
    std::int64_t x0 = xFirst, x1 = xLast;
    if (corners && (y4 < topCentre || y4 > bottomCentre)) {
      std::int64_t dy = y4 < topCentre ? topCentre - y4 : y4 - bottomCentre;
      // The outermost offset from the corner centres; a pixel and its mirror image have the
      // same offset (leftCentre + rightCentre is a multiple of 4), so one serves both sides.
      std::int64_t offset = largestOffsetBelow(rx, ry, dy, positiveMod(leftCentre - 2, 4));
      x0 = (leftCentre - 2 - offset) / 4;
      x1 = (rightCentre - 2 + offset) / 4;
    }
    addRun(out, wedge, y, x0, x1);
  }
}

void outlineRoundBox(const RoundBox& box, const Wedge* wedge, Coverage& out) {
  // Pixels of the sides (the box's edges run through their centres).
  std::int64_t left = floorDiv(box.left2, 2), right = floorDiv(box.right2, 2);
  std::int64_t top = floorDiv(box.top2, 2), bottom = floorDiv(box.bottom2, 2);
  std::int64_t w = box.cornerWidth2 / 2, h = box.cornerHeight2 / 2;
  if (w == 0 || h == 0) {
    addRun(out, wedge, top, left, right);
    addRun(out, wedge, bottom, left, right);
    addColumn(out, wedge, left, top, bottom);
    addColumn(out, wedge, right, top, bottom);
    return;
  }
  std::int64_t u0 = w & 1, v0 = h & 1;
  addRun(out, wedge, top, left + (w - u0) / 2, right - (w - u0) / 2);
  addRun(out, wedge, bottom, left + (w - u0) / 2, right - (w - u0) / 2);
  addColumn(out, wedge, left, top + (h - v0) / 2, bottom - (h - v0) / 2);
  addColumn(out, wedge, right, top + (h - v0) / 2, bottom - (h - v0) / 2);

  Quarter quarter(w, h);
  RunCollector quarters[4] = {RunCollector(out), RunCollector(out), RunCollector(out), RunCollector(out)};
  auto plotMirrored = [&](std::int64_t u, std::int64_t v) {
    std::int64_t xs[2] = {right - (w - u) / 2, left + (w - u) / 2};
    std::int64_t ys[2] = {top + (h - v) / 2, bottom - (h - v) / 2};
    for (int i = 0; i < 4; ++i) {
      std::int64_t x = xs[i & 1], y = ys[i >> 1];
      if (y < out.top() || y >= out.bottom() || x < out.left() || x >= out.right()) continue;
      if (!wedge || wedge->containsPixel(x, y)) quarters[i].add(x, y);
    }
  };
  // Shallow part: one pixel per column, from the top point while the curve falls by at
  // most one row per column. The last such column is found by bisection (the test turns
  // false once and stays false).
  std::int64_t columns = (w - u0) / 2 + 1;
  std::int64_t shallowColumns = 0;
  for (std::int64_t lo = 0, hi = columns; lo < hi;) {
    std::int64_t mid = lo + (hi - lo) / 2;
    if (quarter.shallow(u0 + 2 * mid)) {
      shallowColumns = mid + 1;
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  std::int64_t lastShallow = u0 + 2 * (shallowColumns - 1);
  // Each column runs from its own row up to the row below the previous column's, so the
  // curve stays 8-connected where it drops by more than a row (flat ellipses); the first
  // column reaches the top. Only columns inside the bounds on the right or the left side
  // are visited, each once.
  // Columns and rows are visited in order: a neighbour's pixel is kept, not found again.
  std::int64_t previousU = -1, previousRow = 0;
  auto rowBefore = [&](std::int64_t u) { return u - 2 == previousU ? previousRow : quarter.rowAt(u - 2); };
  auto visitColumn = [&](std::int64_t u) {
    std::int64_t v = quarter.rowAt(u);
    std::int64_t above = u == u0 ? h : rowBefore(u) - 2;
    previousU = u;
    previousRow = v;
    for (std::int64_t t = v; t <= std::max(v, above); t += 2) plotMirrored(u, t);
  };
  if (shallowColumns > 0)
    visitWindows(u0, lastShallow, w - 2 * (right - out.left()), w - 2 * (right - out.right() + 1),
                 w - 2 * (out.right() - 1 - left), w - 2 * (out.left() - left), visitColumn);
  // Steep part: one run per row, from the row below the last shallow column's down to the
  // middle, each reaching back to the column after the previous row's.
  std::int64_t firstSteep = shallowColumns > 0 ? quarter.rowAt(lastShallow) - 2 : h;
  if (firstSteep < v0) return;
  std::int64_t knownV = -1, knownColumn = 0;  // rows go up: the row above is the next one's own
  auto columnOf = [&](std::int64_t v) {
    if (v != knownV) {
      knownV = v;
      knownColumn = quarter.columnAt(v);
    }
    return knownColumn;
  };
  auto visitRow = [&](std::int64_t v) {
    std::int64_t u = columnOf(v);
    std::int64_t before = v == firstSteep ? (shallowColumns > 0 ? lastShallow + 2 : u0) : columnOf(v + 2) + 2;
    for (std::int64_t t = std::min(u, before); t <= u; t += 2) plotMirrored(t, v);
  };
  visitWindows(v0, firstSteep, h - 2 * (out.bottom() - 1 - top), h - 2 * (out.top() - top),
               h - 2 * (bottom - out.top()), h - 2 * (bottom - out.bottom() + 1), visitRow);
}

}  // namespace gfx::raster
