// The player's attacks. Sizes come from the player box (nor1.png); integer halves truncate.
#include "game/player/attacks.h"

#include <cmath>
#include <cstdlib>

#include "game/assets/catalogue.h"
#include "game/assets/voice.h"
#include "game/player/key_reader.h"
#include "game/world/damage.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/lists.h"
#include "game/world/movement.h"
#include "game/world/rule_sizes.h"
#include "platform/base/exact_maths.h"
#include "platform/base/random.h"
#include "platform/seam/input.h"

void playerStrike(KeyReader& keys) {
  const int w = ruleSizes.player.width;
  const int h = ruleSizes.player.height;
  const bool leftHalf = keys.either('A', platform::kVkLeft) || !player.facingRight;
  const float from = leftHalf ? player.x : player.x + static_cast<float>(w / 2);
  const float to = leftHalf ? player.x + static_cast<float>(w / 2) : player.x + static_cast<float>(w);
  hitMonstersInArea(truncToInt(from), truncToInt(to), truncToInt(player.y),
                    truncToInt(player.y + static_cast<float>(h)), 1, player.damage, truncToInt(player.x),
                    truncToInt(player.y));
  player.energy -= 15;
  player.state = Striking;
  playVoice(Voice::kStrike);
}

void playerSpecial(KeyReader& keys) {
  static const double kRandomHeadings[8] = {3.9269908169872414, -0.7853981633974483, -1.5707963267948966,
                                            2.356194490192345,  0.7853981633974483,  1.5707963267948966,
                                            0.0,                3.141592653589793};
  player.state = Dashing;
  player.stepSpeed = 3 * player.speed;
  player.invulnerable = 1;
  const bool w = keys.held('W');
  const bool a = keys.held('A');
  const bool s = keys.held('S');
  const bool d = keys.held('D');
  if (w) player.heading = a ? kRandomHeadings[0] : d ? kRandomHeadings[1] : kRandomHeadings[2];
  else if (s) player.heading = a ? kRandomHeadings[3] : d ? kRandomHeadings[4] : kRandomHeadings[5];
  else if (d) player.heading = kRandomHeadings[6];
  else if (a) player.heading = kRandomHeadings[7];
  else player.heading = kRandomHeadings[platform::randomNumber() % 8];
  player.targetX = static_cast<float>(player.x + platform::exact::cos(player.heading) * 150);
  player.targetY = static_cast<float>(player.y + platform::exact::sin(player.heading) * 150);
  playVoice(Voice::kDash);
  player.energy -= 30;
  playerStep();
}

void fireShot() {
  const int w = ruleSizes.player.width;
  const int h = ruleSizes.player.height;
  player.lastAttackTime = gameTickCount();
  platform::cursorInClient(player.aimX, player.aimY);
  auto* shot = newListElement<PlayerShot>("enquene malloc fail\n");
  player.ammo -= 1;
  player.energy -= 3;
  shot->damage = player.damage;
  shot->speed = 20;
  const float aimX = static_cast<float>(player.aimX);
  const float aimY = static_cast<float>(player.aimY);
  const float centreX = player.x + static_cast<float>(w / 2);
  const float dy = aimY - player.y - static_cast<float>(h / 2);
  const float dx = aimX - player.x - static_cast<float>(w / 2);
  shot->heading = headingOfSlope(dy, dx, centreX > aimX);
  shot->x = aimX > centreX ? player.x + static_cast<float>(w) : player.x;
  shot->y = player.y + static_cast<float>(h / 2);
  player.state = Shooting;
  shot->image = &assets.plrBulletImage;
  appendAtTail(playerShots, shot);
}
