// dream-arena: the executable is the game's entry, after the command line and the player's
// settings, keeping its rounds' scores, recorded into a replay file when DREAM_ARENA_RECORD
// names one.
#include "game/shell/entry.h"
#include "platform/command_line.h"
#include "platform/replay/session.h"
#include "platform/scores.h"

int main(int argc, char** argv) {
  if (const int status = platform::startFromCommandLine(argc, argv); status >= 0) return status;
  platform::keepScores(DA_GAME_VERSION);
  platform::replay::recordIfAsked(DA_GAME_VERSION);
  const int status = gameMain();
  platform::replay::stopRecording();
  return status;
}
