// The page's probe for its tests: the player's place and hit points, where the monsters are
// (summed) and when the sleeping figure last turned a frame (every 120 ms of game time), so a
// test sees whether the world moves. Read between passes (the game runs on the page's only
// thread, so a read never meets a half-done update); it reads no clock, which a kept round
// would record. Linked into the page alone; the game never calls it.
#include <emscripten.h>

#include <cstdio>

#include "game/world/drawing_counters.h"
#include "game/world/round_state.h"

extern "C" EMSCRIPTEN_KEEPALIVE const char* webProbe() {
  static char text[160];
  double monsterPlaces = 0;
  for (const Monster& monster : monsters)
    if (monster.alive) monsterPlaces += double(monster.x) + double(monster.y);
  std::snprintf(text, sizeof text, "{\"x\":%.2f,\"y\":%.2f,\"hitPoints\":%d,\"monsters\":%.2f,\"sleepFrameAt\":%llu}",
                double(player.x), double(player.y), int(player.hitPoints), monsterPlaces,
                static_cast<unsigned long long>(drawingCounters.sleepFrameTime));
  return text;
}
