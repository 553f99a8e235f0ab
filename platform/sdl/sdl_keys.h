// SDL's keys and mouse buttons in the platform's own terms: a scancode as a key code
// (key_codes.h, the same number), a button as the shared rules name it (window_keys.h).
// Called by the SDL window backend's event pump on the window thread.
#pragma once
#include <SDL.h>

#include "platform/base/key_codes.h"
#include "platform/settings/window_keys.h"

namespace platform {

// The key code of a scancode.
KeyCode keyCodeOf(SDL_Scancode key);

// The mouse button SDL numbers so.
MouseButton mouseButtonOf(Uint8 button);

}  // namespace platform
