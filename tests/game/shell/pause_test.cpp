// The pause on the fake platform: one seed and one input script with and without a 5 s pause
// give the same world after every update, the click that resumes fires no shot, and the
// paused screen's line of bindings is the one the recording drew.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "game/render/frame.h"
#include "game/shell/pause.h"
#include "game/shell/screens.h"
#include "game/shell/startup.h"
#include "game/shell/world_digest.h"
#include "game/world/game_clock.h"
#include "platform/base/random.h"
#include "platform/seam/input.h"
#include "platform/settings_file.h"
#include "platform/replay/session.h"
#include "tests/helpers/monster_world.h"

using namespace monster_test;
namespace fake = platform::fake;

namespace {

// Steers a game from the end of each pass once the pause is asked (armed): 100 ms go by per
// pass, nothing is held, and after the chosen number of passes the resuming key is pressed.
struct PauseDriver {
  bool armed = false;
  int pausedPasses = 0;
  int resumeAfter = 50;
  int resumeKey = platform::kVkPause;
  bool letGo = true;  // release every key while paused
};
PauseDriver driver;

void steerPause() {
  if (!driver.armed) return;
  ++driver.pausedPasses;
  fake::advanceTicks(100);
  if (driver.pausedPasses == driver.resumeAfter) {
    fake::holdKey(driver.resumeKey);
    driver.armed = false;
  } else if (driver.letGo) {
    fake::releaseAll();
  }
}

// The input of round pass p: walking right and left in turns, firing now and then.
void holdScript(int p) {
  fake::releaseAll();
  fake::placeCursor(800, 300);
  fake::holdKey((p / 50) % 2 == 0 ? 'D' : 'A');
  if (p % 30 < 4) fake::holdKey(platform::kVkLButton);
}

// The world after every pass of a 400-pass round; with pauseAt >= 0 the pause key is pressed
// at that pass.
std::vector<std::uint64_t> playRound(int pauseAt) {
  clearGameState();
  clearDrawingCounters();
  standardKinds();
  fake::setTickCount(kStart);
  platform::randomSeed(99);
  resetRound();
  driver = PauseDriver{};
  platform::replay::setAfterPass(steerPause);
  RoundTimer timer;
  std::vector<std::uint64_t> digests;
  for (int p = 0; p < 400; ++p) {
    holdScript(p);
    fake::advanceTicks(11);
    playingPass(timer);
    if (p == pauseAt) {
      fake::holdKey(platform::kVkPause);
      driver.armed = true;
    }
    if (pauseAsked()) pauseUntilResumed();
    digests.push_back(worldDigest());
  }
  platform::replay::setAfterPass(nullptr);
  return digests;
}

class Pause : public MonsterWorld {};

TEST_F(Pause, AFiveSecondPauseLeavesEveryUpdateAfterItAsWithoutIt) {
  const std::vector<std::uint64_t> straight = playRound(-1);
  const std::vector<std::uint64_t> paused = playRound(150);
  EXPECT_EQ(driver.pausedPasses, 50) << "the paused screen and 49 rests before the key";
  EXPECT_GE(platform::tickCount() - kStart, 400u * 11 + 5000) << "the platform's time went on";
  EXPECT_EQ(platform::tickCount() - gameTickCount(), 5000u) << "the game's clock stood still for all of it";
  EXPECT_FALSE(gameClockStopped());
  ASSERT_EQ(paused.size(), straight.size());
  for (std::size_t p = 0; p < straight.size(); ++p)
    ASSERT_EQ(paused[p], straight[p]) << "the world differs after pass " << p << " of the round";
}

TEST_F(Pause, TheClickThatResumesFiresNoShotAndAHeldPauseKeyDoesNotPauseAgain) {
  platform::randomSeed(99);
  resetRound();
  player.x = 700;
  player.y = 300;
  RoundTimer timer;
  fake::advanceTicks(11);
  playingPass(timer);
  driver = PauseDriver{};
  driver.resumeAfter = 3;
  driver.resumeKey = platform::kVkLButton;
  driver.letGo = false;
  driver.armed = true;
  platform::replay::setAfterPass(steerPause);
  fake::holdKey(platform::kVkPause);
  ASSERT_TRUE(pauseAsked());
  pauseUntilResumed();
  platform::replay::setAfterPass(nullptr);
  EXPECT_EQ(driver.pausedPasses, 3);
  // The button that resumed is still held, and so is the pause key.
  for (int p = 0; p < 5; ++p) {
    fake::advanceTicks(11);
    playingPass(timer);
  }
  EXPECT_EQ(playerShots, nullptr) << "the resuming click is forgotten until released and pressed again";
  EXPECT_FALSE(pauseAsked()) << "a pause key held since the pause is no new press";
  fake::releaseKey(platform::kVkPause);
  fake::holdKey(platform::kVkPause);
  EXPECT_TRUE(pauseAsked()) << "pressed anew, it pauses";
}

TEST_F(Pause, APauseAskedBeforeARoundBeginsDoesNotPauseIt) {
  fake::holdKey(platform::kVkPause);
  fake::releaseKey(platform::kVkPause);
  fake::holdKey(platform::kVkFocusLost);
  fake::releaseKey(platform::kVkFocusLost);
  startPauseWatch();
  EXPECT_FALSE(pauseAsked()) << "Escape and a focus loss on the game-over screen are forgotten";
  fake::holdKey(platform::kVkPause);
  EXPECT_TRUE(pauseAsked()) << "a press in the round pauses it";
}

// This run's settings from a file holding text.
void useSettings(const std::string& text) {
  const std::string path = ::testing::TempDir() + "pause_settings.ini";
  std::ofstream(path) << text;
  platform::loadSettings(path, false);
  std::remove(path.c_str());
}

std::uint64_t pausedFrame = 0;

// Ten passes of a round, then a pause whose first rest keeps the paused screen's digest and
// resumes; returns that digest.
std::uint64_t pauseAndKeepItsFrame() {
  clearGameState();
  clearDrawingCounters();
  standardKinds();
  fake::setTickCount(kStart);
  platform::randomSeed(7);
  resetRound();
  RoundTimer timer;
  for (int p = 0; p < 10; ++p) {
    fake::advanceTicks(11);
    playingPass(timer);
  }
  pausedFrame = 0;
  // The first paused pass keeps its frame and lets go of the key; the next presses it anew.
  platform::replay::setAfterPass([] {
    if (pausedFrame == 0) {
      pausedFrame = frameDigest();
      fake::releaseKey(platform::kVkPause);
    } else {
      fake::holdKey(platform::kVkPause);
    }
  });
  fake::holdKey(platform::kVkPause);
  if (pauseAsked()) pauseUntilResumed();
  platform::replay::setAfterPass(nullptr);
  fake::releaseAll();
  return pausedFrame;
}

[[noreturn]] void failReplay(platform::replay::StopReason, const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::_Exit(5);
}

TEST_F(Pause, ThePausedScreenDrawsTheBindingsTheRecordingShowed) {
  useSettings("");
  const std::uint64_t defaults = pauseAndKeepItsFrame();
  useSettings("pause = Space\nstrike = L\n");
  const std::string path = ::testing::TempDir() + "pause_hint.replay";
  std::string error;
  ASSERT_TRUE(platform::replay::startRecording(path, "dream-arena test", error)) << error;
  const std::uint64_t recorded = pauseAndKeepItsFrame();
  platform::replay::stopRecording();
  EXPECT_NE(recorded, defaults) << "other keys bound, another line drawn";

  // Another player's settings replay it: the line comes from the file.
  useSettings("");
  ASSERT_TRUE(platform::replay::startReplay(path, true, failReplay, error)) << error;
  EXPECT_EQ(pauseAndKeepItsFrame(), recorded);
  EXPECT_TRUE(platform::replay::finishReplay(error)) << error;
  std::remove(path.c_str());
}

}  // namespace
