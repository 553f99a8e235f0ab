#include "platform/port/storage.h"

#include <cstdlib>

namespace platform {
namespace {

std::string gameFolder(const char* variable, const char* underHome) {
  const char* base = std::getenv(variable);
  if (base && *base) return std::string(base) + "/dream-arena";
  const char* home = std::getenv("HOME");
  return std::string(home ? home : "") + underHome + "/dream-arena";
}

}  // namespace

std::string configFolder() { return gameFolder("XDG_CONFIG_HOME", "/.config"); }

std::string dataFolder() { return gameFolder("XDG_DATA_HOME", "/.local/share"); }

}  // namespace platform
