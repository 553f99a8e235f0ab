// Move steps of monsters and the player. A move ends when both distances to the target are
// at most 5 pixels, or when the mover is outside the field (which pushes it back inward),
// unless the player's dash or knock-back is bringing it back from just past an edge.
#include "game/world/movement.h"

#include <cmath>

#include "game/world/collision.h"
#include "game/world/damage.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "platform/base/exact_maths.h"

namespace {

bool nearTarget(float x, float y, float targetX, float targetY) {
  return std::fabs(x - targetX) <= 5.0f && std::fabs(y - targetY) <= 5.0f;
}

// For a player whose box (x, y) lies partly beyond the field (walking tests the edge before
// its step, so it may end one step past it): true when the next step of the dash or
// knock-back brings the box back toward every edge it is beyond.
bool stepComesBackIntoField(std::int32_t x, std::int32_t y, Size box) {
  const float nextX = static_cast<float>(player.x + platform::exact::cos(player.heading) * player.stepSpeed);
  const float nextY = static_cast<float>(player.y + platform::exact::sin(player.heading) * player.stepSpeed);
  if (x < kField.left && !(nextX > player.x)) return false;
  if (std::int64_t(x) + box.width > kField.right && !(nextX < player.x)) return false;
  if (y < kField.top && !(nextY > player.y)) return false;
  if (std::int64_t(y) + box.height > kField.bottom && !(nextY < player.y)) return false;
  return true;
}

}  // namespace

void monsterStep(std::int32_t slot) {
  Monster& m = monsters[slot];
  const Size body = bodySize(m);
  if (keepInArena(truncToInt(m.x), truncToInt(m.y), body, slot) && !nearTarget(m.x, m.y, m.targetX, m.targetY)) {
    m.x = static_cast<float>(m.x + platform::exact::cos(m.heading) * m.stepSpeed);
    m.y = static_cast<float>(m.y + platform::exact::sin(m.heading) * m.stepSpeed);
  } else {
    m.hurt = 0;
    m.state = kMonsterIdle;
  }
  if (m.state == kMonsterAttacking) {
    float right = m.x + static_cast<float>(body.width);
    float bottom = m.y + static_cast<float>(attackSize(m).height);
    hitPlayer(truncToInt(m.x), truncToInt(right), truncToInt(m.y), truncToInt(bottom), truncToInt(m.x),
              truncToInt(m.y), m.damage, 1);
  }
}

void playerStep() {
  const Size box = ruleSizes.player;
  const std::int32_t x = truncToInt(player.x);
  const std::int32_t y = truncToInt(player.y);
  const bool comingBack = !wholeInField(x, y, box.width, box.height) && stepComesBackIntoField(x, y, box);
  if ((!comingBack && !keepInArena(x, y, box, -1)) || nearTarget(player.x, player.y, player.targetX, player.targetY)) {
    player.invulnerable = 0;
    player.state = Free;
    return;
  }
  player.x = static_cast<float>(player.x + platform::exact::cos(player.heading) * player.stepSpeed);
  player.y = static_cast<float>(player.y + platform::exact::sin(player.heading) * player.stepSpeed);
}
