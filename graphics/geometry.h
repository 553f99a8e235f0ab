// Small geometry records of the drawing interface.
#pragma once
#include <cstdint>

namespace gfx {

struct Point {
  std::int32_t x;
  std::int32_t y;
};

// A box given by its edges; which edges are inclusive is up to the operation using it.
struct Rect {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
};

}  // namespace gfx
