// The page's probe for its tests: the player's place, hit points and the score, read by the
// browser tests between passes (the game runs on the page's only thread, so a read never
// meets a half-done update). Linked into the page alone; the game never calls it.
#include <emscripten.h>

#include <cstdio>

#include "game/world/round_state.h"

extern "C" EMSCRIPTEN_KEEPALIVE const char* webProbe() {
  static char text[128];
  std::snprintf(text, sizeof text, "{\"x\":%.2f,\"y\":%.2f,\"hitPoints\":%d}", double(player.x), double(player.y),
                int(player.hitPoints));
  return text;
}
