// Damage with knock-back: the player hit by a contact or a blast, and the area hit of
// strikes and blasts on monsters, which also kicks the bombs in the area (a kick runs the
// bomb pass). A monster brought to 0 hit points is killed through onMonsterKilled.
#include "game/world/damage.h"

#include <cmath>
#include <limits>

#include "game/world/bombs.h"
#include "game/world/collision.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/kills.h"
#include "game/world/knockback.h"
#include "game/world/movement.h"

std::int32_t reducedHitPoints(std::int32_t hitPoints, std::int32_t damage) {
  std::int64_t left = static_cast<std::int64_t>(hitPoints) - damage;
  if (left < kHitPointFloor) return kHitPointFloor;
  if (left > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(left);
}

void damagePlayer(std::int32_t damage) { player.hitPoints = reducedHitPoints(player.hitPoints, damage); }

void hitPlayer(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom, std::int32_t ax,
               std::int32_t ay, std::int32_t damage, std::int8_t kind) {
  const Size box = ruleSizes.player;
  if (!rectsOverlap(truncToInt(player.x), truncToInt(player.y), box, left, right, top, bottom) ||
      player.invulnerable) {
    return;
  }
  damagePlayer(damage);
  const double pw = box.width;
  const double ph = box.height;
  const PushShape contact{2 * pw, 2 * ph, 2, pw, ph, 1};
  const PushShape blast{4 * pw, 4 * ph, 4, 2 * pw, 2 * ph, 2};
  const float attackerX = static_cast<float>(ax);
  const float attackerY = static_cast<float>(ay);
  const double away = headingOfSlope(player.y - attackerY, player.x - attackerX, attackerX > player.x);
  pushAlong(player, away, kind == 1 ? contact : blast, KnockedBack);
  playerStep();
}

namespace {

// Starts or extends the knock-back of a monster hit by an area attack from (ax, ay).
void knockMonsterBack(Monster& m, double mw, std::int8_t kind, float ax, float ay) {
  const PushShape strike{mw, mw, 3, mw, mw, 3};
  const PushShape blast{2 * mw, 2 * mw, 6, 2 * mw, 2 * mw, 6};
  const double away = headingOfSlope(m.y - ay, m.x - ax, ax > m.x);
  pushAlong(m, away, kind == 1 ? strike : blast, kMonsterMoving);
}

}  // namespace

void hitMonstersInArea(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom,
                       std::int8_t kind, std::int32_t damage, std::int32_t ax, std::int32_t ay) {
  for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
    Monster& m = monsters[slot];
    const Size body = bodySize(m);
    if (!m.alive || !rectsOverlap(truncToInt(m.x), truncToInt(m.y), body, left, right, top, bottom)) continue;
    m.hitPoints = reducedHitPoints(m.hitPoints, damage);
    if (player.ammo < 30) player.ammo += 1;
    m.hurt = 1;
    m.alive = m.hitPoints > 0;
    if (m.hitPoints <= 0) {
      onMonsterKilled(slot);
      continue;
    }
    knockMonsterBack(m, body.width, kind, static_cast<float>(ax), static_cast<float>(ay));
    monsterStep(slot);
  }
  for (Boom* bomb = booms; bomb; bomb = bomb->next) {
    const Size picture = bomb->image ? ruleSizes.bomb : Size{0, 0};
    if (rectsOverlap(bomb->x, bomb->y, picture, left, right, top, bottom) && bomb->blastFrame == 0) kickBomb(*bomb);
  }
}
