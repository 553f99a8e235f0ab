// A frame of the playing and game-over screens: one animation step, which makes every state
// change that comes with showing a pass, then the picture, which only draws.
#pragma once

// The animation step, in drawing order: the sleeping figure's picture, the status bars'
// values, the player's pose (ending a strike, shot pose or meal), the monsters' pictures
// (ending attacks), the bombs and blasts (freeing spent bombs) and the meat's pictures. Each
// part steps its counters by the game clock and records what it shows in shownPictures.
void stepAnimations();

// The step, then the picture composed into the working image (only the step where the
// platform shows no frames).
void drawFrame();
