// The black cloud: every 6 s it backs away from the player (6 in 10) or starts a volley
// (4 in 10); during a volley it fires a water shot at the player every 360 ms until the
// drawing ends the attack animation.
#include <cstdlib>

#include "game/assets/catalogue.h"
#include "game/assets/voice.h"
#include "game/monsters/behaviours.h"
#include "game/monsters/spawner.h"
#include "game/world/enemy_shots.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/lists.h"
#include "game/world/movement.h"
#include "platform/base/random.h"

namespace {

// One water shot from the cloud's centre, aimed from its corner at the player's corner.
void fireWaterShot(Monster& cloud) {
  EnemyShot* shot = newListElement<EnemyShot>("enquene malloc fail\n");
  shot->damage = cloud.damage;
  shot->speed = 10;
  shot->heading = headingOfSlope(player.y - cloud.y, player.x - cloud.x, cloud.x > player.x);
  shot->x = cloud.x + static_cast<float>(assets.blackCloudImage.width() / 2);
  shot->y = cloud.y + static_cast<float>(assets.blackCloudImage.height() / 2);
  cloud.state = kMonsterAttacking;
  chooseEnemyShotImage(*shot);
  appendEnemyShot(shot);
}

}  // namespace

void cloudBehaviour(std::int32_t slot) {
  Monster& m = monsters[slot];
  const std::uint64_t now = gameTickCount();
  if (m.state == kMonsterIdle) {
    if (now - m.actionTime <= 6000) return;
    if (platform::randomNumber() % 10 >= 4) {
      chooseWanderTarget(slot);
      monsterStep(slot);
      m.actionTime = now;
    } else {
      fireWaterShot(m);
      m.state = kMonsterAttacking;
      playVoice(Voice::kWaterShot);
      m.actionTime = now;
    }
  } else if (m.state == kMonsterAttacking) {
    if (now - m.actionTime <= 360) return;
    fireWaterShot(m);
    m.actionTime = now;
    playVoice(Voice::kWaterShot);
  }
}
