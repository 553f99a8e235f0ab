// The player's folders, by the XDG base directory rules: the variable's folder when it is set
// and not empty, else the usual place under $HOME; the game's own folder inside either.
#pragma once
#include <string>

namespace platform {

// $XDG_CONFIG_HOME/dream-arena (~/.config/dream-arena): the settings and the pads' mappings.
std::string configFolder();

// $XDG_DATA_HOME/dream-arena (~/.local/share/dream-arena): the best scores and kept rounds.
std::string dataFolder();

}  // namespace platform
