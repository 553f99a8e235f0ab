// SDL's scancodes as key codes and its mouse buttons as the shared rules' (see sdl_keys.h).
#include "platform/sdl/sdl_keys.h"

namespace platform {

// SDL numbers keys by their USB HID usage: a scancode is its key code.
static_assert(int(SDL_SCANCODE_A) == kKeyA && int(SDL_SCANCODE_0) == kKey0 && int(SDL_SCANCODE_RETURN) == kKeyReturn &&
                  int(SDL_SCANCODE_F11) == kKeyF11 && int(SDL_SCANCODE_UP) == kKeyUp &&
                  int(SDL_SCANCODE_KP_ENTER) == kKeyPadEnter && int(SDL_SCANCODE_LSHIFT) == kKeyLeftShift &&
                  int(SDL_NUM_SCANCODES) == kKeyCodeCount,
              "SDL's scancodes are the key codes");

KeyCode keyCodeOf(SDL_Scancode key) { return KeyCode(key); }

MouseButton mouseButtonOf(Uint8 button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return MouseButton::kLeft;
    case SDL_BUTTON_RIGHT: return MouseButton::kRight;
    default: return MouseButton::kOther;
  }
}

}  // namespace platform
