#include "platform/controls/key_names.h"

#include <SDL.h>

namespace platform {

std::string printedKeyName(SDL_Scancode key) {
  const char* name = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetKeyName(SDL_GetKeyFromScancode(key)) : "";
  return *name ? name : SDL_GetScancodeName(key);
}

std::string printedKeyNames(const KeyList& keys) {
  if (keys.empty()) return "(none)";
  std::string names;
  for (SDL_Scancode key : keys) names += (names.empty() ? "" : " ") + printedKeyName(key);
  return names;
}

}  // namespace platform
