// The layout's key names, which SDL knows only while its video subsystem runs; a lookup set
// by the program (x11_key_names.h) answers first for the keys it knows.
#include "platform/port/key_names.h"

#include <SDL.h>

#include "platform/sdl/x11_key_names.h"

namespace platform {
namespace {

std::string (*printedLookup)(SDL_Scancode) = nullptr;

}  // namespace

void setPrintedKeyLookup(std::string (*lookup)(SDL_Scancode key)) { printedLookup = lookup; }

namespace port {

std::string layoutKeyName(int scancode) {
  if (!SDL_WasInit(SDL_INIT_VIDEO)) return "";
  if (printedLookup) {
    const std::string name = printedLookup(SDL_Scancode(scancode));
    if (!name.empty()) return name;
  }
  return SDL_GetKeyName(SDL_GetKeyFromScancode(SDL_Scancode(scancode)));
}

// Without an X display SDL's video does not start, and the US names stand.
void startLayoutKeyNames() {
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  SDL_InitSubSystem(SDL_INIT_VIDEO);
  setPrintedKeyLookup(x11NumberRowName);
}

void endLayoutKeyNames() { SDL_Quit(); }

}  // namespace port
}  // namespace platform
