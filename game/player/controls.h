// The player's per-tick controls: strike, special dash, fire, walk, eat, in that order.
#pragma once

void updatePlayer();
