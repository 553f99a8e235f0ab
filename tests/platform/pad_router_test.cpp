// The pad's layout at the latch: each default button feeds the action's virtual key (A also
// the screens' click, Back Enter), triggers count above half travel, the walk stick holds the
// walking letters of its sector, a virtual key fed by two things stays down while either is
// held, rebinding moves a button, and an unplugged pad lets go of everything.
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"
#include "platform/controls/pad_router.h"

namespace {

using namespace platform;

class PadRouting : public ::testing::Test {
 protected:
  void SetUp() override { fake::releaseAll(); }
  KeyRouter router = makeKeyRouter(defaultBindings());
  PadBindings layout = defaultPadBindings();
  PadState pad;

  void press(int input, bool down) { routePadInput(router, layout, pad, input, down); }
  void tilt(PadAxis axis, int value) { routePadAxis(router, layout, pad, axis, value); }
  // The virtual keys down now, of those the layout may feed.
  std::string keysDown() {
    const struct {
      int key;
      const char* name;
    } watched[] = {{'W', "W"}, {'A', "A"}, {'S', "S"}, {'D', "D"}, {'H', "H"}, {'J', "J"}, {'K', "K"}, {'E', "E"},
                   {kVkLButton, "fire"}, {kVkRButton, "click"}, {kVkReturn, "Enter"}, {kVkPause, "pause"}};
    std::string down;
    for (const auto& w : watched)
      if (keyDown(w.key)) down += (down.empty() ? "" : " ") + std::string(w.name);
    return down;
  }
};

TEST_F(PadRouting, DefaultButtonsFeedTheActionsKeys) {
  const struct {
    int input;
    const char* want;
  } cases[] = {{kPadA, "J click"},      {kPadB, "K"},
               {kPadX, "E"},            {kPadStart, "pause"},
               {kPadBack, "Enter"},     {kPadDpadUp, "W"},
               {kPadDpadLeft, "A"},    {kPadDpadDown, "S"},
               {kPadDpadRight, "D"},   {kPadY, ""}};
  for (const auto& c : cases) {
    press(c.input, true);
    EXPECT_EQ(keysDown(), c.want) << "button " << c.input;
    press(c.input, false);
    EXPECT_EQ(keysDown(), "") << "button " << c.input << " let go";
  }
}

TEST_F(PadRouting, TriggersCountAboveHalfTravel) {
  tilt(kPadTriggerRight, 16000);
  EXPECT_EQ(keysDown(), "");
  tilt(kPadTriggerRight, 20000);
  tilt(kPadTriggerLeft, 32767);
  EXPECT_EQ(keysDown(), "H fire");
  tilt(kPadTriggerRight, 30000);  // still pressed: no second press
  tilt(kPadTriggerLeft, 100);
  EXPECT_EQ(keysDown(), "fire");
  tilt(kPadTriggerRight, 0);
  EXPECT_EQ(keysDown(), "");
}

TEST_F(PadRouting, WalkStickHoldsItsSectorsLetters) {
  tilt(kPadLeftX, 25000);
  tilt(kPadLeftY, -25000);
  EXPECT_EQ(keysDown(), "W D") << "up-right holds two walking keys";
  tilt(kPadLeftX, 0);
  EXPECT_EQ(keysDown(), "W");
  tilt(kPadLeftY, -5000);
  EXPECT_EQ(keysDown(), "") << "inside the dead zone";
  tilt(kPadRightX, 32767);
  EXPECT_EQ(keysDown(), "") << "the aim stick walks nowhere";
  EXPECT_TRUE(routePadAxis(router, layout, pad, kPadRightY, 100)) << "the aim stick is reported";
  float x = 0, y = 0;
  aimTilt(layout, pad, x, y);
  EXPECT_FLOAT_EQ(x, 1.0f);
}

TEST_F(PadRouting, KeyFedTwiceStaysDownWhileEitherIsHeld) {
  tilt(kPadLeftY, -30000);
  press(kPadDpadUp, true);
  routeKey(router, kKeyW, true);
  tilt(kPadLeftY, 0);
  press(kPadDpadUp, false);
  EXPECT_EQ(keysDown(), "W") << "the key W still holds it";
  routeKey(router, kKeyW, false);
  EXPECT_EQ(keysDown(), "");
}

TEST_F(PadRouting, UnpluggedPadLetsGoOfEverything) {
  press(kPadA, true);
  tilt(kPadLeftX, -30000);
  tilt(kPadTriggerRight, 32767);
  EXPECT_EQ(keysDown(), "A J fire click");
  releasePad(router, layout, pad);
  EXPECT_EQ(keysDown(), "");
  press(kPadA, true);
  EXPECT_EQ(keysDown(), "J click") << "plugged in again, it plays as before";
}

TEST_F(PadRouting, ReboundButtonFeedsItsNewAction) {
  std::string unknown;
  ASSERT_TRUE(parsePadNames("y rightshoulder", layout.inputs[int(Action::Strike)], unknown));
  layout.walkStick = PadStick::Right;
  layout.aimStick = PadStick::Left;
  press(kPadA, true);
  EXPECT_EQ(keysDown(), "click") << "A keeps only the click";
  press(kPadRightShoulder, true);
  EXPECT_EQ(keysDown(), "J click");
  press(kPadA, false);
  press(kPadRightShoulder, false);
  tilt(kPadRightY, 32767);
  tilt(kPadLeftY, -32767);
  EXPECT_EQ(keysDown(), "S") << "the right stick walks, the left one aims";
}

}  // namespace
