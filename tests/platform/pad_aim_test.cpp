// The pad's aim at the latch: nothing is aimed before the game tells the player's centre,
// then the cursor is the aim point and follows the centre while the stick is out; a stick at
// rest keeps the last point; the mouse takes aiming back until the stick moves again; the
// last device used follows keys, mouse and pad.
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"
#include "platform/pad_aim.h"

namespace {

using namespace platform;

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

}  // namespace
