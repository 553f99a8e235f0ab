// The settings file on disk and this run's settings (see settings_file.h). One lock keeps
// this run's settings, as the window thread changes them while any thread may read them.
#include "platform/settings/settings_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>

#include "platform/port/storage.h"
#include "platform/seam/frame_pacing.h"
#include "platform/controls/pad_mappings.h"
#include "platform/base/notice.h"

namespace platform {
namespace {

// Read every pass and by the window thread every few milliseconds: kept apart from the
// settings, whose copy allocates.

namespace fs = std::filesystem;


struct RunSettings {
  std::mutex lock;
  Settings settings;
  std::string path;
  bool writable = false;  // the file read cleanly (or was written by this run) and may be rewritten
};

RunSettings& run() {
  static RunSettings state;
  return state;
}

// At most this many warnings about one file, then a count of the rest.
constexpr std::size_t kMaxWarnings = 10;

// Reads path into settings (the defaults unless it reads), printing each warning with the
// path, or the one line of a file that cannot be read; a missing file prints nothing.
FileText readSettingsFile(const std::string& path, Settings& settings, bool& clean) {
  std::string text, reason;
  const FileText read = readFileText(path, text, reason);
  clean = false;
  settings = Settings{};
  if (read == FileText::kFailed)
    notice("cannot read settings " + path + ": " + reason + "; playing with the defaults, nothing is saved");
  if (read != FileText::kRead) return read;
  SettingsReading reading = readSettings(text);
  for (const std::string& warning : limitWarnings(reading.warnings, kMaxWarnings)) notice(path + " " + warning);
  settings = reading.settings;
  clean = reading.warnings.empty();
  return read;
}

// Rewrites one line of this run's file; the caller holds the lock.
void rememberLine(RunSettings& state, const std::string& key, const std::string& value) {
  if (!state.writable) return;
  std::string text, reason;
  const FileText read = readFileText(state.path, text, reason);
  if (read == FileText::kMissing) text = defaultSettingsText();
  bool saved = read != FileText::kFailed;
  if (saved && !readSettings(text).warnings.empty()) {
    reason = "it now holds lines this game cannot read";
    saved = false;
  }
  if (saved) saved = replaceFile(state.path, withSetting(text, key, value), reason);
  if (saved) return;
  state.writable = false;
  notice("cannot save settings " + state.path + ": " + reason + "; the change lasts until the game ends");
}

}  // namespace

std::string defaultSettingsPath() {
  const std::string folder = configFolder();
  return folder.empty() ? "" : folder + "/settings.ini";
}

void loadSettings(const std::string& path, bool firstStart) {
  Settings settings;
  bool clean = false;
  // No path: no home folder, the defaults and nothing saved (the caller said so).
  const FileText read = path.empty() ? FileText::kFailed : readSettingsFile(path, settings, clean);
  if (read == FileText::kMissing && firstStart) {
    std::error_code error;
    const fs::path folder = fs::path(path).parent_path();
    std::string reason;
    if (!folder.empty() && !fs::is_directory(folder) && !fs::create_directories(folder, error))
      reason = error.message();
    clean = reason.empty() && replaceFile(path, defaultSettingsText(), reason);
    if (!clean) notice("cannot write settings " + path + ": " + reason + "; playing with the defaults, nothing is saved");
  }
  RunSettings& state = run();
  std::lock_guard<std::mutex> lock(state.lock);
  state.settings = settings;
  setFramesPacedToDisplay(settings.framePacing == FramePacing::Display);
  state.path = path;
  state.writable = clean;
}

Settings peekSettings(const std::string& path) {
  Settings settings;
  bool clean = false;
  if (!path.empty()) readSettingsFile(path, settings, clean);
  return settings;
}

std::string settingsFolder() {
  std::string path;
  {
    RunSettings& state = run();
    std::lock_guard<std::mutex> lock(state.lock);
    path = state.path;
  }
  if (path.empty()) path = defaultSettingsPath();
  if (path.empty()) return "";
  const std::string folder = fs::path(path).parent_path().string();
  return folder.empty() ? "." : folder;
}

Settings currentSettings() {
  RunSettings& state = run();
  std::lock_guard<std::mutex> lock(state.lock);
  return state.settings;
}

void rememberFullscreen(bool fullscreen) {
  RunSettings& state = run();
  std::lock_guard<std::mutex> lock(state.lock);
  state.settings.fullscreen = fullscreen;
  rememberLine(state, "fullscreen", fullscreen ? "yes" : "no");
}

void rememberMuted(bool muted) {
  RunSettings& state = run();
  std::lock_guard<std::mutex> lock(state.lock);
  state.settings.muted = muted;
  rememberLine(state, "muted", muted ? "yes" : "no");
}

}  // namespace platform
