// The page's pads: the browser's Gamepad API, read by the page at every rest, in its standard
// layout, handed over as the game's pad inputs and axes (controls/pad_use.h), so a pad plays
// as it does on the desktop with the same layout and dead zone. Main thread.
#pragma once
#include <map>

#include "platform/controls/pad_use.h"

namespace platform::web {

struct WebPads {
  PadBindings layout;
  std::map<int, PadInUse> open;  // by the Gamepad API's index
};

// Pad index came (the page saw it first) or went.
void padAdded(WebPads& pads, int index);
void padRemoved(WebPads& pads, KeyRouter& router, int index);

// Button (the standard layout's number) of pad index now at value (0..32767: pressed from
// half travel), and axis (the standard layout's number) at value (-32768..32767).
void padButton(WebPads& pads, KeyRouter& router, int index, int button, int value);
void padAxis(WebPads& pads, KeyRouter& router, int index, int axis, int value);

}  // namespace platform::web
