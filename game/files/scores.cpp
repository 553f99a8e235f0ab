// The scores at the seam (see platform/scores.h): whether this run keeps them, the round
// handed over at its end, and what is read back through the replay session.
#include "game/files/scores.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <set>

#include "platform/base/notice.h"
#include "platform/replay/session.h"
#include "game/files/score_folder.h"
#include "game/files/score_listing.h"
#include "platform/port/storage.h"

namespace {

namespace tag = platform::replay::value_tag;
constexpr std::uint8_t kTableKnown = tag::kFirstScore;
constexpr std::uint8_t kRoundPlace = tag::kFirstScore + 1;
constexpr std::uint8_t kBestScore = tag::kFirstScore + 2;

struct Keeping {
  bool asked = false;  // the program asked to keep scores
  bool on = false;     // and the folder takes them
  std::string folder;
  std::string version;
};

Keeping keeping;

constexpr const char* kNoHome = "no home folder (HOME is not set and the password database names none)";

void stopKeeping(const std::string& reason) {
  platform::notice("cannot keep scores in " + keeping.folder + ": " + reason + "; playing without keeping scores");
  keeping.on = false;
}

TablePlace keepLive(const FinishedRound& round, const std::string& roundFile) {
  ScoreEntry entry;
  entry.score = round.score;
  entry.kills = round.kills;
  entry.lengthMs = round.lengthMs;
  entry.date = static_cast<std::int64_t>(std::time(nullptr));
  entry.version = keeping.version;
  KeptRound kept;
  std::vector<std::string> notices;
  std::string reason;
  const bool done = keepRoundInFolder(keeping.folder, entry, roundFile, kept, notices, reason);
  for (const std::string& line : notices) platform::notice(line);
  if (!done) {
    stopKeeping(reason);
    return {};
  }
  return {true, static_cast<std::uint32_t>(kept.place), kept.bestScore};
}

}  // namespace

bool keepScores(const std::string& gameVersion) {
  keeping.asked = true;
  keeping.folder = platform::dataFolder();
  keeping.version = gameVersion;
  if (keeping.folder.empty()) return false;  // no home folder: the start said so
  std::string reason;
  std::vector<std::string> notices;
  keeping.on = prepareScoreFolder(keeping.folder, reason) &&
               checkScoreTable(keeping.folder, static_cast<std::int64_t>(std::time(nullptr)), notices, reason);
  for (const std::string& line : notices) platform::notice(line);
  if (!keeping.on) stopKeeping(reason);
  return keeping.on;
}

void stopKeepingScores() { keeping = Keeping{}; }

TablePlace keepRound(const FinishedRound& round, const std::string& roundFile) {
  TablePlace live;
  if (keeping.on && !platform::replay::replaying()) {
    live = keepLive(round, roundFile);
  } else if (keeping.asked && !platform::replay::replaying() && !roundFile.empty()) {
    std::remove(roundFile.c_str());  // nowhere to keep it
  }
  TablePlace read;
  read.known = platform::replay::valueRead(kTableKnown, live.known ? 1 : 0, 0) != 0;
  if (!read.known) return read;
  read.place = static_cast<std::uint32_t>(platform::replay::valueRead(kRoundPlace, live.place, 0));
  read.bestScore = platform::replay::valueRead(kBestScore, live.bestScore, 0);
  return read;
}

std::string bestRoundFile(std::string& reason) {
  const std::string folder = platform::dataFolder();
  if (folder.empty()) {
    reason = kNoHome;
    return "";
  }
  ScoreTable table;
  if (!readScoreFolder(folder, table, reason)) return "";
  for (const ScoreEntry& entry : table.best) {
    if (!entry.roundFile.empty()) return folder + "/" + entry.roundFile;
  }
  reason = "no round is kept in " + folder;
  return "";
}

int printScores() {
  const std::string folder = platform::dataFolder();
  ScoreTable table;
  std::string reason = kNoHome;
  if (folder.empty() || !readScoreFolder(folder, table, reason)) {
    platform::notice("cannot show the scores: " + reason);
    return 1;
  }
  std::set<std::string> missing;
  for (const ScoreEntry& entry : table.best) {
    std::error_code error;
    if (!entry.roundFile.empty() && !std::filesystem::is_regular_file(folder + "/" + entry.roundFile, error))
      missing.insert(entry.roundFile);
  }
  std::fputs(scoreListing(table, scoreTablePath(folder), missing).c_str(), stdout);
  std::fflush(stdout);
  return 0;
}

