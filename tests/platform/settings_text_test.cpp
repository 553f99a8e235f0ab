// The settings file's text: the default text names every setting under a comment and reads
// back clean; good values are taken; each bad line gets one warning naming the line and
// what was kept, and leaves its entry at the default; a rewrite changes one line only.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/settings/settings.h"

namespace {

using platform::Action;
using platform::KeyList;

KeyList keysOf(const platform::Settings& settings, Action action) { return settings.bindings.keys[int(action)]; }

TEST(SettingsText, DefaultTextHoldsEverySettingUnderACommentAndReadsBackClean) {
  const std::string text = platform::defaultSettingsText();
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  for (const platform::SettingLine& setting : platform::settingLines(platform::Settings{})) {
    const std::string active = setting.key + " = " + setting.value;
    auto at = std::find(lines.begin(), lines.end(), active);
    ASSERT_NE(at, lines.end()) << "no active line '" << active << "' in:\n" << text;
    ASSERT_NE(at, lines.begin());
    EXPECT_EQ(*(at - 1), "# " + setting.meaning) << "the comment above " << setting.key;
  }
  EXPECT_NE(text.find("walk_up = W Up\n"), std::string::npos);
  EXPECT_NE(text.find("fire = \n"), std::string::npos) << "fire is unbound by default";
  const platform::SettingsReading reading = platform::readSettings(text);
  EXPECT_TRUE(reading.warnings.empty()) << reading.warnings.front();
  EXPECT_EQ(platform::settingLines(reading.settings).size(), platform::settingLines(platform::Settings{}).size());
  for (int a = 0; a < platform::kActionCount; ++a)
    EXPECT_EQ(keysOf(reading.settings, Action(a)), keysOf(platform::Settings{}, Action(a))) << a;
}

TEST(SettingsText, GoodValuesAreTaken) {
  const platform::SettingsReading reading = platform::readSettings(
      "# mine\r\n\r\nstrike = L\r\nwalk_up=W  I\nvolume = 40\nmuted = Yes\nfullscreen = yes\n"
      "pause_on_focus_loss = no\nframe_pacing = display\nfire = Left Shift\n   ; also a comment\n");
  EXPECT_TRUE(reading.warnings.empty()) << reading.warnings.front();
  const platform::Settings& s = reading.settings;
  EXPECT_EQ(keysOf(s, Action::Strike), KeyList{platform::kKeyL});
  EXPECT_EQ(keysOf(s, Action::WalkUp), (KeyList{platform::kKeyW, platform::kKeyI}));
  EXPECT_EQ(keysOf(s, Action::Fire), KeyList{platform::kKeyLeftShift});
  EXPECT_EQ(keysOf(s, Action::Dash), (KeyList{platform::kKeyK, platform::kKey2})) << "a missing line is its default";
  EXPECT_EQ(s.volume, 40);
  EXPECT_TRUE(s.muted);
  EXPECT_TRUE(s.fullscreen);
  EXPECT_FALSE(s.pauseOnFocusLoss);
  EXPECT_EQ(s.framePacing, platform::FramePacing::Display);
}

TEST(SettingsText, EachBadLineWarnsOnceAndKeepsTheDefault) {
  const struct {
    std::string text;
    std::string warning;
  } cases[] = {
      {"volume = 10\nstrike = Foo\n", "line 2: no key named 'Foo' for strike; kept J 1"},
      {"volume = 150", "line 1: volume must be a whole number from 0 to 100, not '150'; kept 100"},
      {"volume = 101", "line 1: volume must be a whole number from 0 to 100, not '101'; kept 100"},
      {"pad_dead_zone = 100", "line 1: pad_dead_zone must be a whole number from 0 to 99 (percent of full tilt), not '100'; kept 25"},
      {"volume = -3", "line 1: volume must be a whole number from 0 to 100, not '-3'; kept 100"},
      {"fullscreen = maybe", "line 1: fullscreen must be yes or no, not 'maybe'; kept no"},
      {"frame_pacing = vsync", "line 1: frame_pacing must be uncapped or display, not 'vsync'; kept uncapped"},
      {"colour = red", "line 1: unknown setting 'colour'; skipped"},
      {"[keys]", "line 1: no '=' in '[keys]'; skipped"},
      {"muted = n\xE9", "line 1: not valid text; skipped"},
      {"strike = M", "line 1: M is the mute key, not for strike; kept J 1"},
      {"dash = Return", "line 1: Return is the Enter key, not for dash; kept K 2"},
      {"volume = 10\nvolume = 20", "line 2: volume is already set on line 1; skipped"},
      {"walk_up = W Up\nwalk_down = Up", "line 2: Up is already bound to walk_up; kept S Down"},
      {"# J walks now\nwalk_up = J\nstrike = J", "line 3: J is already bound to walk_up; kept 1"},
      {"walk_up = J 1\n\nstrike = L J", "line 3: J is already bound to walk_up; kept no key"},
  };
  for (const auto& c : cases) {
    const platform::SettingsReading reading = platform::readSettings(c.text);
    ASSERT_EQ(reading.warnings.size(), 1u) << c.text;
    EXPECT_EQ(reading.warnings[0], c.warning) << c.text;
  }
  const platform::Settings defaults;
  const platform::Settings kept = platform::readSettings("volume = 150\nfullscreen = maybe\nstrike = Foo").settings;
  EXPECT_EQ(kept.volume, defaults.volume);
  EXPECT_EQ(kept.fullscreen, defaults.fullscreen);
  EXPECT_EQ(keysOf(kept, Action::Strike), keysOf(defaults, Action::Strike));
  EXPECT_EQ(platform::readSettings("volume = 10\nvolume = 20").settings.volume, 10) << "the first line stands";
  // Each bound is taken, the number past it refused (above): 100 and 99 are the largest.
  const platform::SettingsReading edges = platform::readSettings("volume = 100\npad_dead_zone = 99\n");
  EXPECT_TRUE(edges.warnings.empty()) << edges.warnings.front();
  EXPECT_EQ(edges.settings.pad.deadZone, 99);
  EXPECT_EQ(platform::readSettings("volume = 0\n").settings.volume, 0);
}

TEST(SettingsText, AKeyTakenByALineLeavesTheDefaultsOfOtherActions) {
  const platform::SettingsReading reading = platform::readSettings("strike = W");
  EXPECT_TRUE(reading.warnings.empty());
  EXPECT_EQ(keysOf(reading.settings, Action::Strike), KeyList{platform::kKeyW});
  EXPECT_EQ(keysOf(reading.settings, Action::WalkUp), KeyList{platform::kKeyUp});
}

TEST(SettingsText, RewriteChangesOnlyItsOwnLine) {
  const std::string text =
      "# my keys\r\nfullscreen=no\r\nvolume =  40   \n  muted\t= no\ncolour = red\nfire =\n# fullscreen = no\n";
  EXPECT_EQ(platform::withSetting(text, "fullscreen", "yes"),
            "# my keys\r\nfullscreen=yes\r\nvolume =  40   \n  muted\t= no\ncolour = red\nfire =\n# fullscreen = no\n");
  EXPECT_EQ(platform::withSetting(text, "muted", "yes"),
            "# my keys\r\nfullscreen=no\r\nvolume =  40   \n  muted\t= yes\ncolour = red\nfire =\n# fullscreen = no\n");
  EXPECT_EQ(platform::withSetting(text, "fire", "F"),
            "# my keys\r\nfullscreen=no\r\nvolume =  40   \n  muted\t= no\ncolour = red\nfire =F\n# fullscreen = no\n");
  EXPECT_EQ(platform::withSetting("volume = 40", "muted", "yes"), "volume = 40\nmuted = yes\n")
      << "a setting without a line gets one at the end";
  const std::string all = platform::defaultSettingsText();
  const std::string changed = platform::withSetting(all, "fullscreen", "yes");
  EXPECT_EQ(changed.size(), all.size() + 1);
  EXPECT_TRUE(platform::readSettings(changed).settings.fullscreen);
}

}  // namespace
