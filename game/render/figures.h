// Drawing of the figures the animation step chose: the player, the monsters and the bombs
// with their blasts.
#pragma once

// The player's picture as shownPictures.player places it.
void drawPlayer();

// Each slot's chosen picture, slot 0 first, facing the player (mirrored while the player
// stands left of it or level with it).
void drawMonsters();

// The bombs and blasts of shownPictures.bombs, in list order.
void drawBooms();
