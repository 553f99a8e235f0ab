// The polled input: a key counts as pressed when it is down now or was pressed since the
// previous query of that key; the cursor is kept in client coordinates.
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"
#include "platform/seam/input_feed.h"

namespace {

class InputLatch : public ::testing::Test {
 protected:
  void SetUp() override { platform::fake::releaseAll(); }
};

TEST_F(InputLatch, PressAndReleaseBetweenTwoPollsReadsAsPressedOnce) {
  platform::recordKey('W', true);
  platform::recordKey('W', false);
  EXPECT_TRUE(platform::keyPressed('W'));
  EXPECT_FALSE(platform::keyPressed('W'));
}

TEST_F(InputLatch, HeldKeyReadsAsPressedOnEveryPoll) {
  platform::fake::holdKey(platform::kVkLeft);
  for (int poll = 0; poll < 3; ++poll) EXPECT_TRUE(platform::keyPressed(platform::kVkLeft)) << "poll " << poll;
  platform::fake::releaseKey(platform::kVkLeft);
  EXPECT_FALSE(platform::keyPressed(platform::kVkLeft)) << "the press was already seen by an earlier poll";
}

TEST_F(InputLatch, PressNotYetPolledSurvivesTheRelease) {
  platform::fake::holdKey('E');
  EXPECT_TRUE(platform::keyPressed('E'));
  platform::fake::releaseKey('E');
  platform::fake::holdKey('E');
  platform::fake::releaseKey('E');
  EXPECT_TRUE(platform::keyPressed('E')) << "a second press between two polls";
  EXPECT_FALSE(platform::keyPressed('E'));
}

TEST_F(InputLatch, QueryClearsOnlyTheKeyAsked) {
  platform::recordKey(platform::kVkLButton, true);
  platform::recordKey(platform::kVkLButton, false);
  platform::recordKey(platform::kVkReturn, true);
  platform::recordKey(platform::kVkReturn, false);
  EXPECT_TRUE(platform::keyPressed(platform::kVkLButton));
  EXPECT_TRUE(platform::keyPressed(platform::kVkReturn));
  EXPECT_FALSE(platform::keyPressed(platform::kVkLButton));
  EXPECT_FALSE(platform::keyPressed(platform::kVkReturn));
}

TEST_F(InputLatch, UntouchedAndInvalidKeysAreNotPressed) {
  EXPECT_FALSE(platform::keyPressed('Q'));
  platform::recordKey(-1, true);
  platform::recordKey(platform::kVirtualKeyCount, true);
  EXPECT_FALSE(platform::keyPressed(-1));
  EXPECT_FALSE(platform::keyPressed(platform::kVirtualKeyCount));
}

TEST_F(InputLatch, ReleaseAllClearsLatchesAndHeldKeys) {
  platform::fake::holdKey('A');
  platform::recordKey('D', true);
  platform::recordKey('D', false);
  platform::fake::releaseAll();
  EXPECT_FALSE(platform::keyPressed('A'));
  EXPECT_FALSE(platform::keyPressed('D'));
}

TEST_F(InputLatch, DownNowReadLeavesThePressForTheNextQuery) {
  platform::recordKey('D', true);
  platform::recordKey('D', false);
  EXPECT_FALSE(platform::keyDown('D')) << "a tap already over is not down now";
  EXPECT_TRUE(platform::keyPressed('D')) << "the tap is still there for the rules";
  platform::fake::holdKey('H');
  EXPECT_TRUE(platform::keyDown('H'));
  EXPECT_TRUE(platform::keyDown('H'));
  EXPECT_FALSE(platform::keyDown(-1));
}

TEST_F(InputLatch, ForgottenKeyCountsAgainOnlyAfterReleaseAndANewPress) {
  platform::recordKey(platform::kVkReturn, true);
  platform::recordKey(platform::kVkReturn, false);
  platform::forgetPresses(platform::kVkReturn);
  EXPECT_FALSE(platform::keyPressed(platform::kVkReturn)) << "the tap made before is forgotten";

  platform::fake::holdKey(platform::kVkLButton);
  platform::forgetPresses(platform::kVkLButton);
  platform::recordKey(platform::kVkLButton, true);  // auto-repeat of the same hold
  EXPECT_FALSE(platform::keyPressed(platform::kVkLButton)) << "held since before";
  EXPECT_FALSE(platform::keyDown(platform::kVkLButton)) << "held since before";
  platform::fake::releaseKey(platform::kVkLButton);
  EXPECT_FALSE(platform::keyPressed(platform::kVkLButton)) << "the release alone is no press";
  platform::recordKey(platform::kVkLButton, true);
  platform::recordKey(platform::kVkLButton, false);
  EXPECT_TRUE(platform::keyPressed(platform::kVkLButton)) << "pressed anew, even between two polls";

  platform::forgetPresses('Q');
  platform::fake::holdKey('Q');
  EXPECT_TRUE(platform::keyPressed('Q')) << "a key up when forgotten counts at its next press";
}

TEST_F(InputLatch, CursorIsKeptAsRecordedEvenOutsideTheWindow) {
  int x = 1, y = 1;
  platform::cursorInClient(x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  platform::fake::placeCursor(1700, -20);
  platform::cursorInClient(x, y);
  EXPECT_EQ(x, 1700);
  EXPECT_EQ(y, -20);
}

}  // namespace
