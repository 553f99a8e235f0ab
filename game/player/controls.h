// The player's per-tick controls: strike, special dash, fire, walk, eat, in that order.
#pragma once

// One update of the player while the round runs: regeneration and cooldown, then the first
// action whose keys are held. Does nothing unless the player is Free.
void updatePlayer();
