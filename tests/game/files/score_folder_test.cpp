// The scores folder with real files: the ten best rounds and only their files kept, a
// damaged table kept aside, a file where the folder should be, a read-only folder, and two
// games keeping rounds at once (threads and processes). Then the seam: only a program that
// asks keeps scores, and a replay keeps nothing and answers as the recording did.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/base/calendar_text.h"
#include "platform/fake/fake_platform.h"
#include "platform/replay/session.h"
#include "game/files/scores.h"
#include "game/files/score_folder.h"

namespace {

namespace fs = std::filesystem;

std::string fileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeText(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

ScoreEntry round(std::uint64_t score, std::uint64_t lengthMs) {
  ScoreEntry e;
  e.score = score;
  if (score > 0) e.kills = {{1, score}};
  e.lengthMs = lengthMs;
  e.date = 1796735841 + std::int64_t(lengthMs);
  e.version = "dream-arena test";
  return e;
}

// The files in a folder other than the table and its lock.
std::set<std::string> keptFiles(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& item : fs::directory_iterator(folder)) {
    const std::string name = item.path().filename().string();
    if (name != "scores.txt" && name != "scores.lock") names.insert(name);
  }
  return names;
}

ScoreTable tableIn(const fs::path& folder) {
  const ScoreTableReading reading = readScoreTable(fileText(folder / "scores.txt"));
  EXPECT_EQ(reading.problem, "");
  return reading.table;
}

class ScoreFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("score_folder_test_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "incoming");
    folder_ = dir_ / "data" / "dream-arena";
    ::setenv("XDG_DATA_HOME", (dir_ / "data").c_str(), 1);
    stopKeepingScores();
  }
  void TearDown() override {
    if (immutable_) std::system(("chattr -i '" + folder_.string() + "'").c_str());
    std::error_code error;
    fs::permissions(folder_, fs::perms::owner_all, error);
    fs::remove_all(dir_);
    ::unsetenv("XDG_DATA_HOME");
    stopKeepingScores();
  }

  // A finished round's replay as the recorder leaves it, outside the folder.
  std::string roundFile(int n) {
    const fs::path path = dir_ / "incoming" / ("r" + std::to_string(n) + ".replay");
    writeText(path, "replay of round " + std::to_string(n));
    return path.string();
  }

  bool keep(const ScoreEntry& entry, const std::string& file, KeptRound& kept, std::vector<std::string>& notices) {
    std::string reason;
    const bool done = keepRoundInFolder(folder_.string(), entry, file, kept, notices, reason);
    EXPECT_TRUE(done) << reason;
    return done;
  }

  // Makes the folder one nobody can write in: no write permission, and for root (who
  // ignores permissions) the immutable attribute. False when neither holds here.
  bool makeUnwritable() {
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(folder_.c_str(), W_OK) == 0)
      immutable_ = std::system(("chattr +i '" + folder_.string() + "' 2>/dev/null").c_str()) == 0;
    const fs::path probe = folder_ / "probe";
    std::ofstream(probe) << "x";
    if (!fs::exists(probe)) return true;
    fs::remove(probe);
    return false;
  }

  fs::path dir_;
  fs::path folder_;
  bool immutable_ = false;
};

TEST_F(ScoreFolder, KeepsTheTenBestRoundsInOrderAndOnlyTheirFiles) {
  std::string reason;
  ASSERT_TRUE(prepareScoreFolder(folder_.string(), reason)) << reason;
  const std::uint64_t scores[] = {5, 9, 5, 12, 0, 7, 9, 3, 20, 1, 5, 8, 2, 9};
  std::vector<std::string> incoming;
  for (int n = 0; n < 14; ++n) {
    // Every earlier round scoring at least as much stands above this one.
    const std::size_t expected = 1 + std::count_if(scores, scores + n, [&](std::uint64_t s) { return s >= scores[n]; });
    incoming.push_back(roundFile(n));
    KeptRound kept;
    std::vector<std::string> notices;
    ASSERT_TRUE(keep(round(scores[n], 1000 + n), incoming.back(), kept, notices));
    EXPECT_EQ(kept.place, expected <= 10 ? expected : 0) << "round " << n;
    EXPECT_EQ(kept.bestScore, *std::max_element(scores, scores + n + 1));
    EXPECT_TRUE(notices.empty());
    EXPECT_FALSE(fs::exists(incoming.back())) << "round " << n << ": its file is moved or deleted";
  }
  const ScoreTable table = tableIn(folder_);
  const std::uint64_t best[] = {8, 3, 1, 6, 13, 11, 5, 0, 2, 10};  // rounds best first, the earlier of a tie first
  ASSERT_EQ(table.best.size(), 10u);
  std::set<std::string> named;
  for (std::size_t k = 0; k < 10; ++k) {
    const ScoreEntry& e = table.best[k];
    EXPECT_EQ(e.lengthMs, 1000 + best[k]) << "place " << k + 1;
    EXPECT_EQ(e.score, scores[best[k]]);
    ASSERT_FALSE(e.roundFile.empty());
    EXPECT_EQ(fileText(folder_ / e.roundFile), "replay of round " + std::to_string(best[k])) << "place " << k + 1;
    named.insert(e.roundFile);
  }
  EXPECT_EQ(keptFiles(folder_), named) << "only the ten best rounds' files are kept";
  EXPECT_EQ(table.totals.rounds, 14u);
  EXPECT_EQ(table.totals.kills, 95u);
  EXPECT_EQ(table.totals.playedMs, 14 * 1000u + 91);
  ScoreTable looked;
  ASSERT_TRUE(readScoreFolder(folder_.string(), looked, reason)) << reason;
  EXPECT_EQ(scoreTableText(looked), scoreTableText(table));
  EXPECT_EQ(bestRoundFile(reason), (folder_ / table.best[0].roundFile).string()) << reason;
}

TEST_F(ScoreFolder, ADamagedOrUnreadableTableIsKeptAsideAndAFreshOneStarts) {
  fs::create_directories(folder_);
  const std::string damaged = "dream-arena scores 1\ntotals\trounds=2\n\x01\x02 garbage\n";
  for (const bool folderInstead : {false, true}) {
    SCOPED_TRACE(folderInstead ? "a folder named scores.txt" : "a damaged table");
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    if (folderInstead) fs::create_directories(folder_ / "scores.txt");
    else writeText(folder_ / "scores.txt", damaged);
    std::string reason;
    ScoreTable table;
    EXPECT_FALSE(readScoreFolder(folder_.string(), table, reason)) << "a look moves nothing";
    EXPECT_TRUE(fs::exists(folder_ / "scores.txt"));

    KeptRound kept;
    std::vector<std::string> notices;
    ASSERT_TRUE(keep(round(4, 100), "", kept, notices));
    ASSERT_EQ(notices.size(), 1u);
    const std::set<std::string> aside = keptFiles(folder_);
    ASSERT_EQ(aside.size(), 1u);
    const std::string name = *aside.begin();
    EXPECT_EQ(name.rfind("scores-damaged-", 0), 0u) << name;
    EXPECT_NE(notices[0].find("kept as " + (folder_ / name).string() + ", a fresh table starts"), std::string::npos) << notices[0];
    if (folderInstead) {
      EXPECT_TRUE(fs::is_directory(folder_ / name));
    } else {
      EXPECT_EQ(fileText(folder_ / name), damaged) << "the damaged table is kept byte for byte";
      EXPECT_EQ(notices[0], "scores file " + (folder_ / "scores.txt").string() +
                                " is damaged (line 2: the totals need rounds=, kills= and played_ms=); kept as " +
                                (folder_ / name).string() + ", a fresh table starts");
    }
    const ScoreTable fresh = tableIn(folder_);
    EXPECT_EQ(fresh.totals.rounds, 1u);
    ASSERT_EQ(fresh.best.size(), 1u);
    EXPECT_EQ(fresh.best[0].score, 4u);
  }
}

// A hand-edited table whose last row names a file the table did not make: when a better
// round pushes that row out, the row's file must not be deleted (scores.txt named there
// once cost the whole table). The table is damaged instead: kept aside byte for byte, every
// named file stays, and the new round starts a fresh table.
TEST_F(ScoreFolder, ARowNamingAFileTheTableDidNotMakeDeletesNothing) {
  const std::string own = "round-20261208-131721.replay";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"scores.txt", "line 12: the file is not a kept round's name"},
      {"scores.lock", "line 12: the file is not a kept round's name"},
      {"scores-damaged-20261208-131721.txt", "line 12: the file is not a kept round's name"},
      {"notes.txt", "line 12: the file is not a kept round's name"},
      {own, "line 12: the file is named by an earlier round too"},
  };
  for (const auto& [named, problem] : cases) {
    SCOPED_TRACE(named);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    std::string text = "dream-arena scores 1\ntotals\trounds=40\tkills=400\tplayed_ms=90000\n";
    for (int k = 10; k >= 1; --k)
      text += "round\tscore=" + std::to_string(k) + "\tkills=1:" + std::to_string(k) +
              "\tlength_ms=1000\tdate=2026-12-08T13:17:21Z\tversion=v\tfile=" + (k == 10 ? own : k == 1 ? named : "") + "\n";
    writeText(folder_ / "scores.txt", text);
    for (const std::string& other : {own, std::string("notes.txt"), std::string("scores-damaged-20261208-131721.txt")})
      writeText(folder_ / other, "the player's " + other);

    KeptRound kept;
    std::vector<std::string> notices;
    ASSERT_TRUE(keep(round(50, 100), roundFile(1), kept, notices));
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("is damaged (" + problem + "); kept as "), std::string::npos) << notices[0];
    std::string aside;
    for (const std::string& name : keptFiles(folder_))
      if (name.rfind("scores-damaged-", 0) == 0 && fileText(folder_ / name) == text) aside = name;
    EXPECT_NE(aside, "") << "the hand-edited table is kept whole";
    for (const std::string& other : {own, std::string("notes.txt"), std::string("scores-damaged-20261208-131721.txt")})
      EXPECT_EQ(fileText(folder_ / other), "the player's " + other);
    const ScoreTable fresh = tableIn(folder_);
    EXPECT_EQ(fresh.totals.rounds, 1u);
    ASSERT_EQ(fresh.best.size(), 1u);
    EXPECT_EQ(fresh.best[0].score, 50u);
    EXPECT_EQ(fileText(folder_ / fresh.best[0].roundFile), "replay of round 1") << "the new round is kept";
  }
}

// A new round's file never takes a name another row holds, even when that row's file is gone
// (deleted by the player, or lost): two rows naming one file make the table damaged, and the
// next start would move the whole table aside. Rows of the same second share a stem.
TEST_F(ScoreFolder, AKeptRoundNeverTakesANameAnotherRowHoldsEvenWhenItsFileIsMissing) {
  const ScoreEntry newRound = round(5, 0);
  const std::string stem = "round-" + platform::fileNameStamp(newRound.date);
  struct Row {
    std::string file;
    bool present;
  };
  const struct {
    std::vector<Row> rows;
    std::string expected;
  } cases[] = {
      {{{stem + ".replay", false}}, stem + "-2.replay"},
      {{{stem + ".replay", false}, {stem + "-2.replay", true}}, stem + "-3.replay"},
      {{{stem + ".replay", true}, {stem + "-2.replay", false}}, stem + "-3.replay"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    ScoreTable before;
    for (const Row& row : c.rows) {
      ScoreEntry e = round(20 - before.best.size(), 0);
      e.roundFile = row.file;
      before.best.push_back(e);
      ++before.totals.rounds;
      if (row.present) writeText(folder_ / row.file, "the player's " + row.file);
    }
    writeText(folder_ / "scores.txt", scoreTableText(before));

    KeptRound kept;
    std::vector<std::string> notices;
    ASSERT_TRUE(keep(newRound, roundFile(1), kept, notices));
    const ScoreTableReading after = readScoreTable(fileText(folder_ / "scores.txt"));
    ASSERT_EQ(after.problem, "") << "the kept round's file takes a name another row holds";
    ASSERT_EQ(after.table.best.size(), c.rows.size() + 1);
    EXPECT_EQ(after.table.best.back().roundFile, c.expected);
    EXPECT_EQ(fileText(folder_ / c.expected), "replay of round 1");
    for (const Row& row : c.rows) {
      if (row.present) {
        EXPECT_EQ(fileText(folder_ / row.file), "the player's " + row.file);
      }
    }

    std::vector<std::string> atStart;
    std::string reason;
    EXPECT_TRUE(checkScoreTable(folder_.string(), newRound.date, atStart, reason)) << reason;
    EXPECT_TRUE(atStart.empty()) << "the next start moves the table aside: " << atStart.front();
  }
}

TEST_F(ScoreFolder, AFileWhereTheFolderShouldBeIsLeftAloneAndNothingIsKept) {
  fs::create_directories(folder_.parent_path());
  writeText(folder_, "mine");
  std::string reason;
  EXPECT_FALSE(prepareScoreFolder(folder_.string(), reason));
  EXPECT_EQ(reason, "it is a file, not a folder");

  ::testing::internal::CaptureStdout();
  keepScores("dream-arena test");
  const std::string file = roundFile(1);
  const TablePlace place = keepRound({3, {}, 100}, file);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            "cannot keep scores in " + folder_.string() + ": it is a file, not a folder; playing without keeping scores\n");
  EXPECT_FALSE(place.known);
  EXPECT_EQ(fileText(folder_), "mine");
  EXPECT_FALSE(fs::exists(file)) << "a round's file with nowhere to be kept is deleted";
}

TEST_F(ScoreFolder, AReadOnlyFolderGivesOneLineAndTheGamePlaysOnWithoutScores) {
  fs::create_directories(folder_);
  if (!makeUnwritable()) GTEST_SKIP() << "no way to make a folder unwritable here";
  ::testing::internal::CaptureStdout();
  keepScores("dream-arena test");
  EXPECT_FALSE(keepRound({3, {}, 100}, "").known);
  EXPECT_FALSE(keepRound({5, {}, 100}, "").known);
  const std::string said = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(said.rfind("cannot keep scores in " + folder_.string() + ": ", 0), 0u) << said;
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_TRUE(keptFiles(folder_).empty());
}

TEST_F(ScoreFolder, AFolderThatStopsTakingWritesMidwaySaysSoOnceAndKeepsNoMore) {
  ::testing::internal::CaptureStdout();
  keepScores("dream-arena test");
  const TablePlace first = keepRound({3, {{2, 3}}, 100}, "");
  EXPECT_TRUE(first.known);
  EXPECT_EQ(first.place, 1u);
  const std::string table = fileText(folder_ / "scores.txt");
  if (!makeUnwritable()) {
    ::testing::internal::GetCapturedStdout();
    GTEST_SKIP() << "no way to make a folder unwritable here";
  }
  const std::string file = roundFile(2);
  EXPECT_FALSE(keepRound({5, {}, 100}, file).known);
  EXPECT_FALSE(keepRound({6, {}, 100}, "").known);
  const std::string said = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_NE(said.find("; playing without keeping scores\n"), std::string::npos) << said;
  EXPECT_EQ(fileText(folder_ / "scores.txt"), table) << "the table stays as it was";
}

// Two games keeping rounds at once: every round is counted and the best ten are the best of all.
void expectEveryRoundKept(const fs::path& folder, std::uint64_t games, std::uint64_t rounds) {
  const ScoreTable table = tableIn(folder);
  EXPECT_EQ(table.totals.rounds, games * rounds);
  std::uint64_t kills = 0;
  for (std::uint64_t s = 0; s < rounds; ++s) kills += s;
  EXPECT_EQ(table.totals.kills, games * kills);
  ASSERT_EQ(table.best.size(), 10u);
  for (std::size_t k = 0; k < 10; ++k) EXPECT_EQ(table.best[k].score, rounds - 1 - k / games) << "place " << k + 1;
  EXPECT_EQ(keptFiles(folder).size(), 10u);
}

TEST_F(ScoreFolder, TwoGamesAtOnceNeverLoseARound) {
  constexpr int kRounds = 25;
  std::string reason;
  ASSERT_TRUE(prepareScoreFolder(folder_.string(), reason)) << reason;
  auto game = [this](int id) {
    for (int n = 0; n < kRounds; ++n) {
      KeptRound kept;
      std::vector<std::string> notices;
      std::string why;
      const std::string file = roundFile(id * 100 + n);
      EXPECT_TRUE(keepRoundInFolder(folder_.string(), round(std::uint64_t(n), std::uint64_t(id * 100 + n)), file, kept,
                                              notices, why))
          << why;
    }
  };
  {
    std::thread a(game, 1), b(game, 2);
    a.join();
    b.join();
  }
  expectEveryRoundKept(folder_, 2, kRounds);

  fs::remove_all(folder_);
  ASSERT_TRUE(prepareScoreFolder(folder_.string(), reason)) << reason;
  std::vector<pid_t> children;
  for (int id = 1; id <= 2; ++id) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      game(id);
      std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    children.push_back(child);
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a game process failed";
  }
  expectEveryRoundKept(folder_, 2, kRounds);
}

// The seam.

[[noreturn]] void stopReplay(platform::replay::StopReason, const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::_Exit(5);
}

TEST_F(ScoreFolder, OnlyAProgramThatAsksKeepsScores) {
  const std::string file = roundFile(1);
  EXPECT_FALSE(keepRound({9, {{1, 9}}, 500}, file).known);
  EXPECT_FALSE(fs::exists(folder_)) << "tests and the headless driver never ask: no folder is made";
  EXPECT_TRUE(fs::exists(file));
  std::string reason;
  EXPECT_EQ(bestRoundFile(reason), "");
  EXPECT_EQ(reason, "no round is kept in " + folder_.string());
}

TEST_F(ScoreFolder, AReplayKeepsNothingAndAnswersAsTheRecordingDid) {
  keepScores("dream-arena test");
  keepRound({12, {}, 100}, "");
  const std::string path = (dir_ / "session.replay").string();
  std::string error;
  platform::fake::setTickCount(1000);
  ASSERT_TRUE(platform::replay::startRecording(path, "dream-arena test", error)) << error;
  const TablePlace recorded = keepRound({7, {{3, 7}}, 100}, roundFile(1));
  platform::replay::endPass([] { return std::uint64_t(0); }, [] { return std::uint64_t(0); });
  platform::replay::stopRecording();
  EXPECT_TRUE(recorded.known);
  EXPECT_EQ(recorded.place, 2u);
  EXPECT_EQ(recorded.bestScore, 12u);
  const std::string table = fileText(folder_ / "scores.txt");
  const std::set<std::string> files = keptFiles(folder_);
  ASSERT_EQ(files.size(), 1u);

  ASSERT_TRUE(platform::replay::startReplay(path, false, stopReplay, error)) << error;
  const std::string file = roundFile(2);
  const TablePlace replayed = keepRound({50, {{3, 50}}, 100}, file);
  platform::replay::endPass([] { return std::uint64_t(0); }, [] { return std::uint64_t(0); });
  std::string left;
  EXPECT_TRUE(platform::replay::finishReplay(left)) << left;
  EXPECT_TRUE(replayed.known);
  EXPECT_EQ(replayed.place, recorded.place) << "the file's answer, not the live table's";
  EXPECT_EQ(replayed.bestScore, recorded.bestScore);
  EXPECT_EQ(fileText(folder_ / "scores.txt"), table) << "a replay writes nothing";
  EXPECT_EQ(keptFiles(folder_), files);
  EXPECT_TRUE(fs::exists(file)) << "a replay keeps and deletes no file";
}

}  // namespace
