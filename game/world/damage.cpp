// Damage with knock-back: the player hit by a contact or a blast, and the area hit of
// strikes and blasts on monsters, which also kicks the bombs in the area (a kick runs the
// bomb pass). A monster brought to 0 hit points is killed through onMonsterKilled.
#include "game/world/damage.h"

#include <cmath>
#include <limits>

#include "game/assets/catalogue.h"
#include "game/world/bombs.h"
#include "game/world/collision.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/kills.h"
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
  const IMAGE& box = assets.norImages[0];
  if (!rectsOverlap(truncToInt(player.x), truncToInt(player.y), box, left, right, top, bottom) ||
      player.invulnerable) {
    return;
  }
  damagePlayer(damage);
  const int pw = box.width();
  const int ph = box.height();
  const float attackerX = static_cast<float>(ax);
  const float attackerY = static_cast<float>(ay);
  if (player.state == KnockedBack) {
    double a = headingOfSlope(player.y - attackerY, player.x - attackerX, attackerX > player.x);
    if (kind == 1) {
      player.stepSpeed += player.speed;
      player.targetX = static_cast<float>(player.targetX + std::cos(a) * pw);
      player.targetY = static_cast<float>(player.targetY + std::sin(a) * ph);
    } else if (kind == 2) {
      player.stepSpeed += 2 * player.speed;
      player.targetX = static_cast<float>(player.targetX + std::cos(a) * 2 * pw);
      player.targetY = static_cast<float>(player.targetY + std::sin(a) * 2 * ph);
    }
    player.heading =
        headingOfSlope(player.targetY - player.y, player.targetX - player.x, player.x > player.targetX);
  } else {
    player.heading = headingOfSlope(player.y - attackerY, player.x - attackerX, attackerX > player.x);
    if (kind == 1) {
      player.stepSpeed = 2 * player.speed;
      player.targetX = static_cast<float>(player.x + std::cos(player.heading) * 2 * pw);
      player.targetY = static_cast<float>(player.y + std::sin(player.heading) * 2 * ph);
    } else if (kind == 2) {
      player.stepSpeed = 4 * player.speed;
      player.targetX = static_cast<float>(player.x + std::cos(player.heading) * 4 * pw);
      player.targetY = static_cast<float>(player.y + std::sin(player.heading) * 4 * ph);
    }
    player.state = KnockedBack;
  }
  playerStep();
}

namespace {

// Starts or extends the knock-back of a monster hit by an area attack from (ax, ay).
void knockMonsterBack(Monster& m, int mw, std::int8_t kind, float ax, float ay) {
  if (m.state == kMonsterMoving) {
    double a = headingOfSlope(m.y - ay, m.x - ax, ax > m.x);
    if (kind == 1) {
      m.stepSpeed += 3 * m.speed;
      m.targetX = static_cast<float>(m.targetX + std::cos(a) * mw);
      m.targetY = static_cast<float>(m.targetY + std::sin(a) * mw);
    } else if (kind == 2) {
      m.stepSpeed += 6 * m.speed;
      m.targetX = static_cast<float>(m.targetX + std::cos(a) * 2 * mw);
      m.targetY = static_cast<float>(m.targetY + std::sin(a) * 2 * mw);
    }
    m.heading = headingOfSlope(m.targetY - m.y, m.targetX - m.x, m.x > m.targetX);
    return;
  }
  m.state = kMonsterMoving;
  m.heading = headingOfSlope(m.y - ay, m.x - ax, ax > m.x);
  if (kind == 1) {
    m.stepSpeed = 3 * m.speed;
    m.targetX = static_cast<float>(m.x + std::cos(m.heading) * mw);
    m.targetY = static_cast<float>(m.y + std::sin(m.heading) * mw);
  } else if (kind == 2) {
    m.stepSpeed = 6 * m.speed;
    m.targetX = static_cast<float>(m.x + std::cos(m.heading) * 2 * mw);
    m.targetY = static_cast<float>(m.y + std::sin(m.heading) * 2 * mw);
  }
}

}  // namespace

void hitMonstersInArea(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom,
                       std::int8_t kind, std::int32_t damage, std::int32_t ax, std::int32_t ay) {
  for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
    Monster& m = monsters[slot];
    const IMAGE& body = firstPicture(m.moveFrames);
    if (!m.alive || !rectsOverlap(truncToInt(m.x), truncToInt(m.y), body, left, right, top, bottom)) continue;
    m.hitPoints = reducedHitPoints(m.hitPoints, damage);
    if (player.ammo < 30) player.ammo += 1;
    m.hurt = 1;
    m.alive = m.hitPoints > 0;
    if (m.hitPoints <= 0) {
      onMonsterKilled(slot);
      continue;
    }
    knockMonsterBack(m, body.width(), kind, static_cast<float>(ax), static_cast<float>(ay));
    monsterStep(slot);
  }
  for (Boom* bomb = booms; bomb; bomb = bomb->next) {
    const IMAGE& picture = bomb->image ? *bomb->image : emptyPicture();
    if (!rectsOverlap(bomb->x, bomb->y, picture, left, right, top, bottom) || bomb->blastFrame != 0) continue;
    bomb->heading = headingOfSlope(static_cast<float>(bomb->y) - player.y, static_cast<float>(bomb->x) - player.x,
                                   player.x > static_cast<float>(bomb->x));
    bomb->targetX = truncToInt(bomb->x + std::cos(bomb->heading) * 300);
    bomb->targetY = truncToInt(bomb->y + std::sin(bomb->heading) * 300);
    if (!bomb->moving) {
      bomb->moving = 1;
      updateBooms();
    }
  }
}
