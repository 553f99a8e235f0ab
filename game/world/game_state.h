// The process-wide game state, which exists once: the whole-run part (run_state.h) and the
// per-round part (round_state.h, and the tally of what the round earned, round_tally.h).
// Every rule of the world reads and changes it here.
#pragma once
#include "game/world/round_state.h"
#include "game/world/round_tally.h"
#include "game/world/run_state.h"

// Puts the whole game state back as it is at program start (tests and the headless driver):
// the player's specialCooldown 60, every other number 0, every list freed and empty, the
// game clock running with no time stood still. The window handle is kept.
void clearGameState();
