// Reading a file of the player's (settings, the table of best scores, the pads' mappings, a
// recorded round) whole, with the reason when it cannot be: missing, a folder, something
// else that is not a plain file (a pipe would block the game, a device never end), larger
// than the caller's limit (refused before a byte is read), or a failed read.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class FileText { kRead, kMissing, kFailed };

// The limit of the player's small files.
constexpr std::uint64_t kSmallFileBytes = 16u << 20;

// Replaces text (or bytes) with the file's bytes. kMissing and kFailed set reason ("it is a
// folder", "it is not a file", "it is too large: N bytes (at most M)", "it has no name", or
// the system's words).
FileText readFileText(const std::string& path, std::string& text, std::string& reason,
                      std::uint64_t maxBytes = kSmallFileBytes);
FileText readFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& reason,
                       std::uint64_t maxBytes);

}  // namespace platform
