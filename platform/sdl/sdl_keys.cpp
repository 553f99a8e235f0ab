// SDL's scancodes as key codes, its mouse buttons as the game's virtual-key codes, and the
// watch keys' places (see sdl_keys.h).
#include "platform/sdl/sdl_keys.h"

#include "platform/seam/input.h"

namespace platform {

// SDL numbers keys by their USB HID usage: a scancode is its key code.
static_assert(int(SDL_SCANCODE_A) == kKeyA && int(SDL_SCANCODE_0) == kKey0 && int(SDL_SCANCODE_RETURN) == kKeyReturn &&
                  int(SDL_SCANCODE_F11) == kKeyF11 && int(SDL_SCANCODE_UP) == kKeyUp &&
                  int(SDL_SCANCODE_KP_ENTER) == kKeyPadEnter && int(SDL_SCANCODE_LSHIFT) == kKeyLeftShift &&
                  int(SDL_NUM_SCANCODES) == kKeyCodeCount,
              "SDL's scancodes are the key codes");

KeyCode keyCodeOf(SDL_Scancode key) { return KeyCode(key); }

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
