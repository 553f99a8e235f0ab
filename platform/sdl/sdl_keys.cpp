// SDL's mouse buttons as the game's virtual-key codes (see sdl_keys.h).
#include "platform/sdl/sdl_keys.h"

#include "platform/input.h"

namespace platform {

int virtualButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return kVkLButton;
    case SDL_BUTTON_RIGHT: return kVkRButton;
    default: return 0;
  }
}

}  // namespace platform
