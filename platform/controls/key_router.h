// Physical keys and mouse buttons into the input latch (input_feed.h) through the binding
// table: each key feeds at most one virtual key, and a virtual key is down while anything
// that feeds it is held (the bound keys and buttons held are counted, so letting go of one
// of two keeps it down). Both Enter keys always feed Enter; the left mouse button always
// fires and the right one clicks. Called by the window backend on its window thread.
#pragma once
#include "platform/controls/bindings.h"
#include "platform/seam/input.h"

namespace platform {

struct KeyRouter {
  int feeds[kKeyCodeCount] = {};           // the virtual key each key feeds, or 0
  bool keyHeld[kKeyCodeCount] = {};
  bool buttonHeld[kVirtualKeyCount] = {};
  int heldCount[kVirtualKeyCount] = {};    // keys and buttons held that feed each virtual key
};

// A router for the bindings; reserved keys (bindings.h) in them are left out.
KeyRouter makeKeyRouter(const Bindings& bindings);

// A key went down or up. A down of a key already held (auto-repeat) changes nothing.
void routeKey(KeyRouter& router, KeyCode key, bool down);

// A mouse button (its virtual key, kVkLButton or kVkRButton) went down or up.
void routeButton(KeyRouter& router, int virtualButton, bool down);

// One more (down) or one fewer thing held that feeds virtualKey, for other devices (the
// pads): the latch hears only the first going down and the last going up.
void holdVirtualKey(KeyRouter& router, int virtualKey, bool down);

}  // namespace platform
