// The pad's lines in the player's files: the mapping file's comments and other platforms'
// lines pass quietly, every rejected Linux line is named once and the warnings stop at ten
// and a count; the settings file rebinds pad buttons like keys, warns on unknown names,
// taken buttons and bad sticks or dead zones, and keeps the rest at their defaults.
#include <gtest/gtest.h>

#include "platform/controls/pad_mappings.h"
#include "platform/settings/settings.h"

namespace {

using namespace platform;

const std::string kGood = "03000000de280000ff11000001000000,Steam Virtual Gamepad,a:b0,b:b1,platform:Linux,";

TEST(PadMappingFile, SortsLinesIntoUsedQuietAndWarned) {
  const std::string text = "# a comment\n"
                           "\n" +
                           kGood + "\r\n" +
                           "03000000de280000ff11000001000000,Pad on Windows,a:b0,platform:Windows,\n"
                           "xyz,Broken,a:b0,platform:Linux,\n"
                           "03000000de280000ff11000001000000,,a:b0,platform:Linux,\n"
                           "03000000de280000ff11000001000000,No bindings,platform:Linux,\n"
                           "03000000de280000ff11000001000000,Half,a,platform:Linux,\n"
                           "03000000de280000ff11000001000001,Every platform,a:b0,\n"
                           "xinput,XInput pad,a:b0,platform:Linux,\n";
  const MappingReading reading = readMappingLines(text);
  ASSERT_EQ(reading.mappings.size(), 3u);
  EXPECT_EQ(reading.mappings[0].number, 3);
  EXPECT_EQ(reading.mappings[0].text, kGood) << "the line end is not the mapping's";
  EXPECT_EQ(reading.mappings[1].number, 9) << "a line naming no platform is for every one";
  EXPECT_EQ(reading.mappings[2].number, 10) << "xinput stands for a GUID, as SDL takes it";
  const std::vector<std::string> want = {"line 5: no GUID of 32 hex digits (or default, hidapi, xinput) at its start; skipped",
                                         "line 6: no pad name after the GUID; skipped",
                                         "line 7: no bindings; skipped",
                                         "line 8: 'a' is not an input:binding pair; skipped"};
  EXPECT_EQ(reading.warnings, want);
}

TEST(PadMappingFile, WarningsStopAtTenAndACount) {
  std::string text;
  for (int k = 0; k < 13; ++k) text += "bad line\n";
  const std::vector<std::string> shown = limitWarnings(readMappingLines(text).warnings, 10);
  ASSERT_EQ(shown.size(), 11u);
  EXPECT_EQ(shown[9], "line 10: no GUID of 32 hex digits (or default, hidapi, xinput) at its start; skipped");
  EXPECT_EQ(shown[10], "and 3 more rejected lines");
  EXPECT_EQ(limitWarnings({"one"}, 10), std::vector<std::string>{"one"});
}

PadInputList inputs(const char* names) {
  PadInputList list;
  std::string unknown;
  EXPECT_TRUE(parsePadNames(names, list, unknown)) << unknown;
  return list;
}

TEST(PadSettings, DefaultsReadBackAndRebindLikeKeys) {
  const SettingsReading clean = readSettings(defaultSettingsText());
  EXPECT_TRUE(clean.warnings.empty()) << clean.warnings.front();
  EXPECT_EQ(clean.settings.pad.inputs[int(Action::Strike)], inputs("a"));
  EXPECT_EQ(clean.settings.pad.click, inputs("a")) << "A strikes and clicks by default, no error";
  EXPECT_EQ(clean.settings.pad.deadZone, 25);

  const SettingsReading reading = readSettings("pad_dash = A Y\npad_dead_zone = 40\npad_walk_stick = right\n"
                                               "pad_aim_stick = none\npad_enter = start\n");
  EXPECT_TRUE(reading.warnings.empty()) << reading.warnings.front();
  const PadBindings& pad = reading.settings.pad;
  EXPECT_EQ(pad.inputs[int(Action::Dash)], inputs("a y")) << "names are read in any case";
  EXPECT_TRUE(pad.inputs[int(Action::Strike)].empty()) << "strike without a line of its own loses A to dash";
  EXPECT_EQ(pad.click, inputs("a"));
  EXPECT_EQ(pad.enter, inputs("start")) << "a screen input may share a button with an action";
  EXPECT_EQ(pad.deadZone, 40);
  EXPECT_EQ(pad.walkStick, PadStick::Right);
  EXPECT_EQ(pad.aimStick, PadStick::Neither);
}

TEST(PadSettings, BadLinesWarnOnceAndKeepTheDefault) {
  const SettingsReading reading = readSettings("pad_strike = b\npad_eat = b\npad_fire = trigger\n"
                                               "pad_dead_zone = 100\npad_walk_stick = middle\n"
                                               "pad_click = back\npad_enter = back\n");
  const std::vector<std::string> want = {
      "line 2: b is already bound to pad_strike; kept x",
      "line 3: no pad button named 'trigger' for pad_fire; kept righttrigger",
      "line 4: pad_dead_zone must be a whole number from 0 to 99 (percent of full tilt), not '100'; kept 25",
      "line 5: pad_walk_stick must be left, right or none, not 'middle'; kept left",
      "line 7: back is already bound to pad_click; kept none"};
  EXPECT_EQ(reading.warnings, want);
  const PadBindings& pad = reading.settings.pad;
  EXPECT_EQ(pad.inputs[int(Action::Eat)], inputs("x"));
  EXPECT_EQ(pad.inputs[int(Action::Fire)], inputs("righttrigger"));
  EXPECT_EQ(pad.enter, PadInputList{}) << "Back went to the click";

  const SettingsReading same = readSettings("pad_walk_stick = right\npad_aim_stick = right\n");
  ASSERT_EQ(same.warnings.size(), 1u);
  EXPECT_EQ(same.settings.pad.walkStick, PadStick::Left);
  EXPECT_EQ(same.settings.pad.aimStick, PadStick::Right);
}

TEST(PadSettings, LayoutTextNamesEveryUse) {
  EXPECT_EQ(padLayoutText(defaultPadBindings()),
            "walk: left stick or D-pad; aim: right stick; fire: RT; run: LT; strike: A; dash: B; eat: X; "
            "pause: Start; click: A; Enter: Back");
}

}  // namespace
