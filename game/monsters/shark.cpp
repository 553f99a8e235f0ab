// The shark: rams a player who comes within one picture size, else drifts toward the
// player every 4 s. The dash itself is stepped by the world pass and hits through
// monsterStep while the shark is still attacking.

#include "game/assets/voice.h"
#include "game/monsters/behaviours.h"
#include "game/monsters/spawner.h"
#include "game/world/collision.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/movement.h"

void sharkBehaviour(std::int32_t slot) {
  Monster& m = monsters[slot];
  if (m.state != kMonsterIdle) return;
  const Size body = bodySize(m);
  const float w = static_cast<float>(body.width);
  const float h = static_cast<float>(body.height);
  const bool playerNear = rectsOverlap(truncToInt(player.x), truncToInt(player.y), ruleSizes.player,
                                       truncToInt(m.x - w), truncToInt(m.x + 2 * w), truncToInt(m.y - h),
                                       truncToInt(m.y + 2 * h));
  const std::uint64_t now = gameTickCount();
  if (playerNear && now - m.actionTime > 3000) {
    m.state = kMonsterAttacking;
    m.stepSpeed = 3 * m.speed;
    m.heading = headingOfSlope(player.y - m.y, player.x - m.x, m.x > player.x);
    m.targetX = player.x;
    m.targetY = player.y;
    m.actionTime = now;
    playVoice(Voice::kSharkRoll);
    monsterStep(slot);
  } else if (now - m.actionTime > 4000) {
    chooseWanderTarget(slot);
    m.actionTime = now;
    monsterStep(slot);
  }
}
