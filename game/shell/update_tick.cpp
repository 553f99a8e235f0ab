// One world update of a round and the 10 ms rule that decides when it runs.
#include "game/shell/update_tick.h"

#include <algorithm>

#include "game/monsters/spawner.h"
#include "game/player/controls.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/shot_hits.h"
#include "game/world/geometry.h"
#include "game/world/rule_sizes.h"
#include "game/world/world_pass.h"
#include "platform/controls/pad_aim.h"

namespace {

constexpr std::uint64_t kUpdateIntervalMs = 10;

// A pad aims from the player's centre, as the rules fire from it.
void tellPlayerCentre() {
  const int centreX = int(player.x) + ruleSizes.player.width / 2;
  const int centreY = int(player.y) + ruleSizes.player.height / 2;
  platform::tellPlayerCentre(centreX, centreY, {kField.left, kField.top, kField.right, kField.bottom});
}

}  // namespace

void updateTick(bool withPlayer) {
  if (withPlayer) {
    tellPlayerCentre();
    updatePlayer();
  }
  spawnMonsters();
  updateWorld();
  resolveShotHits();
  for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
    if (monsters[slot].alive && monsters[slot].behaviour) monsters[slot].behaviour(slot);
  }
}

bool updateIfDue(RoundTimer& timer, bool withPlayer) {
  timer.lastCheckTick = gameTickCount();
  if (timer.lastCheckTick - timer.lastUpdateTick <= kUpdateIntervalMs) return false;
  updateTick(withPlayer);
  timer.lastUpdateTick = gameTickCount();
  return true;
}

std::uint64_t msToNextUpdate(const RoundTimer& timer) {
  const std::uint64_t due = timer.lastUpdateTick + kUpdateIntervalMs + 1;
  const std::uint64_t now = std::max(timer.lastCheckTick, timer.lastUpdateTick);
  return now >= due ? 0 : due - now;
}
