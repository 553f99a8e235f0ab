// The plane: every 4 s it drops a bomb toward the player (3 in 10), fires a half-circle fan
// of seven shots toward the player's side (3 in 10), or flies to a nearby point (4 in 10).
#include <cstdlib>

#include "game/assets/catalogue.h"
#include "game/assets/voice.h"
#include "game/monsters/behaviours.h"
#include "game/monsters/spawner.h"
#include "game/world/bombs.h"
#include "game/world/enemy_shots.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/lists.h"
#include "game/world/movement.h"
#include "platform/base/random.h"

namespace {

// Seven shots 30 degrees apart from straight up to straight down, turned toward the player.
void fireFan(const Monster& plane) {
  for (int i = 0; i < 7; ++i) {
    EnemyShot* shot = newListElement<EnemyShot>("boom malloc fail\n");
    shot->damage = plane.damage;
    shot->heading = i * kPi / 6 - kPi / 2;
    if (plane.x > player.x) shot->heading += kPi;
    shot->speed = 10;
    chooseEnemyShotImage(*shot);
    shot->x = plane.x + static_cast<float>(assets.planeImage.width() / 2);
    shot->y = plane.y + static_cast<float>(assets.planeImage.height() / 2);
    appendEnemyShot(shot);
  }
}

}  // namespace

void planeBehaviour(std::int32_t slot) {
  Monster& m = monsters[slot];
  if (m.state != kMonsterIdle) return;
  const std::uint64_t now = gameTickCount();
  if (now - m.actionTime <= 4000) return;
  const int r = platform::randomNumber() % 10;
  if (r < 3) {
    dropBomb(m);
    playVoice(Voice::kBombDrop);
    moveBooms();
  } else if (r < 6) {
    fireFan(m);
    playVoice(Voice::kPlaneFan);
  } else {
    chooseWanderTarget(slot);
    monsterStep(slot);
  }
  m.actionTime = now;
}
