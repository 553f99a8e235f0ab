// The round files of a live game: recorded under a temporary name, renamed when the round
// ends; a data folder that cannot be used says so in one line, once, and the game goes on
// without them; temporary files of games that no longer run are removed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

#include "platform/seam/clock.h"
#include "platform/replay/replay_reader.h"
#include "platform/replay/session.h"
#include "game/files/round_files.h"

namespace {

namespace fs = std::filesystem;
namespace replay = platform::replay;

std::uint64_t zero() { return 0; }

fs::path freshFolder(const std::string& name) {
  const fs::path folder = fs::path(::testing::TempDir()) / ("round_files_" + name + "_" + std::to_string(::getpid()));
  fs::remove_all(folder);
  return folder;
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

void playPasses(int count) {
  for (int i = 0; i < count; ++i) {
    platform::tickCount();
    replay::endPass(zero, zero);
  }
}

TEST(RoundFiles, ARoundRunsUnderATemporaryNameAndEndsUnderADatedOne) {
  const fs::path folder = freshFolder("kept") / "dream-arena";
  fs::create_directories(folder.parent_path());
  // A temporary file left by a process that is gone, and one of a process that runs.
  fs::create_directories(folder);
  std::ofstream(folder / ".round-999999999.tmp").put('x');
  const std::string running = ".round-" + std::to_string(::getppid()) + ".tmp";
  std::ofstream(folder / running).put('x');

  recordRoundsInto(folder, "dream-arena test");
  EXPECT_EQ(namesIn(folder), std::vector<std::string>{running}) << "only the dead game's file is removed";
  beginRoundFile();
  playPasses(70);
  const std::string mine = ".round-" + std::to_string(::getpid()) + ".tmp";
  EXPECT_TRUE(fs::exists(folder / mine)) << "the round runs under a temporary name";
  const std::string path = finishRoundFile();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(fs::path(path).parent_path(), folder);
  EXPECT_TRUE(std::regex_match(fs::path(path).filename().string(),
                               std::regex(R"(round-\d{8}-\d{6}-)" + std::to_string(::getpid()) + R"(-\d+\.replay)")))
      << path;
  EXPECT_FALSE(fs::exists(folder / mine));
  platform::ReplayReader reader;
  ASSERT_TRUE(reader.open(path)) << reader.error();
  EXPECT_EQ(reader.passCount(), 70u);
  EXPECT_EQ(reader.gameVersion(), "dream-arena test");
  EXPECT_EQ(finishRoundFile(), "") << "no round runs";
  fs::remove_all(folder.parent_path());
}

TEST(RoundFiles, AFolderThatCannotBeMadeSaysSoOnceAndTheRoundsGoOn) {
  const fs::path base = freshFolder("blocked");
  fs::create_directories(base);
  std::ofstream(base / "dream-arena").put('x');  // a file where the folder should be
  ::testing::internal::CaptureStdout();
  recordRoundsInto(base / "dream-arena", "dream-arena test");
  for (int round = 0; round < 3; ++round) {
    beginRoundFile();
    playPasses(5);
    EXPECT_EQ(finishRoundFile(), "");
  }
  const std::string said = ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
  EXPECT_EQ(said.rfind("cannot record rounds in " + (base / "dream-arena").string() + ": ", 0), 0u) << said;
  EXPECT_NE(said.find("the game plays on without keeping them"), std::string::npos) << said;
  EXPECT_FALSE(replay::recordingRound());
  fs::remove_all(base);
}

}  // namespace
