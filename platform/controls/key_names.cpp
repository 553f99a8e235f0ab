#include "platform/controls/key_names.h"

#include <SDL_keyboard.h>

#include "platform/port/key_names.h"

namespace platform {

std::string printedKeyName(SDL_Scancode key) {
  const std::string name = port::layoutKeyName(int(key));
  return !name.empty() ? name : SDL_GetScancodeName(key);
}

std::string printedKeyNames(const KeyList& keys) {
  if (keys.empty()) return "(none)";
  std::string names;
  for (SDL_Scancode key : keys) names += (names.empty() ? "" : " ") + printedKeyName(key);
  return names;
}

}  // namespace platform
