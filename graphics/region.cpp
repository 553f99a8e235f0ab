// Region: unions of rectangles kept as bands of disjoint column runs.
#include "graphics/region.h"

#include <algorithm>
#include <limits>

namespace gfx {

Region::Region(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  if (right > left && bottom > top) bands_.push_back(Band{top, bottom, {Run{left, right}}});
}

std::vector<Region::Box> Region::boxes() const {
  std::vector<Box> out;
  for (const Band& band : bands_)
    for (const Run& run : band.runs) out.push_back(Box{run.left, band.top, run.right, band.bottom});
  return out;
}

// Cuts the plane into bands at every top and bottom edge, merges the runs of the boxes that
// cover each band, and joins neighbouring bands with equal runs.
void Region::rebuild(const std::vector<Box>& boxes) {
  bands_.clear();
  std::vector<std::int64_t> edges;
  for (const Box& b : boxes) {
    if (b.right <= b.left || b.bottom <= b.top) continue;
    edges.push_back(b.top);
    edges.push_back(b.bottom);
  }
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
    std::int64_t top = edges[i], bottom = edges[i + 1];
    std::vector<Run> runs;
    for (const Box& b : boxes)
      if (b.right > b.left && b.top <= top && b.bottom >= bottom) runs.push_back(Run{b.left, b.right});
    if (runs.empty()) continue;
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.left < b.left; });
    std::vector<Run> merged;
    for (const Run& r : runs) {
      if (!merged.empty() && r.left <= merged.back().right)
        merged.back().right = std::max(merged.back().right, r.right);
      else
        merged.push_back(r);
    }
    bool sameAsPrevious = !bands_.empty() && bands_.back().bottom == top && bands_.back().runs.size() == merged.size() &&
                          std::equal(merged.begin(), merged.end(), bands_.back().runs.begin(),
                                     [](const Run& a, const Run& b) { return a.left == b.left && a.right == b.right; });
    if (sameAsPrevious)
      bands_.back().bottom = bottom;
    else
      bands_.push_back(Band{top, bottom, std::move(merged)});
  }
}

void Region::addRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  std::vector<Box> all = boxes();
  all.push_back(Box{left, top, right, bottom});
  rebuild(all);
}

void Region::unite(const Region& other) {
  std::vector<Box> all = boxes();
  std::vector<Box> more = other.boxes();
  all.insert(all.end(), more.begin(), more.end());
  rebuild(all);
}

void Region::intersectRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
  std::vector<Box> all = boxes();
  for (Box& b : all) {
    b.left = std::max(b.left, left);
    b.top = std::max(b.top, top);
    b.right = std::min(b.right, right);
    b.bottom = std::min(b.bottom, bottom);
  }
  rebuild(all);
}

void Region::offset(std::int64_t dx, std::int64_t dy) {
  for (Band& band : bands_) {
    band.top += dy;
    band.bottom += dy;
    for (Run& run : band.runs) {
      run.left += dx;
      run.right += dx;
    }
  }
}

const Region::Band* Region::bandAt(std::int64_t y) const {
  auto it = std::upper_bound(bands_.begin(), bands_.end(), y, [](std::int64_t v, const Band& b) { return v < b.bottom; });
  if (it == bands_.end() || it->top > y) return nullptr;
  return &*it;
}

bool Region::contains(std::int64_t x, std::int64_t y) const {
  const Band* band = bandAt(y);
  if (!band) return false;
  for (const Run& run : band->runs)
    if (x >= run.left && x < run.right) return true;
  return false;
}

Rect Region::bounds() const {
  if (bands_.empty()) return Rect{0, 0, 0, 0};
  std::int64_t left = std::numeric_limits<std::int64_t>::max(), right = std::numeric_limits<std::int64_t>::min();
  for (const Band& band : bands_) {
    left = std::min(left, band.runs.front().left);
    right = std::max(right, band.runs.back().right);
  }
  auto clamp32 = [](std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                               std::numeric_limits<std::int32_t>::max()));
  };
  return Rect{clamp32(left), clamp32(bands_.front().top), clamp32(right), clamp32(bands_.back().bottom)};
}

}  // namespace gfx
