// Shot hits of one update tick. Player shots push a monster 60 pixels along their heading
// (a killing shot flies on); enemy shots push the player 25 pixels. Knock-backs that land
// while one is running add up. Depends on the shared rules, the kill bookkeeping and the
// rules' sizes (the player box, the shots' pictures).
#include "game/world/shot_hits.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "game/assets/voice.h"
#include "game/world/collision.h"
#include "game/world/damage.h"
#include "game/world/enemy_shots.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/kills.h"
#include "game/world/knockback.h"
#include "game/world/lists.h"
#include "game/world/movement.h"

namespace {

// True when the shot's picture at its truncated position lies wholly in the field.
template <typename Shot>
bool shotInField(const Shot& shot) {
  const Size size = shotSize(shot);
  return wholeInField(truncToInt(shot.x), truncToInt(shot.y), size.width, size.height);
}

void removePlayerShot(PlayerShot* shot) {
  unlinkFromList(playerShots, shot);
  std::free(shot);
}

// A monster hit by a player shot is pushed 60 pixels along the shot, or 60 more if already
// moving; the player hit by an enemy shot 25, or 25 more if already pushed.
constexpr PushShape kShotOnMonster{60, 60, 1, 60, 60, 1};
constexpr PushShape kShotOnPlayer{25, 25, 1, 25, 25, 1};

void playerShotsAgainstMonsters() {
  for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
    Monster& m = monsters[slot];
    PlayerShot* shot = playerShots;
    while (shot) {
      PlayerShot* next = shot->next;
      if (m.alive && m.moveFrames.images) {
        const Size body = bodySize(m);
        if (rectsOverlap(truncToInt(shot->x), truncToInt(shot->y), shotSize(*shot), truncToInt(m.x),
                         truncToInt(m.x + static_cast<float>(body.width)), truncToInt(m.y),
                         truncToInt(m.y + static_cast<float>(body.height)))) {
          m.hitPoints = reducedHitPoints(m.hitPoints, shot->damage);
          m.alive = m.hitPoints > 0;
          if (m.hitPoints <= 0) {
            onMonsterKilled(slot);
            break;
          }
          pushAlong(m, shot->heading, kShotOnMonster, kMonsterMoving);
          m.hurt = 1;
          playVoice(Voice::kShotHit);
          monsterStep(slot);
          removePlayerShot(shot);
          shot = next;
          continue;
        }
      }
      if (!shotInField(*shot)) removePlayerShot(shot);
      shot = next;
    }
  }
}

void enemyShotsAgainstPlayer() {
  const Size box = ruleSizes.player;
  EnemyShot* shot = enemyShots;
  while (shot) {
    EnemyShot* next = shot->next;
    if (!player.invulnerable &&
        rectsOverlap(truncToInt(shot->x), truncToInt(shot->y), shotSize(*shot), truncToInt(player.x),
                     truncToInt(player.x + static_cast<float>(box.width)), truncToInt(player.y),
                     truncToInt(player.y + static_cast<float>(box.height)))) {
      damagePlayer(shot->damage);
      pushAlong(player, shot->heading, kShotOnPlayer, KnockedBack);
      playVoice(Voice::kShotHit);
      playerStep();
      removeEnemyShot(shot);
    } else if (!shotInField(*shot)) {
      removeEnemyShot(shot);
    }
    shot = next;
  }
}

}  // namespace

void resolveShotHits() {
  playerShotsAgainstMonsters();
  enemyShotsAgainstPlayer();
}
