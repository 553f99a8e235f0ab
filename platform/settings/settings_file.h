// The player's settings file and the settings of this run. The file is
// $XDG_CONFIG_HOME/dream-arena/settings.ini (~/.config/dream-arena/ when the variable is
// unset or empty), read at start; the first start writes it with every setting at its
// default. Every write goes to a temporary file in the same folder, then a rename. Problems
// never stop the game: each bad line or failure prints one line on standard output and the
// game plays on the defaults; a file holding bad lines is never written again, so nothing
// the player wrote is lost.
#pragma once
#include <string>

#include "platform/settings/settings.h"

namespace platform {

// The settings file's path as the environment names it now.
std::string defaultSettingsPath();

// Reads the settings at path and makes them this run's; prints one line per bad line or
// failure, with the file's path. When firstStart and no file is there, writes the default
// file (making its folder). Changes are remembered in the file only when it read cleanly.
// Called on the main thread before the window opens.
void loadSettings(const std::string& path, bool firstStart);

// Reads the settings at path as loadSettings does, for showing them: writes nothing and
// changes nothing of this run's.
Settings peekSettings(const std::string& path);

// This run's settings: the defaults until loadSettings ran. Any thread.
Settings currentSettings();

// The folder of this run's settings file (of the default path until loadSettings ran), where
// the player's own pad mappings live too. Any thread.
std::string settingsFolder();

// The player switched fullscreen or the sound: this run's settings change, and the file's
// own line is rewritten when the file may be written. A failed write prints one line and the
// file is left alone from then on. Called by the window thread.
void rememberFullscreen(bool fullscreen);
void rememberMuted(bool muted);

}  // namespace platform
