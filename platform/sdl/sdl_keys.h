// The game's virtual-key codes (platform/input.h) of SDL's layout keys and mouse buttons.
// Called by the SDL window backend's event pump on the window thread.
#pragma once
#include <SDL.h>

namespace platform {

// Virtual-key code of a layout key, or 0 for keys the game's code table does not have.
int virtualKeyOf(SDL_Keycode key);

// Virtual-key code of a mouse button, or 0 for buttons the game does not read.
int virtualButtonOf(Uint8 button);

}  // namespace platform
