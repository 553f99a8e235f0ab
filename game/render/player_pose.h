// The player's pose in the frame: its picture, facing and animation step.
#pragma once

class IMAGE;

// Draws a player image facing the held horizontal key, else the remembered facing, and
// keeps player.facingRight.
void drawPlayerSprite(int x, int y, const IMAGE& image);

// Draws the player for its state (the fallen picture once hit points are gone), steps its
// animation by the clock and ends the strike, shot pose and meal when their pictures have
// been shown.
void drawPlayer();
