// The per-tick world pass: dash and knock-back steps, moving monsters, the flight of shots,
// the bomb pass and the ageing of meat.
#pragma once

void updateWorld();
