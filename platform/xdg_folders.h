// The player's folders, by the XDG base directory rules: the variable's folder when it holds
// an absolute path (a relative one is ignored, as the rules say), else the usual place under
// the home folder: $HOME when set and not empty, else the user's home in the password
// database. With no home at all there is no folder (an empty string) and nothing is kept.
#pragma once
#include <string>

namespace platform {

// $XDG_CONFIG_HOME/dream-arena (~/.config/dream-arena): the settings and the pads' mappings.
std::string configFolder();

// $XDG_DATA_HOME/dream-arena (~/.local/share/dream-arena): the best scores and kept rounds.
std::string dataFolder();

// The rule itself: the folder from the variable's value, $HOME and the password database's
// home (each may be null), underHome being "/.config" or "/.local/share"; empty when none.
std::string playerFolder(const char* variable, const char* home, const char* recordedHome, const char* underHome);

}  // namespace platform
