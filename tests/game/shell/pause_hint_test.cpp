// The pause screen's line: how to play on with the pause keys bound, and the keys of a
// round's actions as a layout names them.
#include <gtest/gtest.h>

#include <string>

#include "game/shell/pause_hint.h"

namespace {

using platform::Action;

std::string usName(platform::KeyCode key) { return platform::keyCodeName(key); }

// A French layout's printed names for the keys in W A Q places and the rest as on a US one.
std::string frenchName(platform::KeyCode key) {
  switch (key) {
    case platform::kKeyW: return "Z";
    case platform::kKeyA: return "Q";
    case platform::kKey1: return "&";
    case platform::kKey2: return "\xc3\xa9";  // é
    default: return platform::keyCodeName(key);
  }
}

TEST(PauseHint, NamesThePauseKeysAndEachActionsFirstKeyAsTheLayoutPrintsThem) {
  const platform::Bindings defaults = platform::defaultBindings();
  EXPECT_EQ(pauseHintText(defaults, usName),
            "Escape or P, or a click: play on - walk W A S D, run H, strike J, dash K, eat E");
  EXPECT_EQ(pauseHintText(defaults, frenchName),
            "Escape or P, or a click: play on - walk Z Q S D, run H, strike J, dash K, eat E");

  platform::Bindings rebound = defaults;
  rebound.keys[int(Action::Pause)] = {platform::kKeySpace, platform::kKeyEscape, platform::kKeyPause};
  rebound.keys[int(Action::Strike)] = {platform::kKey2, platform::kKeyJ};
  rebound.keys[int(Action::Dash)] = {};
  rebound.keys[int(Action::Fire)] = {platform::kKeyLeftShift};
  rebound.keys[int(Action::WalkLeft)] = {platform::kKeyLeft, platform::kKeyA};
  EXPECT_EQ(pauseHintText(rebound, frenchName),
            "Space, Escape or Pause, or a click: play on - walk Z Left S D, run H, strike \xc3\xa9, eat E, fire Left Shift");

  platform::Bindings bare;
  EXPECT_EQ(pauseHintText(bare, usName), "A click: play on") << "nothing bound: only the click is left";
}

}  // namespace
