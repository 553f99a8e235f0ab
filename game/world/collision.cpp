// The corner hit test and the arena test with its push toward the field's centre.
#include "game/world/collision.h"

#include <cmath>

#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "platform/base/exact_maths.h"

namespace {

bool within(std::int64_t value, std::int64_t low, std::int64_t high) { return low <= value && value <= high; }

}  // namespace

bool rectsOverlap(std::int32_t ax, std::int32_t ay, Size size, std::int32_t left, std::int32_t right,
                  std::int32_t top, std::int32_t bottom) {
  std::int64_t x0 = ax, y0 = ay;
  std::int64_t x1 = x0 + size.width, y1 = y0 + size.height;
  if (within(x0, left, right) && within(y0, top, bottom)) return true;
  if (within(x1, left, right) && within(y0, top, bottom)) return true;
  if (within(x0, left, right) && within(y1, top, bottom)) return true;
  return within(x1, left, right) && within(y1, top, bottom);
}

bool keepInArena(std::int32_t x, std::int32_t y, Size size, std::int32_t who) {
  if (wholeInField(x, y, size.width, size.height)) return true;
  float& posX = who == -1 ? player.x : monsters[who].x;
  float& posY = who == -1 ? player.y : monsters[who].y;
  double a = headingOfSlope(380 - posY, 800 - posX, posX > 800);
  posX = static_cast<float>(posX + platform::exact::cos(a) * 10);
  posY = static_cast<float>(posY + platform::exact::sin(a) * 10);
  return false;
}
