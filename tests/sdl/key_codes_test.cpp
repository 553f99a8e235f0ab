// The platform's own key and pad codes against SDL's, which the desktop backend translates
// by number: every code's name as SDL prints it, every name (in any case) read back to the
// code SDL reads it as, and the pad's buttons and axes by name.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/base/key_codes.h"
#include "platform/base/pad_codes.h"
#include "platform/controls/pad_bindings.h"
#include "platform/sdl/sdl_keys.h"

namespace {

std::string withCase(std::string text, bool upper) {
  for (char& c : text) {
    if (upper && c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    if (!upper && c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return text;
}

TEST(SdlCodes, EveryKeyCodeNamedAndReadAsSdlDoes) {
  int named = 0;
  for (int code = -1; code <= SDL_NUM_SCANCODES; ++code) {
    const std::string sdlName = SDL_GetScancodeName(SDL_Scancode(code));
    ASSERT_EQ(platform::keyCodeName(code), sdlName) << "code " << code;
    if (code >= 0 && code < SDL_NUM_SCANCODES) {
      EXPECT_EQ(int(platform::keyCodeOf(SDL_Scancode(code))), code);
    }
    if (sdlName.empty()) continue;
    ++named;
    for (const std::string& name : {sdlName, withCase(sdlName, true), withCase(sdlName, false)})
      EXPECT_EQ(int(platform::keyCodeNamed(name)), int(SDL_GetScancodeFromName(name.c_str())))
          << "'" << name << "' (code " << code << ")";
  }
  EXPECT_GT(named, 200) << "SDL names most of its keyboard's codes";
  for (const char* stray : {"", "Foo", "Keypad", "Return ", " W", "Left  Shift", "LeftShift", "F25", "\xc3\xa9"})
    EXPECT_EQ(int(platform::keyCodeNamed(stray)), int(SDL_GetScancodeFromName(stray))) << "'" << stray << "'";
  EXPECT_EQ(platform::keyCodeNamed("return"), platform::kKeyReturn) << "two codes are named Return: the lower answers";
}

TEST(SdlCodes, PadButtonsAndAxesAsSdlNamesThem) {
  for (int button = -1; button <= SDL_CONTROLLER_BUTTON_MAX; ++button) {
    const char* sdlName = SDL_GameControllerGetStringForButton(SDL_GameControllerButton(button));
    EXPECT_STREQ(platform::padButtonName(button), sdlName ? sdlName : "") << "button " << button;
    if (!sdlName) continue;
    EXPECT_EQ(int(SDL_GameControllerGetButtonFromString(sdlName)), button);
    platform::PadInputList inputs;
    std::string unknown;
    ASSERT_TRUE(platform::parsePadNames(withCase(sdlName, true), inputs, unknown)) << sdlName;
    EXPECT_EQ(inputs, platform::PadInputList{button}) << sdlName;
    EXPECT_EQ(platform::padNames(inputs), sdlName);
  }
  const struct {
    const char* name;
    int axis;
  } axes[] = {{"leftx", platform::kPadLeftX},         {"lefty", platform::kPadLeftY},
              {"rightx", platform::kPadRightX},       {"righty", platform::kPadRightY},
              {"lefttrigger", platform::kPadTriggerLeft}, {"righttrigger", platform::kPadTriggerRight}};
  for (const auto& a : axes) EXPECT_EQ(int(SDL_GameControllerGetAxisFromString(a.name)), a.axis) << a.name;
  EXPECT_EQ(int(SDL_CONTROLLER_AXIS_MAX), platform::kPadAxisCount);
}

}  // namespace
