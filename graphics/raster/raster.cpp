// Scanline polygon fill, pen stroking (Bresenham for one-pixel pens, polygons for wider
// ones), span painting with mix modes and brushes, flood fill.
#include "graphics/raster/raster.h"
#include "platform/base/exact_maths.h"

#include <algorithm>
#include <cmath>
#include <limits>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace gfx::raster {

namespace {
constexpr double kPi = 3.14159265358979323846;
// Coordinates beyond this are far outside any target; clamping keeps the arithmetic exact.
constexpr double kFar = 1e12;

double clampFar(double v) { return std::clamp(v, -kFar, kFar); }
}  // namespace

void Surface::computeBounds() {
  left = 0;
  top = 0;
  right = pixels ? width : 0;
  bottom = pixels ? height : 0;
  if (clip) {
    if (clip->empty()) {
      right = left;
      bottom = top;
      return;
    }
    const auto& bands = clip->bands();
    std::int64_t cl = std::numeric_limits<std::int64_t>::max(), cr = std::numeric_limits<std::int64_t>::min();
    for (const auto& band : bands) {
      cl = std::min(cl, band.runs.front().left);
      cr = std::max(cr, band.runs.back().right);
    }
    left = std::max(left, cl);
    right = std::min(right, cr);
    top = std::max(top, bands.front().top);
    bottom = std::min(bottom, bands.back().bottom);
  }
  if (right < left) right = left;
  if (bottom < top) bottom = top;
}

// ---- Coverage ----

void Coverage::add(std::int64_t y, std::int64_t l, std::int64_t r) {
  if (y < top_ || y >= bottom_) return;
  l = std::max(l, left_);
  r = std::min(r, right_);
  if (r <= l) return;
  spans_.push_back(Span{y, l, r});
}

namespace {

bool spanBefore(const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.left < b.left; }

// Puts spans whose rows lie in [top, bottom) in order: by counting rows, then each row's
// few spans by column.
void sortByRow(std::vector<Span>& spans, std::int64_t top, std::int64_t bottom) {
  std::vector<std::size_t> start(static_cast<std::size_t>(bottom - top) + 1, 0);
  for (const Span& span : spans) ++start[static_cast<std::size_t>(span.y - top) + 1];
  for (std::size_t row = 1; row < start.size(); ++row) start[row] += start[row - 1];
  std::vector<Span> byRow(spans.size());
  std::vector<std::size_t> next(start.begin(), start.end() - 1);
  for (const Span& span : spans) byRow[next[static_cast<std::size_t>(span.y - top)]++] = span;
  for (std::size_t row = 0; row + 1 < start.size(); ++row)
    if (start[row + 1] - start[row] > 1)
      std::sort(byRow.begin() + static_cast<std::ptrdiff_t>(start[row]),
                byRow.begin() + static_cast<std::ptrdiff_t>(start[row + 1]), spanBefore);
  spans.swap(byRow);
}

}  // namespace

void Coverage::normalise() {
  // Fills add their rows in order and need no sort; many spans are sorted by row counts.
  if (!std::is_sorted(spans_.begin(), spans_.end(), spanBefore)) {
    if (spans_.size() < static_cast<std::size_t>(bottom_ - top_) / 4)
      std::sort(spans_.begin(), spans_.end(), spanBefore);
    else
      sortByRow(spans_, top_, bottom_);
  }
  std::size_t out = 0;
  for (std::size_t i = 0; i < spans_.size(); ++i) {
    if (out > 0 && spans_[out - 1].y == spans_[i].y && spans_[i].left <= spans_[out - 1].right)
      spans_[out - 1].right = std::max(spans_[out - 1].right, spans_[i].right);
    else
      spans_[out++] = spans_[i];
  }
  spans_.resize(out);
}

void Coverage::subtract(const Coverage& other) {
  std::vector<Span> result;
  const auto& cut = other.spans_;
  std::size_t j = 0;
  for (const Span& s : spans_) {
    while (j < cut.size() && (cut[j].y < s.y || (cut[j].y == s.y && cut[j].right <= s.left))) ++j;
    std::int64_t start = s.left;
    for (std::size_t k = j; k < cut.size() && cut[k].y == s.y && cut[k].left < s.right; ++k) {
      if (cut[k].left > start) result.push_back(Span{s.y, start, cut[k].left});
      start = std::max(start, cut[k].right);
    }
    if (start < s.right) result.push_back(Span{s.y, start, s.right});
  }
  spans_.swap(result);
}

// ---- Polygon fill ----

namespace {
struct Edge {
  double x0, y0, x1, y1;  // y0 < y1
  int dir;
};
struct Crossing {
  double x;
  int dir;
};

std::int64_t firstRowAtOrBelow(double y) { return static_cast<std::int64_t>(std::ceil(y - 0.5)); }
}  // namespace

void fillContours(const std::vector<Contour>& contours, bool winding, Coverage& out) {
  std::vector<Edge> edges;
  double minY = kFar, maxY = -kFar;
  for (const Contour& c : contours) {
    std::size_t n = c.size();
    if (n < 3) continue;
    for (std::size_t i = 0; i < n; ++i) {
      PointF a{clampFar(c[i].x), clampFar(c[i].y)};
      PointF b{clampFar(c[(i + 1) % n].x), clampFar(c[(i + 1) % n].y)};
      if (a.y == b.y) continue;
      Edge e = a.y < b.y ? Edge{a.x, a.y, b.x, b.y, 1} : Edge{b.x, b.y, a.x, a.y, -1};
      edges.push_back(e);
      minY = std::min(minY, e.y0);
      maxY = std::max(maxY, e.y1);
    }
  }
  if (edges.empty()) return;
  std::int64_t rowStart = std::max(out.top(), firstRowAtOrBelow(minY));
  std::int64_t rowEnd = std::min(out.bottom(), firstRowAtOrBelow(maxY));
  if (rowStart >= rowEnd) return;
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
  std::size_t next = 0;
  std::vector<const Edge*> active;
  std::vector<Crossing> xs;
  for (std::int64_t y = rowStart; y < rowEnd; ++y) {
    double yc = static_cast<double>(y) + 0.5;
    while (next < edges.size() && edges[next].y0 <= yc) active.push_back(&edges[next++]);
    active.erase(std::remove_if(active.begin(), active.end(), [yc](const Edge* e) { return e->y1 <= yc; }),
                 active.end());
    xs.clear();
    for (const Edge* e : active) {
      if (e->y0 > yc) continue;
      double t = (yc - e->y0) / (e->y1 - e->y0);
      xs.push_back(Crossing{e->x0 + t * (e->x1 - e->x0), e->dir});
    }
    std::sort(xs.begin(), xs.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int sum = 0;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
      sum += winding ? xs[i].dir : 1;
      bool inside = winding ? sum != 0 : (sum & 1) != 0;
      if (!inside) continue;
      std::int64_t l = static_cast<std::int64_t>(std::ceil(xs[i].x - 0.5));
      std::int64_t r = static_cast<std::int64_t>(std::ceil(xs[i + 1].x - 0.5));
      out.add(y, l, r);
    }
  }
}

// A convex polygon, filled alone: on each row the span between its two crossings, with the
// same centre rule as fillContours. The pieces of a wide stroke are all convex, and their
// union, piece by piece, is the winding fill of all of them together.
void fillConvex(const Contour& c, Coverage& out) {
  std::size_t n = c.size();
  if (n < 3) return;
  double minY = kFar, maxY = -kFar;
  for (const PointF& p : c) {
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  std::int64_t rowStart = std::max(out.top(), firstRowAtOrBelow(minY));
  std::int64_t rowEnd = std::min(out.bottom(), firstRowAtOrBelow(maxY));
  for (std::int64_t y = rowStart; y < rowEnd; ++y) {
    double yc = static_cast<double>(y) + 0.5;
    double left = kFar, right = -kFar;
    for (std::size_t i = 0; i < n; ++i) {
      const PointF& a = c[i];
      const PointF& b = c[(i + 1) % n];
      if (a.y == b.y) continue;
      const PointF& lo = a.y < b.y ? a : b;
      const PointF& hi = a.y < b.y ? b : a;
      if (lo.y > yc || hi.y <= yc) continue;
      double x = lo.x + (yc - lo.y) / (hi.y - lo.y) * (hi.x - lo.x);
      left = std::min(left, x);
      right = std::max(right, x);
    }
    if (left < right)
      out.add(y, static_cast<std::int64_t>(std::ceil(left - 0.5)), static_cast<std::int64_t>(std::ceil(right - 0.5)));
  }
}

// ---- One-pixel pens ----

namespace {

// Dash state of a one-pixel pen: the pattern in pixels and the position within it.
struct ThinDash {
  const std::vector<double>* pattern = nullptr;
  std::int64_t total = 0;
  std::int64_t position = 0;  // pixels stepped since the path began

  bool on(std::int64_t step) const {
    if (total <= 0) return true;
    std::int64_t p = (position + step) % total;
    for (std::size_t i = 0; i < pattern->size(); ++i) {
      std::int64_t len = static_cast<std::int64_t>((*pattern)[i]);
      if (p < len) return (i & 1) == 0;
      p -= len;
    }
    return true;
  }
};

// Pixels of the Bresenham line from (x0, y0), steps 0 .. count - 1, that fall in the bounds.
void thinLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, std::int64_t count,
              const ThinDash& dash, Coverage& out) {
  std::int64_t dx = x1 - x0, dy = y1 - y0;
  bool xMajor = std::llabs(dx) >= std::llabs(dy);
  std::int64_t a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0;
  std::int64_t da = xMajor ? dx : dy, db = xMajor ? dy : dx;
  int sa = da < 0 ? -1 : 1, sb = db < 0 ? -1 : 1;
  std::int64_t n = std::llabs(da), m = std::llabs(db);
  // Minor offset after k major steps, rounded to the nearest pixel; a tie half-way between
  // two goes to the smaller coordinate, as GDI does, so a line and its reverse agree.
  const std::int64_t tieBias = sb > 0 ? 1 : 0;
  auto minorAt = [&](std::int64_t k) -> std::int64_t {
    if (n == 0) return 0;
    __int128 num = static_cast<__int128>(2) * k * m + n - tieBias;
    return static_cast<std::int64_t>(num / (static_cast<__int128>(2) * n));
  };
  std::int64_t aLo = xMajor ? out.left() : out.top(), aHi = xMajor ? out.right() : out.bottom();
  std::int64_t bLo = xMajor ? out.top() : out.left(), bHi = xMajor ? out.bottom() : out.right();
  // Steps k with a0 + sa * k in [aLo, aHi).
  std::int64_t kLo = 0, kHi = count;  // half-open
  if (sa > 0) {
    kLo = std::max(kLo, aLo - a0);
    kHi = std::min(kHi, aHi - a0);
  } else {
    kLo = std::max(kLo, a0 - (aHi - 1));
    kHi = std::min(kHi, a0 - aLo + 1);
  }
  if (kLo >= kHi) return;
  // Steps with b0 + sb * minorAt(k) in [bLo, bHi): minorAt is non-decreasing in k.
  std::int64_t mLo = sb > 0 ? bLo - b0 : b0 - (bHi - 1);  // wanted minor offset range [mLo, mHi)
  std::int64_t mHi = sb > 0 ? bHi - b0 : b0 - bLo + 1;
  auto firstAtLeast = [&](std::int64_t target, std::int64_t lo, std::int64_t hi) {
    while (lo < hi) {
      std::int64_t mid = lo + (hi - lo) / 2;
      if (minorAt(mid) >= target) hi = mid; else lo = mid + 1;
    }
    return lo;
  };
  kLo = firstAtLeast(mLo, kLo, kHi);
  kHi = firstAtLeast(mHi, kLo, kHi);
  if (m == 0 && xMajor && dash.total <= 0) {  // solid horizontal line: one span
    std::int64_t first = a0 + sa * kLo, last = a0 + sa * (kHi - 1);
    out.add(b0, std::min(first, last), std::max(first, last) + 1);
    return;
  }
  // Step from kLo with an error term; runs of pixels on one row become one span.
  __int128 twoN = static_cast<__int128>(2) * n;
  __int128 numerator = static_cast<__int128>(2) * kLo * m + n - tieBias;
  std::int64_t minor = n == 0 ? 0 : static_cast<std::int64_t>(numerator / twoN);
  std::int64_t rest = n == 0 ? 0 : static_cast<std::int64_t>(numerator % twoN);
  std::int64_t runRow = 0, runStart = 0, runEnd = 0;
  bool inRun = false;
  auto flush = [&] {
    if (inRun) out.add(runRow, runStart, runEnd);
    inRun = false;
  };
  for (std::int64_t k = kLo; k < kHi; ++k) {
    if (k > kLo && n != 0) {
      rest += 2 * m;
      if (rest >= 2 * n) {
        rest -= 2 * n;
        ++minor;
      }
    }
    if (!dash.on(k)) {
      flush();
      continue;
    }
    std::int64_t a = a0 + sa * k, b = b0 + sb * minor;
    if (!xMajor) {
      out.addPixel(b, a);
      continue;
    }
    if (inRun && runRow == b && runEnd == a) {
      ++runEnd;
    } else if (inRun && runRow == b && runStart == a + 1) {
      --runStart;
    } else {
      flush();
      inRun = true;
      runRow = b;
      runStart = a;
      runEnd = a + 1;
    }
  }
  flush();
}

std::int64_t pixelOf(double v) { return static_cast<std::int64_t>(std::floor(clampFar(v))); }

void strokeThin(const Contour& path, bool closed, bool includeLast, const Pen& pen, Coverage& out) {
  ThinDash dash;
  dash.pattern = &pen.dashes;
  for (double d : pen.dashes) dash.total += static_cast<std::int64_t>(d);
  std::vector<std::pair<std::int64_t, std::int64_t>> pts;
  for (const PointF& p : path) {
    std::pair<std::int64_t, std::int64_t> q{pixelOf(p.x), pixelOf(p.y)};
    if (pts.empty() || pts.back() != q) pts.push_back(q);
  }
  if (closed && pts.size() > 1 && pts.front() == pts.back()) pts.pop_back();
  if (pts.empty()) return;
  if (pts.size() == 1) {
    if (closed || includeLast) out.addPixel(pts[0].first, pts[0].second);
    return;
  }
  std::size_t segments = closed ? pts.size() : pts.size() - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    auto a = pts[i], b = pts[(i + 1) % pts.size()];
    std::int64_t steps = std::max(std::llabs(b.first - a.first), std::llabs(b.second - a.second));
    bool last = !closed && includeLast && i + 1 == segments;
    thinLine(a.first, a.second, b.first, b.second, steps + (last ? 1 : 0), dash, out);
    dash.position += steps;
  }
}

// ---- Wide pens ----

double signedArea(const Contour& c) {
  double a = 0;
  for (std::size_t i = 0; i < c.size(); ++i) {
    const PointF& p = c[i];
    const PointF& q = c[(i + 1) % c.size()];
    a += p.x * q.y - q.x * p.y;
  }
  return a / 2;
}

void addPiece(std::vector<Contour>& pieces, Contour c) {
  double area = signedArea(c);
  if (area == 0) return;
  if (area < 0) std::reverse(c.begin(), c.end());
  pieces.push_back(std::move(c));
}

// The n points of the unit circle that a disc of n points uses, made once per n and thread
// (wide pens put a disc on every cap and round join).
const Contour& unitCircle(int n) {
  thread_local std::vector<Contour> circles(257);
  Contour& circle = circles[static_cast<std::size_t>(n)];
  if (circle.empty())
    for (int i = 0; i < n; ++i) {
      double a = 2 * kPi * i / n;
      circle.push_back(PointF{platform::exact::cos(a), platform::exact::sin(a)});
    }
  return circle;
}

void addDisc(std::vector<Contour>& pieces, PointF centre, double radius) {
  int n = std::clamp(static_cast<int>(std::ceil(radius * 2)), 8, 256);
  Contour c;
  c.reserve(static_cast<std::size_t>(n));
  for (const PointF& p : unitCircle(n)) c.push_back(PointF{centre.x + radius * p.x, centre.y + radius * p.y});
  addPiece(pieces, std::move(c));
}

// Stroke pieces of an open or closed polyline (no repeated points) with a pen of width > 1.
void strokeWideRun(const Contour& pts, bool closed, const Pen& pen, std::vector<Contour>& pieces) {
  double h = pen.width / 2;
  std::size_t n = pts.size();
  if (n == 1) {
    if (pen.cap == 0) addDisc(pieces, pts[0], h);
    else if (pen.cap == 1)
      addPiece(pieces, {{pts[0].x - h, pts[0].y - h}, {pts[0].x + h, pts[0].y - h},
                        {pts[0].x + h, pts[0].y + h}, {pts[0].x - h, pts[0].y + h}});
    return;
  }
  std::size_t segments = closed ? n : n - 1;
  auto dirOf = [&](std::size_t i) {
    PointF a = pts[i], b = pts[(i + 1) % n];
    double len = platform::exact::hypot(b.x - a.x, b.y - a.y);
    return PointF{(b.x - a.x) / len, (b.y - a.y) / len};
  };
  for (std::size_t i = 0; i < segments; ++i) {
    PointF a = pts[i], b = pts[(i + 1) % n];
    PointF d = dirOf(i);
    PointF nrm{-d.y * h, d.x * h};
    if (!closed && pen.cap == 1) {
      if (i == 0) a = PointF{a.x - d.x * h, a.y - d.y * h};
      if (i + 1 == segments) b = PointF{b.x + d.x * h, b.y + d.y * h};
    }
    addPiece(pieces, {{a.x + nrm.x, a.y + nrm.y}, {b.x + nrm.x, b.y + nrm.y},
                      {b.x - nrm.x, b.y - nrm.y}, {a.x - nrm.x, a.y - nrm.y}});
  }
  if (!closed && pen.cap == 0) {
    addDisc(pieces, pts.front(), h);
    addDisc(pieces, pts.back(), h);
  }
  // Joins at the inner vertices (every vertex of a closed path).
  std::size_t firstJoin = closed ? 0 : 1, lastJoin = closed ? n : n - 1;
  for (std::size_t v = firstJoin; v < lastJoin; ++v) {
    PointF p = pts[v];
    if (pen.join == 0) {
      addDisc(pieces, p, h);
      continue;
    }
    PointF d1 = dirOf((v + n - 1) % n), d2 = dirOf(v);
    double cross = d1.x * d2.y - d1.y * d2.x;
    if (cross == 0) continue;
    double s = cross > 0 ? -1 : 1;  // side of the outer corner
    PointF n1{-d1.y * h * s, d1.x * h * s}, n2{-d2.y * h * s, d2.x * h * s};
    PointF a{p.x + n1.x, p.y + n1.y}, b{p.x + n2.x, p.y + n2.y};
    double dot = d1.x * d2.x + d1.y * d2.y;
    bool mitre = pen.join == 2 && (1 + dot) > 2.0 / 100.0;  // mitre length at most 10 half-widths
    if (mitre) {
      double k = 1 / (1 + dot);
      PointF m{p.x + (n1.x + n2.x) * k, p.y + (n1.y + n2.y) * k};
      addPiece(pieces, {p, a, m, b});
    } else {
      addPiece(pieces, {p, a, b});
    }
  }
}

void strokeWide(const Contour& path, bool closed, const Pen& pen, Coverage& out) {
  Contour pts;
  for (const PointF& p : path) {
    PointF q{clampFar(p.x), clampFar(p.y)};
    if (pts.empty() || pts.back().x != q.x || pts.back().y != q.y) pts.push_back(q);
  }
  if (closed && pts.size() > 1 && pts.front().x == pts.back().x && pts.front().y == pts.back().y) pts.pop_back();
  if (pts.empty()) return;
  std::vector<Contour> pieces;
  double total = 0;
  for (double d : pen.dashes) total += d;
  if (total <= 0 || pts.size() == 1) {
    strokeWideRun(pts, closed && pts.size() > 2, pen, pieces);
  } else {
    // Cut the path into dashes by length; each dash is stroked as an open run with caps.
    Contour walk = pts;
    if (closed) walk.push_back(pts.front());
    std::size_t di = 0;
    double left = pen.dashes[0];
    Contour dash;
    if (left > 0) dash.push_back(walk[0]);
    for (std::size_t i = 0; i + 1 < walk.size(); ++i) {
      PointF a = walk[i], b = walk[i + 1];
      double len = platform::exact::hypot(b.x - a.x, b.y - a.y), at = 0;
      while (len - at > left) {
        at += left;
        PointF p{a.x + (b.x - a.x) * at / len, a.y + (b.y - a.y) * at / len};
        if ((di & 1) == 0) {
          dash.push_back(p);
          strokeWideRun(dash, false, pen, pieces);
          dash.clear();
        } else {
          dash.push_back(p);
        }
        di = (di + 1) % pen.dashes.size();
        left = pen.dashes[di];
        if ((di & 1) == 1) dash.clear();
      }
      left -= len - at;
      if ((di & 1) == 0) dash.push_back(b);
    }
    if (dash.size() > 1) strokeWideRun(dash, false, pen, pieces);
  }
  for (const Contour& piece : pieces) fillConvex(piece, out);
}

}  // namespace

void strokePath(const Contour& path, bool closed, bool includeLast, const Pen& pen, Coverage& out) {
  if (!pen.visible || path.empty()) return;
  if (pen.width <= 1)
    strokeThin(path, closed, includeLast, pen, out);
  else
    strokeWide(path, closed, pen, out);
}

// ---- Curves ----

void appendEllipseArc(Contour& out, double left, double top, double right, double bottom, double a0, double a1) {
  double cx = (left + right) / 2, cy = (top + bottom) / 2;
  double rx = std::fabs(right - left) / 2, ry = std::fabs(bottom - top) / 2;
  double r = std::min(std::max(rx, ry), kFar);
  // Chord error of at most a quarter pixel, capped so huge shapes stay cheap. The points lie
  // on a grid of whole divisions of a quarter turn, each taken from the first quadrant's
  // cosines and sines, so a whole ellipse is symmetric about both axes.
  double step = r > 0.5 ? 2 * platform::exact::acos(std::max(-1.0, 1 - 0.25 / r)) : kPi / 2;
  std::int64_t q = std::clamp<std::int64_t>(static_cast<std::int64_t>(std::ceil(kPi / 2 / step)), 1, 1024);
  double unit = kPi / 2 / static_cast<double>(q);
  auto firstQuadrant = [&](std::int64_t j, double& c, double& s) {
    c = j == 0 ? 1 : j == q ? 0 : platform::exact::cos(static_cast<double>(j) * unit);
    s = j == 0 ? 0 : j == q ? 1 : platform::exact::sin(static_cast<double>(j) * unit);
  };
  auto gridPoint = [&](std::int64_t k) {
    std::int64_t quadrant = ((k / q) % 4 + 4) % 4, j = ((k % q) + q) % q;
    double c, s, x, y;
    firstQuadrant(quadrant % 2 == 0 ? j : q - j, c, s);
    switch (quadrant) {
      case 0: x = c; y = s; break;
      case 1: x = -c; y = s; break;
      case 2: x = -c; y = -s; break;
      default: x = c; y = -s; break;
    }
    return PointF{cx + rx * x, cy - ry * y};
  };
  auto exactPoint = [&](double a) { return PointF{cx + rx * platform::exact::cos(a), cy - ry * platform::exact::sin(a)}; };
  double from = a0 / unit, to = a1 / unit;
  std::int64_t k0 = std::llround(from), k1 = std::llround(to);
  bool startOnGrid = std::fabs(from - static_cast<double>(k0)) < 1e-9;
  bool endOnGrid = std::fabs(to - static_cast<double>(k1)) < 1e-9;
  if (!startOnGrid) k0 = static_cast<std::int64_t>(std::ceil(from));
  if (!endOnGrid) k1 = static_cast<std::int64_t>(std::floor(to));
  out.push_back(startOnGrid ? gridPoint(k0) : exactPoint(a0));
  for (std::int64_t k = startOnGrid ? k0 + 1 : k0; k <= (endOnGrid ? k1 - 1 : k1); ++k) out.push_back(gridPoint(k));
  if (a1 > a0) out.push_back(endOnGrid ? gridPoint(k1) : exactPoint(a1));
}

void appendBezier(Contour& out, PointF p0, PointF p1, PointF p2, PointF p3) {
  double len = platform::exact::hypot(p1.x - p0.x, p1.y - p0.y) + platform::exact::hypot(p2.x - p1.x, p2.y - p1.y) +
               platform::exact::hypot(p3.x - p2.x, p3.y - p2.y);
  int n = std::clamp(static_cast<int>(std::ceil(std::sqrt(std::min(len, kFar)) * 2)), 1, 1024);
  for (int i = 1; i <= n; ++i) {
    double t = static_cast<double>(i) / n, u = 1 - t;
    double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
    out.push_back(PointF{b0 * p0.x + b1 * p1.x + b2 * p2.x + b3 * p3.x, b0 * p0.y + b1 * p1.y + b2 * p2.y + b3 * p3.y});
  }
}

// ---- Painting ----

// 16 bytes a store where SSE2 is there (the compiler keeps plain fill loops scalar at -O2).
void fillWords(std::uint32_t* p, std::int64_t n, std::uint32_t w) {
#if defined(__x86_64__)
  // Long runs: the string store writes whole cache lines without reading them first.
  if (n >= 256) {
    asm volatile("rep stosl" : "+D"(p), "+c"(n) : "a"(w) : "memory");
    return;
  }
#endif
#ifdef __SSE2__
  __m128i v = _mm_set1_epi32(static_cast<int>(w));
  for (; n >= 16; n -= 16, p += 16) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 8), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 12), v);
  }
  for (; n >= 4; n -= 4, p += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
#endif
  for (; n > 0; --n) *p++ = w;
}

namespace {

// Hatch lines within each 8 x 8 cell of the device: horizontal on row 3, vertical on
// column 4 (where GDI draws them), diagonals through the cell's corners.
std::uint32_t hatchBit(int hatch, std::int64_t x, std::int64_t y) {
  int cx = static_cast<int>(x & 7), cy = static_cast<int>(y & 7);
  switch (hatch) {
    case 0: return cy == 3;
    case 1: return cx == 4;
    case 2: return cx == cy;
    case 3: return cx + cy == 7;
    case 4: return cx == 4 || cy == 3;
    case 5: return cx == cy || cx + cy == 7;
    default: return 0;
  }
}

std::int64_t wrap(std::int64_t v, int size) {
  std::int64_t r = v % size;
  return r < 0 ? r + size : r;
}

void paintRun(std::uint32_t* row, std::int64_t y, std::int64_t l, std::int64_t r, const Paint& paint) {
  if (paint.kind == Paint::kSolid) {
    if (paint.mixMode == 13) {
      fillWords(row + l, r - l, paint.word);
    } else {
      for (std::int64_t x = l; x < r; ++x) row[x] = mixWords(paint.mixMode, paint.word, row[x]);
    }
    return;
  }
  for (std::int64_t x = l; x < r; ++x) {
    std::uint32_t source;
    switch (paint.kind) {
      case Paint::kHatch:
        if (hatchBit(paint.hatch, x, y)) source = paint.word;
        else if (paint.opaqueGaps) source = paint.backWord;
        else continue;
        break;
      case Paint::kMono:
        source = paint.bits[wrap(y, paint.patternHeight) * paint.patternWidth + wrap(x, paint.patternWidth)]
                     ? paint.backWord : paint.textWord;
        break;
      default:
        source = paint.colours[wrap(y, paint.patternHeight) * paint.patternWidth + wrap(x, paint.patternWidth)];
        break;
    }
    row[x] = paint.mixMode == 13 ? source : mixWords(paint.mixMode, source, row[x]);
  }
}

}  // namespace

void paintSpan(const Surface& s, std::int64_t y, std::int64_t l, std::int64_t r, const Paint& paint) {
  if (y < s.top || y >= s.bottom) return;
  l = std::max(l, s.left);
  r = std::min(r, s.right);
  if (l >= r) return;
  std::uint32_t* row = s.pixels + y * s.width;
  if (!s.clip) {
    paintRun(row, y, l, r, paint);
    return;
  }
  const Region::Band* band = s.clip->bandAt(y);
  if (!band) return;
  for (const Region::Run& run : band->runs) {
    std::int64_t a = std::max(l, run.left), b = std::min(r, run.right);
    if (a < b) paintRun(row, y, a, b, paint);
  }
}

void paintCoverage(const Surface& s, const Coverage& coverage, const Paint& paint) {
  for (const Span& span : coverage.spans()) paintSpan(s, span.y, span.left, span.right, paint);
}

// ---- Flood fill ----

void floodRegion(const Surface& s, std::int64_t x, std::int64_t y, std::uint32_t word, int mode, Coverage& out) {
  if (x < s.left || x >= s.right || y < s.top || y >= s.bottom) return;
  if (s.clip && !s.clip->contains(x, y)) return;
  auto fillable = [&](std::int64_t px, std::int64_t py) {
    if (s.clip && !s.clip->contains(px, py)) return false;
    std::uint32_t w = s.pixels[py * s.width + px];
    return mode == 0 ? w != word : w == word;
  };
  if (!fillable(x, y)) return;
  std::int64_t w = s.right - s.left, h = s.bottom - s.top;
  std::vector<std::uint8_t> seen(static_cast<std::size_t>(w * h), 0);
  auto mark = [&](std::int64_t px, std::int64_t py) -> std::uint8_t& { return seen[(py - s.top) * w + (px - s.left)]; };
  std::vector<std::pair<std::int64_t, std::int64_t>> stack{{x, y}};
  while (!stack.empty()) {
    auto [sx, sy] = stack.back();
    stack.pop_back();
    if (mark(sx, sy) || !fillable(sx, sy)) continue;
    std::int64_t l = sx, r = sx;
    while (l - 1 >= s.left && !mark(l - 1, sy) && fillable(l - 1, sy)) --l;
    while (r + 1 < s.right && !mark(r + 1, sy) && fillable(r + 1, sy)) ++r;
    for (std::int64_t px = l; px <= r; ++px) mark(px, sy) = 1;
    out.add(sy, l, r + 1);
    for (std::int64_t ny : {sy - 1, sy + 1}) {
      if (ny < s.top || ny >= s.bottom) continue;
      bool inRun = false;
      for (std::int64_t px = l; px <= r; ++px) {
        bool ok = !mark(px, ny) && fillable(px, ny);
        if (ok && !inRun) stack.push_back({px, ny});
        inRun = ok;
      }
    }
  }
}

}  // namespace gfx::raster
