// Surfaces' bounds, coverage (sorted spans, merged and subtracted) and the scanline fill
// of polygons: even-odd or winding, and convex pieces alone.
#include "graphics/raster/raster.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "graphics/raster/raster_parts.h"

namespace gfx::raster {

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

}  // namespace gfx::raster
