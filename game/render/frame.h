// Frame composition: background, sleeping figure, status bars, player, monsters, shots,
// bombs, meat and score, with the clock-driven animations that run while drawing.
#pragma once

// Composes one whole frame into the working image (which must be the draw target).
void drawFrame();
