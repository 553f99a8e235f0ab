// One world update of a round and the 10 ms rule that decides when it runs.
#include "game/shell/update_tick.h"

#include "game/monsters/spawner.h"
#include "game/player/controls.h"
#include "game/world/game_clock.h"
#include "game/world/game_state.h"
#include "game/world/shot_hits.h"
#include "game/world/world_pass.h"

namespace {

constexpr std::uint64_t kUpdateIntervalMs = 10;

}  // namespace

void updateTick(bool withPlayer) {
  if (withPlayer) updatePlayer();
  spawnMonsters();
  updateWorld();
  resolveShotHits();
  for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
    if (monsters[slot].alive && monsters[slot].behaviour) monsters[slot].behaviour(slot);
  }
}

bool updateIfDue(RoundTimer& timer, bool withPlayer) {
  timer.lastReading = gameTickCount();
  if (timer.lastReading - timer.lastUpdateTick <= kUpdateIntervalMs) return false;
  updateTick(withPlayer);
  timer.lastUpdateTick = gameTickCount();
  return true;
}
