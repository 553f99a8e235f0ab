// The gamepads, through SDL's game-controller layer: pads present at start and pads plugged
// in or out while playing, their buttons, triggers and sticks into the input latch (through
// the pad router and this run's pad layout) and the aim (pad_aim.h); a pad unplugged goes to
// the shared rules (window_keys.h). Window thread only.
#pragma once
#include <SDL_events.h>

#include "platform/settings/settings.h"
#include "platform/settings/window_keys.h"

namespace platform {

struct Pads;

// Starts SDL's game-controller subsystem and adds the player's mappings (gamecontrollerdb.txt
// in the settings folder, pad_mappings.h) before any pad is opened; each rejected line is
// one warning on standard output, at most ten, then a count. Pads come as events. Returns
// null, with one line printed, when SDL cannot start the subsystem: the game plays without pads.
Pads* openPads(const Settings& settings);

// Lets every pad go and stops the subsystem.
void closePads(Pads* pads);

// Handles the event when it is a pad's; false otherwise.
bool handlePadEvent(Pads* pads, WindowKeys& keys, const SDL_Event& event);

}  // namespace platform
