// A pad's buttons, triggers and walk stick into the input latch through the pad's layout
// (pad_bindings.h), on the key router's counts, so that a virtual key fed by a key and a
// button stays down while either is held. One PadState per open pad. Called by the backend's
// pad reader on the window thread.
#pragma once
#include "platform/controls/key_router.h"
#include "platform/controls/pad_bindings.h"

namespace platform {

struct PadState {
  bool held[kPadInputCount] = {};
  int walking = 0;                      // the walk stick's directions held (pad_sticks.h)
  int axes[kPadAxisCount] = {};         // the last value of every axis
};

// A button (or trigger, as a pad input) went down or up: every virtual key it feeds hears it.
// A down while held changes nothing.
void routePadInput(KeyRouter& router, const PadBindings& pad, PadState& state, int input, bool down);

// An axis moved: a trigger is pressed above half travel; the walk stick holds the walking
// keys of its sector. Returns true when the axis belongs to the aim stick.
bool routePadAxis(KeyRouter& router, const PadBindings& pad, PadState& state, PadAxis axis, int value);

// The aim stick's tilt (0, 0 with no aim stick).
void aimTilt(const PadBindings& pad, const PadState& state, float& x, float& y);

// Lets go of everything the pad holds (it was unplugged).
void releasePad(KeyRouter& router, const PadBindings& pad, PadState& state);

}  // namespace platform
