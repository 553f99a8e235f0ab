// Keys named as the player's keyboard layout prints them ("Z" for the key in W's place on a
// French keyboard), as the backend tells (port/key_names.h: the desktop's only while its
// window runs); where it cannot, by the names of their places on a US keyboard. Read by
// --help and the pause screen's line.
#pragma once
#include <string>

#include "platform/controls/bindings.h"

namespace platform {

// One key's printed name, in UTF-8.
std::string printedKeyName(KeyCode key);

// The keys' printed names separated by spaces; "(none)" for no key.
std::string printedKeyNames(const KeyList& keys);

// Whoever shows keys as the layout prints them is told when the layout may have changed: the
// window opened, or the system says so. The game sets the one listener before it opens its
// window; the window backend calls layoutChanged on its window thread.
void setLayoutListener(void (*listener)());
void layoutChanged();

}  // namespace platform
