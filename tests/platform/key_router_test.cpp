// Keys by their place: the default bindings feed the virtual keys the rules read, a virtual
// key stays down while any key or button feeding it is held, arrows walking their own way
// stay arrows, bound fire keys add to the left mouse button, and rebinding moves an action.
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"
#include "platform/controls/key_router.h"

namespace {

using platform::Action;
using platform::keyDown;
using platform::routeButton;
using platform::routeKey;

class KeyRouting : public ::testing::Test {
 protected:
  void SetUp() override { platform::fake::releaseAll(); }

  // Bindings with one action's keys replaced.
  static platform::Bindings rebound(Action action, platform::KeyList keys) {
    platform::Bindings bindings = platform::defaultBindings();
    bindings.keys[int(action)] = keys;
    return bindings;
  }
};

TEST_F(KeyRouting, DefaultsGoByUsPlaces) {
  const struct {
    platform::KeyCode key;
    int virtualKey;
  } cases[] = {{platform::kKeyW, 'W'},   {platform::kKeyA, 'A'},         {platform::kKeyS, 'S'},
               {platform::kKeyD, 'D'},   {platform::kKeyUp, platform::kVkUp}, {platform::kKeyLeft, platform::kVkLeft},
               {platform::kKeyDown, platform::kVkDown}, {platform::kKeyRight, platform::kVkRight},
               {platform::kKeyH, 'H'},   {platform::kKey3, '3'},         {platform::kKeyJ, 'J'},
               {platform::kKey1, 'J'},   {platform::kKeyK, 'K'},         {platform::kKey2, 'K'},
               {platform::kKeyE, 'E'},   {platform::kKeyEscape, platform::kVkPause}, {platform::kKeyP, platform::kVkPause},
               {platform::kKeyReturn, platform::kVkReturn}, {platform::kKeyPadEnter, platform::kVkReturn}};
  platform::KeyRouter router = platform::makeKeyRouter(platform::defaultBindings());
  for (const auto& c : cases) {
    routeKey(router, c.key, true);
    EXPECT_TRUE(keyDown(c.virtualKey)) << platform::keyCodeName(c.key) << " should hold virtual key " << c.virtualKey;
    routeKey(router, c.key, false);
    EXPECT_FALSE(keyDown(c.virtualKey)) << platform::keyCodeName(c.key) << " released";
  }
  // The US places of AZERTY's Z and Q, and the fixed keys, feed nothing.
  for (platform::KeyCode key : {platform::kKeyZ, platform::kKeyQ, platform::kKeyM, platform::kKeyF11}) {
    routeKey(router, key, true);
    for (int virtualKey = 0; virtualKey < platform::kVirtualKeyCount; ++virtualKey)
      EXPECT_FALSE(keyDown(virtualKey)) << platform::keyCodeName(key) << " fed virtual key " << virtualKey;
  }
}

TEST_F(KeyRouting, AVirtualKeyStaysDownWhileAnyOfItsKeysIsHeld) {
  platform::KeyRouter router = platform::makeKeyRouter(platform::defaultBindings());
  routeKey(router, platform::kKeyJ, true);
  routeKey(router, platform::kKey1, true);
  routeKey(router, platform::kKeyJ, true);  // auto-repeat
  routeKey(router, platform::kKeyJ, false);
  EXPECT_TRUE(keyDown('J')) << "1 still holds strike";
  routeKey(router, platform::kKey1, false);
  EXPECT_FALSE(keyDown('J'));
  routeKey(router, platform::kKey1, false);  // a stray release
  routeKey(router, platform::kKeyJ, true);
  EXPECT_TRUE(keyDown('J')) << "a stray release must not leave the count below zero";
}

TEST_F(KeyRouting, OnlyAnArrowWalkingItsOwnWayFeedsTheArrow) {
  platform::Bindings bindings = rebound(Action::WalkUp, {platform::kKeyUp, platform::kKeyDown, platform::kKeyI});
  bindings.keys[int(Action::WalkDown)] = {platform::kKeyS};
  platform::KeyRouter router = platform::makeKeyRouter(bindings);
  routeKey(router, platform::kKeyUp, true);
  EXPECT_TRUE(keyDown(platform::kVkUp));
  EXPECT_FALSE(keyDown('W'));
  routeKey(router, platform::kKeyUp, false);
  for (platform::KeyCode key : {platform::kKeyDown, platform::kKeyI}) {
    routeKey(router, key, true);
    EXPECT_TRUE(keyDown('W')) << platform::keyCodeName(key) << " walks up as W does";
    EXPECT_FALSE(keyDown(platform::kVkDown) || keyDown(platform::kVkUp)) << platform::keyCodeName(key);
    routeKey(router, key, false);
  }
}

TEST_F(KeyRouting, FireKeysAddToTheLeftButton) {
  platform::KeyRouter plain = platform::makeKeyRouter(platform::defaultBindings());
  routeButton(plain, platform::kVkLButton, true);
  EXPECT_TRUE(keyDown(platform::kVkLButton)) << "the left button fires with fire unbound";
  routeButton(plain, platform::kVkLButton, false);

  platform::KeyRouter router = platform::makeKeyRouter(rebound(Action::Fire, {platform::kKeyF}));
  routeKey(router, platform::kKeyF, true);
  EXPECT_TRUE(keyDown(platform::kVkLButton));
  routeButton(router, platform::kVkLButton, true);
  routeKey(router, platform::kKeyF, false);
  EXPECT_TRUE(keyDown(platform::kVkLButton)) << "the button still fires";
  routeButton(router, platform::kVkLButton, false);
  EXPECT_FALSE(keyDown(platform::kVkLButton));
  routeButton(router, platform::kVkRButton, true);
  EXPECT_TRUE(keyDown(platform::kVkRButton));
}

TEST_F(KeyRouting, ReboundActionsMoveAndFixedKeysStayFixed) {
  platform::KeyRouter router = platform::makeKeyRouter(rebound(Action::Strike, {platform::kKeyL, platform::kKeyM}));
  routeKey(router, platform::kKeyJ, true);
  EXPECT_FALSE(keyDown('J')) << "J no longer strikes";
  routeKey(router, platform::kKeyM, true);
  EXPECT_FALSE(keyDown('J')) << "M is the mute key whatever the bindings say";
  routeKey(router, platform::kKeyL, true);
  EXPECT_TRUE(keyDown('J'));
}

TEST(KeyNames, ReadSpacedNamesWholeInAnyCaseAndNameTheUnknown) {
  platform::KeyList keys;
  std::string unknown;
  ASSERT_TRUE(platform::parseKeyNames("  w Left Shift  up Keypad 1 W", keys, unknown));
  const platform::KeyList expected = {platform::kKeyW, platform::kKeyLeftShift, platform::kKeyUp, platform::kKeyPad1};
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(platform::keyNames(keys), "W Left Shift Up Keypad 1");
  EXPECT_FALSE(platform::parseKeyNames("W Foo Up", keys, unknown));
  EXPECT_EQ(unknown, "Foo");
  ASSERT_TRUE(platform::parseKeyNames("", keys, unknown));
  EXPECT_TRUE(keys.empty());
}

}  // namespace
