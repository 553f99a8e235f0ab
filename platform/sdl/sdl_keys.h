// The game's virtual-key codes (platform/input.h) of SDL's mouse buttons. Keys go through
// the key router (platform/key_router.h). Called by the SDL window backend's event pump on
// the window thread.
#pragma once
#include <SDL.h>

#include "platform/seam/input.h"

namespace platform {

// Virtual-key code of a mouse button, or 0 for buttons the game does not read.
int virtualButtonOf(Uint8 button);

// The watch key (input.h) at a key's place: Space, the right arrow, Escape. false for others.
bool watchKeyAt(SDL_Scancode key, WatchKey& watchKey);

}  // namespace platform
