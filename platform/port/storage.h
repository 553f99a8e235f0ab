// The player's files, as each backend keeps them: the desktop's folders and files by the XDG
// base directory rules (posix/), the browser's in its own store. The settings, the pads'
// mappings, the best scores and the kept rounds all go through these. Any thread.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The player's folders, by the XDG base directory rules: the variable's folder when it holds
// an absolute path (a relative one is ignored, as the rules say), else the usual place under
// the home folder: $HOME when set and not empty, else the user's home in the password
// database. With no home at all there is no folder (an empty string) and nothing is kept.

// $XDG_CONFIG_HOME/dream-arena (~/.config/dream-arena): the settings and the pads' mappings.
std::string configFolder();

// $XDG_DATA_HOME/dream-arena (~/.local/share/dream-arena): the best scores and kept rounds.
std::string dataFolder();

// The rule itself: the folder from the variable's value, $HOME and the password database's
// home (each may be null), underHome being "/.config" or "/.local/share"; empty when none.
std::string playerFolder(const char* variable, const char* home, const char* recordedHome, const char* underHome);

// Reading a file of the player's (settings, the table of best scores, the pads' mappings, a
// recorded round) whole, with the reason when it cannot be: missing, a folder, something
// else that is not a plain file (a pipe would block the game, a device never end), larger
// than the caller's limit (refused before a byte is read), or a failed read.
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

// Writes text to path through a temporary file in the same folder and a rename, so a crash
// never leaves half a file; a link at path stays a link. false with the reason when it could
// not.
bool replaceFile(const std::string& path, const std::string& text, std::string& reason);

// A lock on a lock file of the player's (the best scores' scores.lock), so that games running
// at once take turns with the files it guards: exclusive for a change (the lock file is made
// when missing), shared for a look (which does without a lock file it cannot open). Held until
// the object goes; the process ending lets it go too.
class FileLock {
 public:
  FileLock() = default;
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // false with the reason ("cannot open its lock: ...", "cannot lock it: ...").
  bool take(const std::string& path, std::string& reason);
  bool share(const std::string& path, std::string& reason);

 private:
  int handle_ = -1;  // the backend's own (a file descriptor on POSIX)
};

}  // namespace platform
