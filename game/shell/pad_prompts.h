// The pause screen's smaller line for a player on a pad: how to play on and the pad's
// inputs for a round's actions, as a pad's face prints them. The game reads it through the
// seam, as it reads the keyboard's line (pause_hint.h), when a pad spoke last.
#pragma once
#include <string>

#include "platform/controls/pad_bindings.h"

// "Start or A: play on - walk L stick, aim R stick, fire RT, run LT, strike A, dash B, eat X"
// for the defaults; an action without an input is left out.
std::string padPauseHintText(const platform::PadBindings& pad);

// The line for this run's pad layout, read through the seam on the game's thread.
std::string padPauseHint();
