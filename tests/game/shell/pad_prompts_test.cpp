// The pause line for a pad: the defaults as a pad's face prints them, and a layout with the
// pause on the click's button, the sticks swapped to the D-pad and no eat button.
#include <gtest/gtest.h>

#include "game/shell/pad_prompts.h"

namespace {

using namespace platform;

// Not named Pad*: the game's tests leave those to the platform's pad run.
TEST(PauseLineForPad, NamesThePadsInputs) {
  EXPECT_EQ(padPauseHintText(defaultPadBindings()),
            "Start or A: play on - walk L stick, aim R stick, fire RT, run LT, strike A, dash B, eat X");
  PadBindings pad = defaultPadBindings();
  std::string unknown;
  ASSERT_TRUE(parsePadNames("a", pad.inputs[int(Action::Pause)], unknown));
  pad.inputs[int(Action::Eat)].clear();
  pad.walkStick = PadStick::Neither;
  pad.aimStick = PadStick::Neither;
  EXPECT_EQ(padPauseHintText(pad),
            "A: play on - walk D-pad up D-pad left D-pad down D-pad right, fire RT, run LT, strike A, dash B");
  pad = PadBindings{};
  pad.walkStick = pad.aimStick = PadStick::Neither;
  EXPECT_EQ(padPauseHintText(pad), "A key or a click: play on");
}

}  // namespace
