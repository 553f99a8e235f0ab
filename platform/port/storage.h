// The player's files, as each backend keeps them: the desktop's folders and files by the XDG
// base directory rules (posix/), the browser's in its own store. The settings, the pads'
// mappings, the best scores and the kept rounds all go through these. Any thread.
#pragma once
#include <string>

namespace platform {

// $XDG_CONFIG_HOME/dream-arena (~/.config/dream-arena): the settings and the pads' mappings.
// The variable's folder when it is set and not empty, else the usual place under $HOME.
std::string configFolder();

// $XDG_DATA_HOME/dream-arena (~/.local/share/dream-arena): the best scores and kept rounds.
std::string dataFolder();

enum class FileText { kRead, kMissing, kFailed };

// Reads a small file of the player's whole into text. kMissing and kFailed set reason: "it
// is a folder", "it is not a file" (a pipe would block the game), or the system's words.
FileText readFileText(const std::string& path, std::string& text, std::string& reason);

// Writes text to path through a temporary file in the same folder and a rename, so a crash
// never leaves half a file; a link at path stays a link. false with the reason when it could
// not.
bool replaceFile(const std::string& path, const std::string& text, std::string& reason);

}  // namespace platform
