// The king: every 3 s it strolls to a nearby point (6 in 10) or roars (4 in 10). A roar
// clears every other living monster's decision timer so each acts at its next call; the
// drawing ends the roar after its animation.
#include <cstdlib>

#include "game/assets/catalogue.h"
#include "game/assets/voice.h"
#include "game/monsters/behaviours.h"
#include "game/monsters/spawner.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/movement.h"
#include "platform/base/random.h"

void kingBehaviour(std::int32_t slot) {
  Monster& m = monsters[slot];
  if (m.state != kMonsterIdle) return;
  const std::uint64_t now = gameTickCount();
  if (now - m.actionTime <= 3000) return;
  if (platform::randomNumber() % 10 <= 5) {
    chooseWanderTarget(slot);
    monsterStep(slot);
  } else {
    m.state = kMonsterAttacking;
    playVoice(Voice::kRoar);
    for (std::int32_t other = 0; other < kSlotCount; ++other) {
      if (other != slot && monsters[other].alive) monsters[other].actionTime = 0;
    }
  }
  m.actionTime = now;
}
