// dream-arena: the executable is the game's entry, recorded into a replay file when
// DREAM_ARENA_RECORD names one.
#include "game/shell/entry.h"
#include "platform/replay/session.h"

int main() {
  platform::replay::recordIfAsked(DA_GAME_VERSION);
  const int status = gameMain();
  platform::replay::stopRecording();
  return status;
}
