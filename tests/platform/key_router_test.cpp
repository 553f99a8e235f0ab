// Keys by their place: the default bindings feed the virtual keys the rules read, a virtual
// key stays down while any key or button feeding it is held, arrows walking their own way
// stay arrows, bound fire keys add to the left mouse button, and rebinding moves an action.
#include <SDL_keyboard.h>
#include <gtest/gtest.h>

#include "platform/fake/fake_platform.h"
#include "platform/seam/input.h"
#include "platform/key_router.h"

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
    SDL_Scancode key;
    int virtualKey;
  } cases[] = {{SDL_SCANCODE_W, 'W'},   {SDL_SCANCODE_A, 'A'},         {SDL_SCANCODE_S, 'S'},
               {SDL_SCANCODE_D, 'D'},   {SDL_SCANCODE_UP, platform::kVkUp}, {SDL_SCANCODE_LEFT, platform::kVkLeft},
               {SDL_SCANCODE_DOWN, platform::kVkDown}, {SDL_SCANCODE_RIGHT, platform::kVkRight},
               {SDL_SCANCODE_H, 'H'},   {SDL_SCANCODE_3, '3'},         {SDL_SCANCODE_J, 'J'},
               {SDL_SCANCODE_1, 'J'},   {SDL_SCANCODE_K, 'K'},         {SDL_SCANCODE_2, 'K'},
               {SDL_SCANCODE_E, 'E'},   {SDL_SCANCODE_ESCAPE, platform::kVkPause}, {SDL_SCANCODE_P, platform::kVkPause},
               {SDL_SCANCODE_RETURN, platform::kVkReturn}, {SDL_SCANCODE_KP_ENTER, platform::kVkReturn}};
  platform::KeyRouter router = platform::makeKeyRouter(platform::defaultBindings());
  for (const auto& c : cases) {
    routeKey(router, c.key, true);
    EXPECT_TRUE(keyDown(c.virtualKey)) << SDL_GetScancodeName(c.key) << " should hold virtual key " << c.virtualKey;
    routeKey(router, c.key, false);
    EXPECT_FALSE(keyDown(c.virtualKey)) << SDL_GetScancodeName(c.key) << " released";
  }
  // The US places of AZERTY's Z and Q, and the fixed keys, feed nothing.
  for (SDL_Scancode key : {SDL_SCANCODE_Z, SDL_SCANCODE_Q, SDL_SCANCODE_M, SDL_SCANCODE_F11}) {
    routeKey(router, key, true);
    for (int virtualKey = 0; virtualKey < platform::kVirtualKeyCount; ++virtualKey)
      EXPECT_FALSE(keyDown(virtualKey)) << SDL_GetScancodeName(key) << " fed virtual key " << virtualKey;
  }
}

TEST_F(KeyRouting, AVirtualKeyStaysDownWhileAnyOfItsKeysIsHeld) {
  platform::KeyRouter router = platform::makeKeyRouter(platform::defaultBindings());
  routeKey(router, SDL_SCANCODE_J, true);
  routeKey(router, SDL_SCANCODE_1, true);
  routeKey(router, SDL_SCANCODE_J, true);  // auto-repeat
  routeKey(router, SDL_SCANCODE_J, false);
  EXPECT_TRUE(keyDown('J')) << "1 still holds strike";
  routeKey(router, SDL_SCANCODE_1, false);
  EXPECT_FALSE(keyDown('J'));
  routeKey(router, SDL_SCANCODE_1, false);  // a stray release
  routeKey(router, SDL_SCANCODE_J, true);
  EXPECT_TRUE(keyDown('J')) << "a stray release must not leave the count below zero";
}

TEST_F(KeyRouting, OnlyAnArrowWalkingItsOwnWayFeedsTheArrow) {
  platform::Bindings bindings = rebound(Action::WalkUp, {SDL_SCANCODE_UP, SDL_SCANCODE_DOWN, SDL_SCANCODE_I});
  bindings.keys[int(Action::WalkDown)] = {SDL_SCANCODE_S};
  platform::KeyRouter router = platform::makeKeyRouter(bindings);
  routeKey(router, SDL_SCANCODE_UP, true);
  EXPECT_TRUE(keyDown(platform::kVkUp));
  EXPECT_FALSE(keyDown('W'));
  routeKey(router, SDL_SCANCODE_UP, false);
  for (SDL_Scancode key : {SDL_SCANCODE_DOWN, SDL_SCANCODE_I}) {
    routeKey(router, key, true);
    EXPECT_TRUE(keyDown('W')) << SDL_GetScancodeName(key) << " walks up as W does";
    EXPECT_FALSE(keyDown(platform::kVkDown) || keyDown(platform::kVkUp)) << SDL_GetScancodeName(key);
    routeKey(router, key, false);
  }
}

TEST_F(KeyRouting, FireKeysAddToTheLeftButton) {
  platform::KeyRouter plain = platform::makeKeyRouter(platform::defaultBindings());
  routeButton(plain, platform::kVkLButton, true);
  EXPECT_TRUE(keyDown(platform::kVkLButton)) << "the left button fires with fire unbound";
  routeButton(plain, platform::kVkLButton, false);

  platform::KeyRouter router = platform::makeKeyRouter(rebound(Action::Fire, {SDL_SCANCODE_F}));
  routeKey(router, SDL_SCANCODE_F, true);
  EXPECT_TRUE(keyDown(platform::kVkLButton));
  routeButton(router, platform::kVkLButton, true);
  routeKey(router, SDL_SCANCODE_F, false);
  EXPECT_TRUE(keyDown(platform::kVkLButton)) << "the button still fires";
  routeButton(router, platform::kVkLButton, false);
  EXPECT_FALSE(keyDown(platform::kVkLButton));
  routeButton(router, platform::kVkRButton, true);
  EXPECT_TRUE(keyDown(platform::kVkRButton));
}

TEST_F(KeyRouting, ReboundActionsMoveAndFixedKeysStayFixed) {
  platform::KeyRouter router = platform::makeKeyRouter(rebound(Action::Strike, {SDL_SCANCODE_L, SDL_SCANCODE_M}));
  routeKey(router, SDL_SCANCODE_J, true);
  EXPECT_FALSE(keyDown('J')) << "J no longer strikes";
  routeKey(router, SDL_SCANCODE_M, true);
  EXPECT_FALSE(keyDown('J')) << "M is the mute key whatever the bindings say";
  routeKey(router, SDL_SCANCODE_L, true);
  EXPECT_TRUE(keyDown('J'));
}

TEST(KeyNames, ReadSpacedNamesWholeInAnyCaseAndNameTheUnknown) {
  platform::KeyList keys;
  std::string unknown;
  ASSERT_TRUE(platform::parseKeyNames("  w Left Shift  up Keypad 1 W", keys, unknown));
  const platform::KeyList expected = {SDL_SCANCODE_W, SDL_SCANCODE_LSHIFT, SDL_SCANCODE_UP, SDL_SCANCODE_KP_1};
  EXPECT_EQ(keys, expected);
  EXPECT_EQ(platform::keyNames(keys), "W Left Shift Up Keypad 1");
  EXPECT_FALSE(platform::parseKeyNames("W Foo Up", keys, unknown));
  EXPECT_EQ(unknown, "Foo");
  ASSERT_TRUE(platform::parseKeyNames("", keys, unknown));
  EXPECT_TRUE(keys.empty());
}

}  // namespace
