// The collision, movement and damage rules shared by the player and the monsters.
// Depends on the game state, the catalogue (nor1.png is the player box), the bombs
// (a kick runs updateBooms) and the kill bookkeeping of the world pass.
#include "game/world/rules.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "game/assets/catalogue.h"
#include "game/world/bombs.h"
#include "game/world/world_pass.h"
#include "game/world/game_state.h"

namespace {

constexpr std::int32_t kArenaWidth = 1600;
constexpr std::int32_t kArenaHeight = 760;

// An empty picture for a slot or bomb that has none: a 0 x 0 box.
const IMAGE& emptyImage() {
  static const IMAGE empty;
  return empty;
}

const IMAGE& firstImage(const MonsterAnimation& animation) {
  return animation.images ? animation.images[0] : emptyImage();
}

bool within(std::int64_t value, std::int64_t low, std::int64_t high) { return low <= value && value <= high; }

bool nearTarget(float x, float y, float targetX, float targetY) {
  return std::fabs(x - targetX) <= 5.0f && std::fabs(y - targetY) <= 5.0f;
}

}  // namespace

double headingOfSlope(float dy, float dx, bool turnAround) {
  if (dx == 0.0f && dy == 0.0f) return 0.0;
  float ratio = dy / dx;
  double heading = static_cast<double>(std::atan(ratio));
  if (turnAround) heading += kPi;
  return heading;
}

std::int32_t truncToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

std::int32_t truncToInt(float value) { return truncToInt(static_cast<double>(value)); }

std::int32_t reducedHitPoints(std::int32_t hitPoints, std::int32_t damage) {
  std::int64_t left = static_cast<std::int64_t>(hitPoints) - damage;
  if (left < kHitPointFloor) return kHitPointFloor;
  if (left > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(left);
}

void damagePlayer(std::int32_t damage) { player.hitPoints = reducedHitPoints(player.hitPoints, damage); }

bool rectsOverlap(std::int32_t ax, std::int32_t ay, const IMAGE& image, std::int32_t left, std::int32_t right,
                  std::int32_t top, std::int32_t bottom) {
  std::int64_t x0 = ax, y0 = ay;
  std::int64_t x1 = x0 + image.width(), y1 = y0 + image.height();
  if (within(x0, left, right) && within(y0, top, bottom)) return true;
  if (within(x1, left, right) && within(y0, top, bottom)) return true;
  if (within(x0, left, right) && within(y1, top, bottom)) return true;
  return within(x1, left, right) && within(y1, top, bottom);
}

bool keepInArena(std::int32_t x, std::int32_t y, const IMAGE& image, std::int32_t who) {
  std::int64_t right = static_cast<std::int64_t>(x) + image.width();
  std::int64_t bottom = static_cast<std::int64_t>(y) + image.height();
  if (within(x, 0, kArenaWidth) && within(y, 0, kArenaHeight) && within(right, 0, kArenaWidth) &&
      within(bottom, 0, kArenaHeight)) {
    return true;
  }
  float& posX = who == -1 ? player.x : monsters[who].x;
  float& posY = who == -1 ? player.y : monsters[who].y;
  double a = headingOfSlope(380 - posY, 800 - posX, posX > 800);
  posX = static_cast<float>(posX + std::cos(a) * 10);
  posY = static_cast<float>(posY + std::sin(a) * 10);
  return false;
}

void monsterStep(std::int32_t slot) {
  Monster& m = monsters[slot];
  const IMAGE& body = firstImage(m.moveFrames);
  if (keepInArena(truncToInt(m.x), truncToInt(m.y), body, slot) && !nearTarget(m.x, m.y, m.targetX, m.targetY)) {
    m.x = static_cast<float>(m.x + std::cos(m.heading) * m.stepSpeed);
    m.y = static_cast<float>(m.y + std::sin(m.heading) * m.stepSpeed);
  } else {
    m.hurt = 0;
    m.state = kMonsterIdle;
  }
  if (m.state == kMonsterAttacking) {
    float right = m.x + static_cast<float>(body.width());
    float bottom = m.y + static_cast<float>(firstImage(m.attackFrames).height());
    hitPlayer(truncToInt(m.x), truncToInt(right), truncToInt(m.y), truncToInt(bottom), truncToInt(m.x),
              truncToInt(m.y), m.damage, 1);
  }
}

void playerStep() {
  if (!keepInArena(truncToInt(player.x), truncToInt(player.y), assets.norImages[0], -1) ||
      nearTarget(player.x, player.y, player.targetX, player.targetY)) {
    player.invulnerable = 0;
    player.state = Free;
    return;
  }
  player.x = static_cast<float>(player.x + std::cos(player.heading) * player.stepSpeed);
  player.y = static_cast<float>(player.y + std::sin(player.heading) * player.stepSpeed);
}

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
    const IMAGE& body = firstImage(m.moveFrames);
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
    const IMAGE& picture = bomb->image ? *bomb->image : emptyImage();
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
