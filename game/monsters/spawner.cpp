// Spawning monsters into free slots and the move target that every kind's wander uses.
// Depends on the game state (kinds, slots, player), the catalogue's picture runs, the
// behaviours and the shared heading rule.
#include "game/monsters/spawner.h"

#include <cmath>
#include <cstdlib>

#include "game/assets/catalogue.h"
#include "game/monsters/behaviours.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"

namespace {

MonsterAnimation run(IMAGE* first, std::int8_t count) { return MonsterAnimation{first, 0, count}; }

}  // namespace

bool setUpMonsterKind(Monster& monster, std::int8_t kind) {
  switch (kind) {
    case kShark:
      monster.behaviour = sharkBehaviour;
      monster.moveFrames = run(assets.sharkMoveImages, 8);
      monster.attackFrames = run(&assets.sharkAtkImage, 1);
      monster.hurtFrames = run(&assets.sharkHittedImage, 1);
      return true;
    case kBlackCloud:
      monster.behaviour = cloudBehaviour;
      monster.moveFrames = run(&assets.blackCloudImage, 1);
      monster.attackFrames = run(assets.bcAtkImages, 5);
      monster.hurtFrames = run(&assets.bcHittedImage, 1);
      return true;
    case kPlane:
      monster.behaviour = planeBehaviour;
      monster.moveFrames = run(&assets.planeImage, 1);
      monster.attackFrames = run(&assets.planeImage, 1);
      monster.hurtFrames = run(&assets.planeImage, 1);
      return true;
    case kKing:
      monster.behaviour = kingBehaviour;
      monster.moveFrames = run(assets.kingImages, 10);
      monster.attackFrames = run(assets.kingAtkImages, 10);
      monster.hurtFrames = run(&assets.kingAtkImages[1], 1);
      return true;
    default:
      return false;
  }
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
    const MonsterKind& kind = monsterKinds[std::rand() % kKindCount];
    const float x = static_cast<float>(std::rand() % 1450);
    const float y = static_cast<float>(std::rand() % 610);
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
  switch (m.kind) {
    case kShark:
    case kBlackCloud: {
      const double toPlayer = headingOfSlope(player.y - m.y, player.x - m.x, m.x > player.x);
      m.heading = toPlayer + jitter * kPi / 20;
      if (m.kind == kShark) {
        m.targetX = static_cast<float>(m.x + std::cos(m.heading) * 3 * width);
        m.targetY = static_cast<float>(m.y + std::sin(m.heading) * 3 * width);
      } else {
        m.targetX = static_cast<float>(m.x - std::cos(m.heading) * width);
        m.targetY = static_cast<float>(m.y - std::sin(m.heading) * width);
      }
      break;
    }
    case kPlane:
    case kKing: {
      const int limit = m.kind == kPlane ? 200 : 100;
      m.targetX = m.x + static_cast<float>(randomOffset(limit));
      m.targetY = m.y + static_cast<float>(randomOffset(limit));
      break;
    }
    default:
      m.stepSpeed = m.speed;
      return;
  }
  m.heading = headingOfSlope(m.targetY - m.y, m.targetX - m.x, m.x > m.targetX);
  m.stepSpeed = m.speed;
}
