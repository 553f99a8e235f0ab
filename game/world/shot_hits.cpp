// Shot hits of one update tick. Player shots push a monster 60 pixels along their heading
// (a killing shot flies on); enemy shots push the player 25 pixels. Knock-backs that land
// while one is running add up. Depends on the shared rules, the kill bookkeeping and the
// catalogue (nor1.png is the player box).
#include "game/world/shot_hits.h"

#include <SFML/Audio/Sound.hpp>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "game/assets/catalogue.h"
#include "game/assets/voice.h"
#include "game/world/collision.h"
#include "game/world/damage.h"
#include "game/world/enemy_shots.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/kills.h"
#include "game/world/lists.h"
#include "game/world/movement.h"

namespace {

// True when the shot's picture at its truncated position lies wholly in the field.
template <typename Shot>
bool shotInField(const Shot& shot) {
  return wholeInField(truncToInt(shot.x), truncToInt(shot.y), shot.image->width(), shot.image->height());
}

void removePlayerShot(PlayerShot* shot) {
  unlinkFromList(playerShots, shot);
  std::free(shot);
}

// Pushes a monster or the player distance pixels along the shot's heading, or that much
// further when already being pushed (in state pushed): the step speed grows by one speed.
template <typename Mover, typename State>
void pushAlongShot(Mover& mover, double shotHeading, double distance, State pushed) {
  if (mover.state == pushed) {
    mover.stepSpeed += mover.speed;
    mover.targetX = static_cast<float>(mover.targetX + distance * std::cos(shotHeading));
    mover.targetY = static_cast<float>(mover.targetY + distance * std::sin(shotHeading));
    mover.heading = headingOfSlope(mover.targetY - mover.y, mover.targetX - mover.x, mover.x > mover.targetX);
    return;
  }
  mover.heading = shotHeading;
  mover.targetX = static_cast<float>(mover.x + distance * std::cos(shotHeading));
  mover.targetY = static_cast<float>(mover.y + distance * std::sin(shotHeading));
  mover.state = pushed;
  mover.stepSpeed = mover.speed;
}

// A monster hit by a player shot is pushed 60 pixels, or 60 more if already moving.
void knockMonsterBack(Monster& m, double shotHeading) { pushAlongShot(m, shotHeading, 60, kMonsterMoving); }

// The player hit by an enemy shot is pushed 25 pixels, or 25 more if already pushed.
void knockPlayerBack(double shotHeading) { pushAlongShot(player, shotHeading, 25, KnockedBack); }

void playerShotsAgainstMonsters(sf::Sound& voice) {
  for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
    Monster& m = monsters[slot];
    PlayerShot* shot = playerShots;
    while (shot) {
      PlayerShot* next = shot->next;
      if (m.alive && m.moveFrames.images) {
        const IMAGE& body = m.moveFrames.images[0];
        if (rectsOverlap(truncToInt(shot->x), truncToInt(shot->y), *shot->image, truncToInt(m.x),
                         truncToInt(m.x + static_cast<float>(body.width())), truncToInt(m.y),
                         truncToInt(m.y + static_cast<float>(body.height())))) {
          m.hitPoints = reducedHitPoints(m.hitPoints, shot->damage);
          m.alive = m.hitPoints > 0;
          if (m.hitPoints <= 0) {
            onMonsterKilled(slot);
            break;
          }
          knockMonsterBack(m, shot->heading);
          m.hurt = 1;
          playVoice(voice);
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

void enemyShotsAgainstPlayer(sf::Sound& voice) {
  const IMAGE& box = assets.norImages[0];
  EnemyShot* shot = enemyShots;
  while (shot) {
    EnemyShot* next = shot->next;
    if (!player.invulnerable &&
        rectsOverlap(truncToInt(shot->x), truncToInt(shot->y), *shot->image, truncToInt(player.x),
                     truncToInt(player.x + static_cast<float>(box.width())), truncToInt(player.y),
                     truncToInt(player.y + static_cast<float>(box.height())))) {
      damagePlayer(shot->damage);
      knockPlayerBack(shot->heading);
      playVoice(voice);
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
  static sf::Sound voice(assets.waterHitSound);
  playerShotsAgainstMonsters(voice);
  enemyShotsAgainstPlayer(voice);
}
