// The player's controls, run once per update tick while the round lasts. Every key of the
// update, the attacks' included, is read through one KeyReader.
#include "game/player/controls.h"

#include <cstdlib>

#include "game/assets/catalogue.h"
#include "game/assets/voice.h"
#include "game/player/attacks.h"
#include "game/player/key_reader.h"
#include "game/world/collision.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/lists.h"
#include "game/world/rule_sizes.h"
#include "platform/seam/input.h"

namespace {

// Eats the first piece of meat in list order that touches the player box.
void eatMeat() {
  const Size box = ruleSizes.player;
  const std::int32_t left = truncToInt(player.x);
  const std::int32_t right = truncToInt(player.x + static_cast<float>(box.width));
  const std::int32_t top = truncToInt(player.y);
  const std::int32_t bottom = truncToInt(player.y + static_cast<float>(box.height));
  for (Meat* piece = meats; piece; piece = piece->next) {
    if (!rectsOverlap(piece->x, piece->y, ruleSizes.meal, left, right, top, bottom)) continue;
    unlinkFromList(meats, piece);
    std::free(piece);
    player.state = Eating;
    return;
  }
}

void walk(KeyReader& keys, float s) {
  using namespace platform;
  const double d = s / 1.414213562373095;
  const float w = static_cast<float>(ruleSizes.player.width);
  const float h = static_cast<float>(ruleSizes.player.height);
  auto stepBy = [](float& coordinate, double delta) { coordinate = static_cast<float>(coordinate + delta); };
  const bool up = keys.either('W', kVkUp) && player.y > kField.top;
  const bool down = !up && keys.either('S', kVkDown) && player.y + h < kField.bottom;
  if (up || down) {
    const double vertical = up ? -1.0 : 1.0;
    if (keys.either('A', kVkLeft) && player.x > kField.left) {
      stepBy(player.x, -d);
      stepBy(player.y, vertical * d);
    } else if (keys.either('D', kVkRight) && player.x + w < kField.right) {
      stepBy(player.x, d);
      stepBy(player.y, vertical * d);
    } else {
      player.y = up ? player.y - s : player.y + s;
    }
    return;
  }
  if (keys.either('A', kVkLeft) && player.x > kField.left) {
    player.x -= s;
    return;
  }
  if (keys.either('D', kVkRight) && player.x + w < kField.right) {
    player.x += s;
    return;
  }
  if (keys.held('E')) eatMeat();
}

}  // namespace

void updatePlayer() {
  if (player.state != Free) return;
  KeyReader keys;
  if (player.energy < 150 && !keys.held('H')) player.energy += 1;
  if (player.specialCooldown > 0) player.specialCooldown -= 1;
  float s = static_cast<float>(player.speed);
  if (keys.either('H', '3') && player.energy > 0) {
    s = 2 * s;
    player.energy -= 1;
  }
  const std::uint64_t now = gameTickCount();
  if (keys.either('J', '1') && player.energy > 0) {
    if (now - player.lastAttackTime > 400) {
      player.lastAttackTime = now;
      playerStrike(keys);
    }
    return;
  }
  if (keys.either('K', '2') && player.energy > 0 && player.specialCooldown == 0) {
    playerSpecial(keys);
    player.specialCooldown = 60;
    return;
  }
  if (keys.held(platform::kVkLButton) && player.energy > 0) {
    if (player.ammo <= 0) {
      playVoice(Voice::kEmptyClick);
      return;
    }
    if (now - player.lastAttackTime > 100) {
      fireShot();
      playVoice(Voice::kShot);
    }
    return;
  }
  walk(keys, s);
}
