// SDL's keys and mouse buttons in the platform's own terms: a scancode as a key code
// (key_codes.h, the same number), a button as its virtual-key code (input.h). Keys go on
// through the key router (key_router.h). Called by the SDL window backend's event pump on
// the window thread.
#pragma once
#include <SDL.h>

#include "platform/base/key_codes.h"
#include "platform/seam/input.h"

namespace platform {

// The key code of a scancode.
KeyCode keyCodeOf(SDL_Scancode key);

// Virtual-key code of a mouse button, or 0 for buttons the game does not read.
int virtualButtonOf(Uint8 button);

// The watch key (input.h) at a key's place: Space, the right arrow, Escape. false for others.
bool watchKeyAt(SDL_Scancode key, WatchKey& watchKey);

}  // namespace platform
