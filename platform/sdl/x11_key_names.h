// What the X keyboard layout prints on the number row's keys. SDL names those keys 1 to 0
// whatever the layout (for AZERTY's sake), so --help asks X itself: "&" for the 1 key there.
#pragma once
#include <SDL_scancode.h>

#include <string>

namespace platform {

// The character the current layout prints on key in UTF-8, for the number row's ten keys;
// empty for any other key, or when no X display answers.
std::string x11NumberRowName(SDL_Scancode key);

// A lookup that knows better what the layout prints on some keys (the number row, which SDL
// names 1 to 0 on every layout) answers first while SDL's video runs; an empty answer leaves
// the key to SDL (sdl/key_names.cpp).
void setPrintedKeyLookup(std::string (*lookup)(SDL_Scancode key));

}  // namespace platform
