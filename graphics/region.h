// Region: a set of pixels made of a union of rectangles, used as a drawing context's
// clipping region. Rectangles are half-open: [left, right) x [top, bottom). The set is
// kept as horizontal bands of sorted, disjoint column runs so a row's runs can be walked
// in order.
#pragma once
#include <cstdint>
#include <vector>

#include "graphics/geometry.h"

namespace gfx {

class Region {
 public:
  struct Run {
    std::int64_t left;
    std::int64_t right;  // exclusive
  };
  struct Band {
    std::int64_t top;
    std::int64_t bottom;  // exclusive
    std::vector<Run> runs;
  };

  Region() = default;
  // The rectangle [left, right) x [top, bottom); empty when right <= left or bottom <= top.
  Region(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

  void addRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
  void unite(const Region& other);
  void intersectRect(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
  void offset(std::int64_t dx, std::int64_t dy);

  bool empty() const { return bands_.empty(); }
  bool contains(std::int64_t x, std::int64_t y) const;
  // The band holding row y, or null.
  const Band* bandAt(std::int64_t y) const;
  const std::vector<Band>& bands() const { return bands_; }
  // Bounding box, half-open; all zero when empty.
  Rect bounds() const;

 private:
  struct Box {
    std::int64_t left, top, right, bottom;
  };
  std::vector<Box> boxes() const;
  void rebuild(const std::vector<Box>& boxes);

  std::vector<Band> bands_;
};

}  // namespace gfx
