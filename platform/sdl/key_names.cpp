// The layout's key names, which SDL knows only while its video subsystem runs.
#include "platform/port/key_names.h"

#include <SDL.h>

namespace platform::port {

std::string layoutKeyName(int scancode) {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return "";
  return SDL_GetKeyName(SDL_GetKeyFromScancode(SDL_Scancode(scancode)));
}

}  // namespace platform::port
