// Frame pacing on the fake platform: paced to a 60 Hz display, a round composes one frame per
// refresh while its world updates keep the rhythm of the uncapped game, and a paced
// recording replays with the same passes composed.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "game/shell/screens.h"
#include "game/shell/startup.h"
#include "game/shell/world_digest.h"
#include "platform/base/random.h"
#include "platform/seam/frame_pacing.h"
#include "platform/seam/input.h"
#include "platform/replay/session.h"
#include "platform/settings_file.h"
#include "tests/helpers/monster_world.h"

using namespace monster_test;
namespace fake = platform::fake;

namespace {

void useSettings(const std::string& text) {
  const std::string path = ::testing::TempDir() + "pacing_settings.ini";
  std::ofstream(path) << text;
  platform::loadSettings(path, false);
  std::remove(path.c_str());
}

struct RoundRun {
  std::vector<std::uint64_t> worlds;  // the world after every update
  std::uint64_t frames = 0;           // passes that composed a frame
};

// 3 s of a round at one pass per millisecond, walking and firing; the world kept at every
// update.
RoundRun playRound() {
  clearGameState();
  clearDrawingCounters();
  standardKinds();
  fake::setTickCount(kStart);
  platform::randomSeed(5);
  resetRound();
  RoundRun run;
  RoundTimer timer;
  const std::uint64_t framesBefore = platform::passesComposed();
  for (int p = 0; p < 3000; ++p) {
    fake::releaseAll();
    fake::placeCursor(900, 400);
    fake::holdKey((p / 400) % 2 ? 'A' : 'D');
    if (p % 300 < 20) fake::holdKey(platform::kVkLButton);
    const std::uint64_t updated = timer.lastUpdateTick;
    playingPass(timer);
    if (timer.lastUpdateTick != updated) run.worlds.push_back(worldDigest());
    fake::advanceTicks(1);
  }
  run.frames = platform::passesComposed() - framesBefore;
  return run;
}

[[noreturn]] void failReplay(platform::replay::StopReason, const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::_Exit(5);
}

class FramePacing : public MonsterWorld {
 protected:
  void TearDown() override {
    useSettings("");
    MonsterWorld::TearDown();
  }
};

TEST_F(FramePacing, APacedRoundShowsOneFramePerRefreshAndUpdatesItsWorldAsUncapped) {
  platform::setDisplayRefresh(60);
  useSettings("");
  const RoundRun uncapped = playRound();
  useSettings("frame_pacing = display\n");
  const RoundRun paced = playRound();
  EXPECT_EQ(uncapped.frames, 3000u) << "uncapped, every pass shows a frame";
  EXPECT_GE(paced.frames, 179u) << "60 frames a second for 3 s";
  EXPECT_LE(paced.frames, 181u);
  ASSERT_EQ(paced.worlds.size(), uncapped.worlds.size()) << "the updates keep their rhythm";
  EXPECT_EQ(paced.worlds, uncapped.worlds) << "and the world does not slow or change";

  platform::setDisplayRefresh(0);
  EXPECT_EQ(platform::displayRefresh(), 60) << "a display that gives no rate counts as 60 Hz";
  platform::setDisplayRefresh(144);
  EXPECT_NEAR(double(playRound().frames), 432.0, 2.0);
  platform::setDisplayRefresh(60);
}

TEST_F(FramePacing, APacedRecordingReplaysUncappedWithTheSameFramesComposed) {
  platform::setDisplayRefresh(60);
  useSettings("frame_pacing = display\n");
  const std::string path = ::testing::TempDir() + "paced.replay";
  std::string error;
  ASSERT_TRUE(platform::replay::startRecording(path, "dream-arena test", error)) << error;
  const RoundRun recorded = playRound();
  platform::replay::stopRecording();

  useSettings("");
  ASSERT_TRUE(platform::replay::startReplay(path, true, failReplay, error)) << error;
  const RoundRun replayed = playRound();
  EXPECT_TRUE(platform::replay::finishReplay(error)) << error;
  EXPECT_EQ(replayed.frames, recorded.frames) << "which passes compose is the file's answer";
  EXPECT_EQ(replayed.worlds, recorded.worlds);
  std::remove(path.c_str());
}

}  // namespace
