// Spawning monsters into free slots and the move target that every kind's wander uses.
// Depends on the game state (kinds, slots, player), the table of monster kinds and the
// shared heading rule.
#include "game/monsters/spawner.h"

#include <cmath>
#include <cstdlib>

#include "game/assets/catalogue.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/monster_kinds.h"
#include "platform/base/exact_maths.h"
#include "platform/base/random.h"

bool setUpMonsterKind(Monster& monster, std::int8_t kind) {
  const MonsterKindRow* row = findMonsterKind(kind);
  if (!row) return false;
  monster.behaviour = row->behaviour;
  monster.moveFrames = row->moveFrames;
  monster.attackFrames = row->attackFrames;
  monster.hurtFrames = row->hurtFrames;
  return true;
}

void spawnMonsters() {
  int busy = 0;
  int freeSlots[kSlotCount];
  int freeCount = 0;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (monsters[slot].alive) ++busy;
    else freeSlots[freeCount++] = slot;
  }
  if (busy >= 4) return;
  for (int i = 0; i < freeCount; ++i) {
    Monster& m = monsters[freeSlots[i]];
    const MonsterKind& kind = monsterKinds[platform::randomNumber() % kKindCount];
    const float x = static_cast<float>(platform::randomNumber() % 1450);
    const float y = static_cast<float>(platform::randomNumber() % 610);
    const auto code = static_cast<std::int8_t>(kind.kind);
    if (!setUpMonsterKind(m, code)) continue;
    m.alive = 1;
    m.x = x;
    m.y = y;
    m.damage = kind.damage;
    m.hitPoints = kind.hitPoints;
    m.moveFrames.frame = 0;
    m.attackFrames.frame = 0;
    m.hurtFrames.frame = 0;
    m.actionTime = gameTickCount();
    m.frameTime = 0;
    m.kind = code;
    m.speed = kind.speed;
    m.state = kMonsterIdle;
    m.hurt = 0;
  }
}

void chooseWanderTarget(std::int32_t slot) {
  Monster& m = monsters[slot];
  m.state = kMonsterMoving;
  const int jitter = randomOffset(12);
  const double width = m.moveFrames.images ? m.moveFrames.images[0].width() : 0;
  const MonsterKindRow* row = findMonsterKind(m.kind);
  if (!row) {
    m.stepSpeed = m.speed;
    return;
  }
  if (row->wander == Wander::kNearbyPoint) {
    m.targetX = m.x + static_cast<float>(randomOffset(row->wanderReach));
    m.targetY = m.y + static_cast<float>(randomOffset(row->wanderReach));
  } else {
    const double toPlayer = headingOfSlope(player.y - m.y, player.x - m.x, m.x > player.x);
    m.heading = toPlayer + jitter * kPi / 20;
    if (row->wander == Wander::kTowardPlayer) {
      m.targetX = static_cast<float>(m.x + platform::exact::cos(m.heading) * row->wanderReach * width);
      m.targetY = static_cast<float>(m.y + platform::exact::sin(m.heading) * row->wanderReach * width);
    } else {
      m.targetX = static_cast<float>(m.x - platform::exact::cos(m.heading) * row->wanderReach * width);
      m.targetY = static_cast<float>(m.y - platform::exact::sin(m.heading) * row->wanderReach * width);
    }
  }
  m.heading = headingOfSlope(m.targetY - m.y, m.targetX - m.x, m.x > m.targetX);
  m.stepSpeed = m.speed;
}
