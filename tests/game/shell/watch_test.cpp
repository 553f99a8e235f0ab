// Watching a kept round through the real game on the headless window: a round whose frames
// this version draws otherwise (its sleeping figure repainted) says so in one line, once, and
// plays on to the file's end with status 0, as an unchanged one does without a word. Each
// watch runs in a process of its own (the watch ends its process).
#include <gtest/gtest.h>
#include <fcntl.h>
#include <png.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "game/shell/watch.h"
#include "platform/replay/replay_reader.h"
#include "platform/seam/input_feed.h"
#include "tests/game/assets/sound_files.h"

namespace {

namespace fs = std::filesystem;

std::size_t lineCount(const fs::path& path) {
  std::ifstream in(path);
  std::size_t lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

// A working folder: the round's monster table and the staged resources, the sleeping
// figure's four pictures repainted at their own size when redrawn.
fs::path workFolder(const fs::path& stage, const fs::path& table, bool redrawn) {
  const fs::path work = fs::temp_directory_path() / ("watch_test_" + std::to_string(::getpid()) + (redrawn ? "_redrawn" : ""));
  fs::remove_all(work);
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(stage / "resources")) {
    if (!entry.is_regular_file()) continue;
    const fs::path to = work / fs::relative(entry.path(), stage);
    fs::create_directories(to.parent_path());
    const std::string name = entry.path().filename().string();
    if (redrawn && name.rfind("sleep", 0) == 0) {
      png_image png{};
      png.version = PNG_IMAGE_VERSION;
      EXPECT_TRUE(png_image_begin_read_from_file(&png, entry.path().c_str())) << entry.path();
      png_image_free(&png);
      png.format = PNG_FORMAT_BGRA;
      const std::vector<std::uint32_t> words(std::size_t(png.width) * png.height, 0xff8040c0u);
      EXPECT_TRUE(png_image_write_to_file(&png, to.c_str(), 0, words.data(), 0, nullptr)) << to;
    } else {
      fs::create_symlink(entry.path(), to);
    }
  }
  fs::copy_file(table, work / "monsterData.txt");
  return work;
}

TEST(Watch, AFrameDrawnOtherwiseIsSaidOnceAndTheWatchPlaysToTheEnd) {
  const char* stage = std::getenv("DA_STAGE_DIR");
  const char* source = std::getenv("DA_SOURCE_DIR");
  if (!stage || !source || !fs::exists(fs::path(stage) / "resources/.generated"))
    GTEST_SKIP() << "no staged resources (DA_STAGE_DIR) or source folder (DA_SOURCE_DIR)";
  // The first round of dream-sim --seed 1 --ticks 1100 --rounds: 668 passes, a frame digest at 512.
  const fs::path session = fs::path(source) / "tests/web/session";
  platform::ReplayReader reader;
  ASSERT_TRUE(reader.open((session / "session.replay").string())) << reader.error();
  const std::size_t passes = reader.passCount();

  const std::regex said("watch: the frames differ from the recording's from pass [0-9]+ on \\(drawn by this "
                        "version\\); the round plays as recorded\n");
  for (const bool redrawn : {false, true}) {
    SCOPED_TRACE(redrawn ? "the sleeping figure repainted" : "the staged pictures");
    const fs::path work = workFolder(stage, session / "monsterData.txt", redrawn);
    // A process of its own: the whole game runs, and the watch ends it.
    const int status = test_sound::runHelperTest(
        "DISABLED_WatchChild.WatchTheRound",
        {"DA_CHILD_DIR=" + work.string(), "DA_CHILD_REPLAY=" + (session / "session.replay").string(),
         "DA_CHILD_VERSION=" + reader.gameVersion(), "DREAM_ARENA_WATCH_DIGESTS=" + (work / "digests.txt").string(),
         "ALSOFT_DRIVERS=null"},
        (work / "stdout.txt").string());
    const std::string err = test_sound::fileText((work / "stderr.txt").string());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the watch ends with status " << (WIFEXITED(status) ? WEXITSTATUS(status) : -1) << ": " << err;
    if (redrawn) {
      EXPECT_TRUE(std::regex_match(err, said)) << "a differing frame is one line, once: " << err;
    } else {
      EXPECT_EQ(err, "") << "the same frames say nothing";
    }
    EXPECT_EQ(lineCount(work / "digests.txt"), passes) << "the watch plays every pass of the file";
    fs::remove_all(work);
  }
}

// Run only as a child by the test above.
TEST(DISABLED_WatchChild, WatchTheRound) {
  ASSERT_EQ(::chdir(std::getenv("DA_CHILD_DIR")), 0);
  const int err = ::open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ASSERT_TRUE(err >= 0 && ::dup2(err, 2) == 2);
  platform::recordWatchKey(platform::WatchKey::kFaster);  // four times real speed
  std::fflush(stdout);
  std::_Exit(watchRound(std::getenv("DA_CHILD_REPLAY"), std::getenv("DA_CHILD_VERSION")));
}

}  // namespace
