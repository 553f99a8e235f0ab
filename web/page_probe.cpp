// The page's probe for its tests: the player's place and hit points, and where the
// monsters are (summed, so a test sees whether the world moves), read by the browser tests
// between passes (the game runs on the page's only thread, so a read never meets a half-done
// update). It reads no clock, which a kept round would record. Linked into the page alone;
// the game never calls it.
#include <emscripten.h>

#include <cstdio>

#include "game/world/round_state.h"

extern "C" EMSCRIPTEN_KEEPALIVE const char* webProbe() {
  static char text[160];
  double monsterPlaces = 0;
  for (const Monster& monster : monsters)
    if (monster.alive) monsterPlaces += double(monster.x) + double(monster.y);
  std::snprintf(text, sizeof text, "{\"x\":%.2f,\"y\":%.2f,\"hitPoints\":%d,\"monsters\":%.2f}", double(player.x),
                double(player.y), int(player.hitPoints), monsterPlaces);
  return text;
}
