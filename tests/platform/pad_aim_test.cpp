// The pad's aim at the latch: nothing is aimed before the game tells the player's centre,
// then the cursor is the aim point and follows the centre while the stick is out; a stick at
// rest keeps the last point; the mouse takes aiming back until the stick moves again; the
// last device used follows keys, mouse and pad.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/seam/clock.h"
#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"
#include "platform/controls/pad_aim.h"
#include "platform/replay/replay_writer.h"
#include "platform/replay/session.h"

namespace {

using namespace platform;
namespace replay = platform::replay;

constexpr AimBox kField{0, 0, 1600, 760};

class PadAiming : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::releaseAll();
    resetPadAim();
    fake::placeCursor(5, 5);
  }
  void TearDown() override { resetPadAim(); }
  static std::pair<int, int> cursor() {
    int x = 0, y = 0;
    cursorInClient(x, y);
    return {x, y};
  }
  static bool aims(int& x, int& y) { return padAimRead(x, y); }
};

TEST_F(PadAiming, CursorFollowsTheStickFromTheCentre) {
  int x = 0, y = 0;
  recordAimTilt(1, 0, 25);
  EXPECT_FALSE(aims(x, y)) << "no centre told yet";
  EXPECT_EQ(cursor(), std::make_pair(5, 5));
  tellPlayerCentre(800, 380, kField);
  EXPECT_EQ(cursor(), std::make_pair(1100, 380));
  ASSERT_TRUE(aims(x, y));
  EXPECT_EQ(std::make_pair(x, y), std::make_pair(1100, 380));
  tellPlayerCentre(700, 400, kField);
  EXPECT_EQ(cursor(), std::make_pair(1000, 400)) << "the stick held out follows the player";
  recordAimTilt(0.1f, 0, 25);
  tellPlayerCentre(600, 400, kField);
  EXPECT_EQ(cursor(), std::make_pair(1000, 400)) << "the stick at rest keeps the last aim point";
  EXPECT_TRUE(aims(x, y));
}

TEST_F(PadAiming, MouseTakesAimingBackUntilTheStickMoves) {
  tellPlayerCentre(800, 380, kField);
  recordAimTilt(0, -1, 25);
  EXPECT_EQ(lastDeviceRead(), InputDevice::Pad);
  recordMouseUse();
  fake::placeCursor(10, 20);
  tellPlayerCentre(810, 380, kField);
  int x = 0, y = 0;
  EXPECT_FALSE(aims(x, y));
  EXPECT_EQ(cursor(), std::make_pair(10, 20)) << "the held stick does not take the cursor back";
  EXPECT_EQ(lastDeviceRead(), InputDevice::KeysAndMouse);
  recordAimTilt(0, -0.9f, 25);
  EXPECT_EQ(cursor(), std::make_pair(810, 80));
  EXPECT_TRUE(aims(x, y));
  recordDeviceUse(InputDevice::KeysAndMouse);
  EXPECT_EQ(lastDeviceRead(), InputDevice::KeysAndMouse) << "a key press speaks, aiming stays with the pad";
  EXPECT_TRUE(aims(x, y));
}

[[noreturn]] void stopped(replay::StopReason, const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  std::_Exit(5);
}

// A file from before the pads (the fourth format) answers as its game behaved: no pad aims
// and the keys and mouse spoke last, whatever a live pad does meanwhile.
TEST_F(PadAiming, AFileFromBeforeThePadsAnswersNoPadWhateverTheLivePadDoes) {
  tellPlayerCentre(800, 380, kField);
  recordAimTilt(1, 0, 25);
  int x = 0, y = 0;
  ASSERT_TRUE(aims(x, y)) << "the live pad aims";
  const std::string path = ::testing::TempDir() + "pad_aim_v4_" + std::to_string(::getpid()) + ".replay";
  ReplayWriter before;
  ASSERT_TRUE(before.open(path, "dream-arena before pads", 4)) << before.error();
  for (int pass = 0; pass < 2; ++pass) {
    before.clock(100 + pass);
    ASSERT_TRUE(before.endPass());
  }
  ASSERT_TRUE(before.close());
  std::string error;
  ASSERT_TRUE(replay::startReplay(path, true, stopped, error)) << error;
  for (int pass = 0; pass < 2; ++pass) {
    EXPECT_EQ(tickCount(), 100u + pass);
    x = y = 7;
    EXPECT_FALSE(aims(x, y)) << "pass " << pass;
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(0, 0)) << "no aim point either";
    EXPECT_EQ(lastDeviceRead(), InputDevice::KeysAndMouse);
    replay::endPass([] { return std::uint64_t(0); }, [] { return std::uint64_t(0); });
  }
  EXPECT_TRUE(replay::finishReplay(error)) << error;
  std::remove(path.c_str());
}

}  // namespace
