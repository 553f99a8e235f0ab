#include "platform/port/storage.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {
namespace {

// The home folder the password database gives the user, or null.
const char* recordedHome() {
  const passwd* entry = ::getpwuid(::getuid());
  return entry ? entry->pw_dir : nullptr;
}

std::string gameFolder(const char* variable, const char* underHome) {
  const char* base = std::getenv(variable);
  const char* home = std::getenv("HOME");
  const bool needHome = !(base && base[0] == '/');
  return playerFolder(base, home, needHome && !(home && *home) ? recordedHome() : nullptr, underHome);
}

}  // namespace

std::string playerFolder(const char* variable, const char* home, const char* recordedHome, const char* underHome) {
  if (variable && variable[0] == '/') return std::string(variable) + "/dream-arena";
  const char* base = home && *home ? home : recordedHome && *recordedHome ? recordedHome : nullptr;
  if (!base) return "";
  return std::string(base) + underHome + "/dream-arena";
}

std::string configFolder() { return gameFolder("XDG_CONFIG_HOME", "/.config"); }

std::string dataFolder() { return gameFolder("XDG_DATA_HOME", "/.local/share"); }

}  // namespace platform
