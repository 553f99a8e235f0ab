// Layout keys and mouse buttons of SDL as the game's virtual-key codes (see sdl_keys.h).
#include "platform/sdl/sdl_keys.h"

#include "platform/input.h"

namespace platform {

int virtualKeyOf(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return kVkReturn;
    case SDLK_LEFT: return kVkLeft;
    case SDLK_UP: return kVkUp;
    case SDLK_RIGHT: return kVkRight;
    case SDLK_DOWN: return kVkDown;
    default: return 0;
  }
}

int virtualButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return kVkLButton;
    case SDL_BUTTON_RIGHT: return kVkRButton;
    default: return 0;
  }
}

}  // namespace platform
