// dream-arena: the executable is the game's entry, after the command line and the player's
// settings, keeping its rounds' scores, recorded into a replay file when DREAM_ARENA_RECORD
// names one, every round into a file of its own in the player's data folder; or, with
// --watch FILE or --watch-best, the watch of a round.
#include "game/shell/entry.h"
#include "game/shell/watch.h"
#include "app/command_line.h"
#include "platform/replay/session.h"
#include "game/files/round_files.h"
#include "game/files/scores.h"
#include "platform/port/storage.h"

int main(int argc, char** argv) {
  std::string watchFile;
  if (const int status = platform::startFromCommandLine(argc, argv, watchFile); status >= 0) return status;
  if (!watchFile.empty()) return watchRound(watchFile, DA_GAME_VERSION);
  // Rounds are recorded to be kept beside the table: without a table, there is nowhere for
  // them, and the one line about the folder has been said.
  const bool scoresKept = keepScores(DA_GAME_VERSION);
  platform::replay::recordIfAsked(DA_GAME_VERSION);
  if (scoresKept) recordRoundsInto(platform::dataFolder(), DA_GAME_VERSION);
  const int status = gameMain();
  platform::replay::stopRecording();
  return status;
}
