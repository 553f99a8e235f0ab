// The player's settings and the text of the settings file: one `key = value` per line,
// `#` starting a comment (whose bytes are never judged), a UTF-8 byte order mark at the
// start passed over. Reading never fails: every line it cannot take gets one warning
// ("line 4: no key named 'Foo' for strike; kept J") and leaves its entry at the default.
// Writing changes one line and keeps every other byte. No file access here (see
// settings_file.h).
#pragma once
#include <string>
#include <vector>

#include "platform/controls/bindings.h"
#include "platform/controls/pad_bindings.h"

namespace platform {

enum class FramePacing { Uncapped, Display };

struct Settings {
  Bindings bindings = defaultBindings();
  PadBindings pad = defaultPadBindings();
  bool pauseOnFocusLoss = true;
  FramePacing framePacing = FramePacing::Uncapped;
  int volume = 100;  // 0..100
  bool muted = false;
  bool fullscreen = false;
};

struct SettingsReading {
  Settings settings;
  std::vector<std::string> warnings;  // one per bad line, without the file's name
};

SettingsReading readSettings(const std::string& text);

// One setting as the file writes it: its key, its value, and what it does.
struct SettingLine {
  std::string key;
  std::string value;
  std::string meaning;
};

// Every setting of settings, in the file's order.
std::vector<SettingLine> settingLines(const Settings& settings);

// The file the first start writes: every setting at its default, each under a one-line
// comment saying what it does.
std::string defaultSettingsText();

// text with the line of key holding value instead; every other byte, the line's end
// included, is kept. A key that has no line gets one at the end.
std::string withSetting(const std::string& text, const std::string& key, const std::string& value);

}  // namespace platform
