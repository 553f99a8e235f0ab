// SDL's mouse buttons as the game's virtual-key codes, and the watch keys' places (see sdl_keys.h).
#include "platform/sdl/sdl_keys.h"

#include "platform/seam/input.h"

namespace platform {

int virtualButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return kVkLButton;
    case SDL_BUTTON_RIGHT: return kVkRButton;
    default: return 0;
  }
}

bool watchKeyAt(SDL_Scancode key, WatchKey& watchKey) {
  switch (key) {
    case SDL_SCANCODE_SPACE: watchKey = WatchKey::kPause; return true;
    case SDL_SCANCODE_RIGHT: watchKey = WatchKey::kFaster; return true;
    case SDL_SCANCODE_ESCAPE: watchKey = WatchKey::kLeave; return true;
    default: return false;
  }
}

}  // namespace platform
