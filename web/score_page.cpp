// The page's list of the best rounds: the score table and its totals as --scores prints
// them, read from the player's data folder when the page asks.
#include <emscripten.h>

#include <string>

#include "game/files/score_folder.h"
#include "game/files/score_listing.h"
#include "platform/port/storage.h"

extern "C" EMSCRIPTEN_KEEPALIVE const char* webScoreListing() {
  static std::string text;
  const std::string folder = platform::dataFolder();
  ScoreTable table;
  std::string reason;
  text = readScoreFolder(folder, table, reason) ? scoreListing(table, scoreTablePath(folder))
                                                : "The scores cannot be shown: " + reason;
  return text.c_str();
}
