// One open pad's input as a backend hands it over, the same for every backend: its buttons,
// triggers and sticks go to the input latch through the pad router and this run's layout,
// the aim stick's tilt to the aim, and what the player used last is told. A pad that gave
// input and then goes away pauses a round, as a lost focus does.
#pragma once
#include "platform/controls/pad_router.h"

namespace platform {

struct PadInUse {
  PadState state;
  bool used = false;  // gave input since it was plugged in
};

// A button (a pad input of pad_bindings.h; -1 for one the game does not know) went down or up.
void padButtonChanged(KeyRouter& router, const PadBindings& layout, PadInUse& pad, int input, bool down);

// An axis moved to value (sticks -32768..32767, triggers 0..32767).
void padAxisMoved(KeyRouter& router, const PadBindings& layout, PadInUse& pad, PadAxis axis, int value);

// The pad was unplugged: everything it held is let go.
void padUnplugged(KeyRouter& router, const PadBindings& layout, PadInUse& pad);

}  // namespace platform
