// Reading a small file of the player's (settings, the table of best scores) whole, with the
// reason when it cannot be: missing, a folder, something else that is not a plain file (a
// pipe would block the game), or a failed read.
#pragma once
#include <string>

namespace platform {

enum class FileText { kRead, kMissing, kFailed };

// Replaces text with the file's bytes. kMissing and kFailed set reason ("it is a folder",
// "it is not a file", or the system's words).
FileText readFileText(const std::string& path, std::string& text, std::string& reason);

}  // namespace platform
