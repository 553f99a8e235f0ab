// The scores folder on disk (see score_folder.h): the lock, reading and writing the table,
// keeping it aside when damaged, and the kept rounds' files.
#include "game/files/score_folder.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/base/calendar_text.h"
#include "platform/port/storage.h"
#include "platform/settings/settings_file.h"

namespace {

namespace fs = std::filesystem;

// The folder's lock file (port/storage.h's FileLock): taken for a change, shared for a look.
std::string lockPath(const std::string& folder) { return folder + "/scores.lock"; }

// stem + suffix in folder, or stem-2 + suffix, -3 ... for the first name not taken by a
// file or by a row of table (whose file may be missing).
std::string freeName(const std::string& folder, const std::string& stem, const std::string& suffix,
                     const ScoreTable& table = {}) {
  const auto taken = [&](const std::string& name) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(folder + "/" + name, error))) return true;
    return std::any_of(table.best.begin(), table.best.end(), [&](const ScoreEntry& e) { return e.roundFile == name; });
  };
  std::string name = stem + suffix;
  for (int n = 2; taken(name); ++n) name = stem + "-" + std::to_string(n) + suffix;
  return name;
}

// Moves a file, copying it across file systems; false with the reason.
bool moveFile(const std::string& from, const std::string& to, std::string& reason) {
  if (::rename(from.c_str(), to.c_str()) == 0) return true;
  if (errno != EXDEV) {
    reason = std::strerror(errno);
    return false;
  }
  std::error_code error;
  if (!fs::copy_file(from, to, error)) {
    reason = error.message();
    fs::remove(to, error);
    return false;
  }
  fs::remove(from, error);
  return true;
}

// Whether a dropped round's file is one the table made and no round still in it names:
// the table deletes nothing else (the reader refuses other names, this holds it here too).
bool ownRoundFile(const ScoreTable& table, const std::string& name) {
  if (!keptFileNameValid(name)) return false;
  for (const ScoreEntry& e : table.best)
    if (e.roundFile == name) return false;
  return true;
}

void removeQuietly(const std::string& path) {
  std::error_code error;
  fs::remove(path, error);
}

// Reads the table under the lock into table. A table that is damaged or cannot be read is
// moved aside when moveAside (one line in notices) and the table starts fresh; else it is a
// failure.
bool readLockedTable(const std::string& folder, bool moveAside, std::int64_t now, ScoreTable& table,
                     std::vector<std::string>& notices, std::string& reason) {
  const std::string path = scoreTablePath(folder);
  std::string text, why;
  const platform::FileText read = platform::readFileText(path, text, why);
  table = ScoreTable{};
  if (read == platform::FileText::kMissing) return true;
  std::string problem;
  if (read == platform::FileText::kFailed) {
    problem = "cannot read scores file " + path + " (" + why + ")";
  } else {
    ScoreTableReading reading = readScoreTable(text);
    if (reading.problem.empty()) {
      table = reading.table;
      return true;
    }
    problem = "scores file " + path + " is damaged (" + reading.problem + ")";
  }
  if (!moveAside) {
    reason = problem;
    return false;
  }
  const std::string aside = folder + "/" + freeName(folder, "scores-damaged-" + platform::fileNameStamp(now), ".txt");
  if (::rename(path.c_str(), aside.c_str()) != 0) {
    reason = problem + " and cannot be kept aside: " + std::strerror(errno);
    return false;
  }
  notices.push_back(problem + "; kept as " + aside + ", a fresh table starts");
  return true;
}

}  // namespace

std::string scoreTablePath(const std::string& folder) { return folder + "/scores.txt"; }

bool prepareScoreFolder(const std::string& folder, std::string& reason) {
  std::error_code error;
  const fs::file_status status = fs::status(folder, error);
  if (fs::exists(status) && !fs::is_directory(status)) {
    reason = "it is a file, not a folder";
    return false;
  }
  if (!fs::exists(status) && !fs::create_directories(folder, error)) {
    reason = error.message();
    return false;
  }
  // The lock file may be there already: a file made and removed shows that writes work.
  std::string probe = folder + "/.write-check.XXXXXX";
  const int fd = ::mkstemp(probe.data());
  if (fd < 0) {
    reason = std::strerror(errno);
    return false;
  }
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

bool checkScoreTable(const std::string& folder, std::int64_t now, std::vector<std::string>& notices, std::string& reason) {
  platform::FileLock lock;
  ScoreTable table;
  return lock.take(lockPath(folder), reason) && readLockedTable(folder, true, now, table, notices, reason);
}

bool keepRoundInFolder(const std::string& folder, ScoreEntry entry, const std::string& roundFile, KeptRound& kept,
                       std::vector<std::string>& notices, std::string& reason) {
  platform::FileLock lock;
  ScoreTable table;
  if (!lock.take(lockPath(folder), reason) || !readLockedTable(folder, true, entry.date, table, notices, reason)) {
    if (!roundFile.empty()) removeQuietly(roundFile);
    return false;
  }
  // Placed once without its file to learn whether the file is to be kept.
  ScoreTable placed = table;
  std::vector<ScoreEntry> dropped;
  entry.roundFile.clear();
  kept.place = placeRound(placed, entry, dropped);
  std::string movedTo, notMoved;
  if (kept.place > 0 && !roundFile.empty()) {
    const std::string name = freeName(folder, "round-" + platform::fileNameStamp(entry.date), ".replay", table);
    std::string why;
    if (moveFile(roundFile, folder + "/" + name, why)) {
      entry.roundFile = name;
      movedTo = folder + "/" + name;
      placed = table;
      dropped.clear();
      placeRound(placed, entry, dropped);
    } else {
      notMoved = "cannot keep the round's replay " + roundFile + " in " + folder + ": " + why;
    }
  }
  if (!platform::replaceFile(scoreTablePath(folder), scoreTableText(placed), reason)) {
    reason = "cannot write " + scoreTablePath(folder) + ": " + reason;
    if (!movedTo.empty()) removeQuietly(movedTo);
    if (!roundFile.empty()) removeQuietly(roundFile);
    return false;
  }
  if (!notMoved.empty()) notices.push_back(notMoved);
  for (const ScoreEntry& gone : dropped) {
    if (ownRoundFile(placed, gone.roundFile)) removeQuietly(folder + "/" + gone.roundFile);
  }
  if (movedTo.empty() && !roundFile.empty()) removeQuietly(roundFile);
  kept.bestScore = placed.best.empty() ? 0 : placed.best.front().score;
  return true;
}

bool readScoreFolder(const std::string& folder, ScoreTable& table, std::string& reason) {
  std::error_code error;
  if (!fs::exists(scoreTablePath(folder), error)) {
    table = ScoreTable{};
    return true;
  }
  platform::FileLock lock;
  std::vector<std::string> notices;
  return lock.share(lockPath(folder), reason) && readLockedTable(folder, false, 0, table, notices, reason);
}

