// The pad's layout at the latch: each default button feeds the action's virtual key (A also
// the screens' click, Back Enter), triggers count above half travel, the walk stick holds the
// walking letters of its sector, a virtual key fed by two things stays down while either is
// held, rebinding moves a button, and an unplugged pad lets go of everything.
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"
#include "platform/pad_router.h"

namespace {

using namespace platform;

class PadRouting : public ::testing::Test {
 protected:
  void SetUp() override { fake::releaseAll(); }
  KeyRouter router = makeKeyRouter(defaultBindings());
  PadBindings layout = defaultPadBindings();
  PadState pad;

  void press(int input, bool down) { routePadInput(router, layout, pad, input, down); }
  void tilt(SDL_GameControllerAxis axis, int value) { routePadAxis(router, layout, pad, axis, value); }
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
  } cases[] = {{SDL_CONTROLLER_BUTTON_A, "J click"},      {SDL_CONTROLLER_BUTTON_B, "K"},
               {SDL_CONTROLLER_BUTTON_X, "E"},            {SDL_CONTROLLER_BUTTON_START, "pause"},
               {SDL_CONTROLLER_BUTTON_BACK, "Enter"},     {SDL_CONTROLLER_BUTTON_DPAD_UP, "W"},
               {SDL_CONTROLLER_BUTTON_DPAD_LEFT, "A"},    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, "S"},
               {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, "D"},   {SDL_CONTROLLER_BUTTON_Y, ""}};
  for (const auto& c : cases) {
    press(c.input, true);
    EXPECT_EQ(keysDown(), c.want) << "button " << c.input;
    press(c.input, false);
    EXPECT_EQ(keysDown(), "") << "button " << c.input << " let go";
  }
}

TEST_F(PadRouting, TriggersCountAboveHalfTravel) {
  tilt(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 16000);
  EXPECT_EQ(keysDown(), "");
  tilt(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 20000);
  tilt(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
  EXPECT_EQ(keysDown(), "H fire");
  tilt(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 30000);  // still pressed: no second press
  tilt(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 100);
  EXPECT_EQ(keysDown(), "fire");
  tilt(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0);
  EXPECT_EQ(keysDown(), "");
}

TEST_F(PadRouting, WalkStickHoldsItsSectorsLetters) {
  tilt(SDL_CONTROLLER_AXIS_LEFTX, 25000);
  tilt(SDL_CONTROLLER_AXIS_LEFTY, -25000);
  EXPECT_EQ(keysDown(), "W D") << "up-right holds two walking keys";
  tilt(SDL_CONTROLLER_AXIS_LEFTX, 0);
  EXPECT_EQ(keysDown(), "W");
  tilt(SDL_CONTROLLER_AXIS_LEFTY, -5000);
  EXPECT_EQ(keysDown(), "") << "inside the dead zone";
  tilt(SDL_CONTROLLER_AXIS_RIGHTX, 32767);
  EXPECT_EQ(keysDown(), "") << "the aim stick walks nowhere";
  EXPECT_TRUE(routePadAxis(router, layout, pad, SDL_CONTROLLER_AXIS_RIGHTY, 100)) << "the aim stick is reported";
  float x = 0, y = 0;
  aimTilt(layout, pad, x, y);
  EXPECT_FLOAT_EQ(x, 1.0f);
}

TEST_F(PadRouting, KeyFedTwiceStaysDownWhileEitherIsHeld) {
  tilt(SDL_CONTROLLER_AXIS_LEFTY, -30000);
  press(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
  routeKey(router, SDL_SCANCODE_W, true);
  tilt(SDL_CONTROLLER_AXIS_LEFTY, 0);
  press(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
  EXPECT_EQ(keysDown(), "W") << "the key W still holds it";
  routeKey(router, SDL_SCANCODE_W, false);
  EXPECT_EQ(keysDown(), "");
}

TEST_F(PadRouting, UnpluggedPadLetsGoOfEverything) {
  press(SDL_CONTROLLER_BUTTON_A, true);
  tilt(SDL_CONTROLLER_AXIS_LEFTX, -30000);
  tilt(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
  EXPECT_EQ(keysDown(), "A J fire click");
  releasePad(router, layout, pad);
  EXPECT_EQ(keysDown(), "");
  press(SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(keysDown(), "J click") << "plugged in again, it plays as before";
}

TEST_F(PadRouting, ReboundButtonFeedsItsNewAction) {
  std::string unknown;
  ASSERT_TRUE(parsePadNames("y rightshoulder", layout.inputs[int(Action::Strike)], unknown));
  layout.walkStick = PadStick::Right;
  layout.aimStick = PadStick::Left;
  press(SDL_CONTROLLER_BUTTON_A, true);
  EXPECT_EQ(keysDown(), "click") << "A keeps only the click";
  press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, true);
  EXPECT_EQ(keysDown(), "J click");
  press(SDL_CONTROLLER_BUTTON_A, false);
  press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, false);
  tilt(SDL_CONTROLLER_AXIS_RIGHTY, 32767);
  tilt(SDL_CONTROLLER_AXIS_LEFTY, -32767);
  EXPECT_EQ(keysDown(), "S") << "the right stick walks, the left one aims";
}

}  // namespace
