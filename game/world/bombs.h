// The plane's bombs: the drop, the flight toward the player, the fuse counted in update
// passes, and the blast square that hits monsters and the player on every pass. Bombs are
// heap blocks owned by the list booms; a bomb that cannot be allocated prints
// "boom malloc fail\n" and ends the process with status 1.
#pragma once
#include "game/world/records.h"

// Appends a bomb at the plane's corner heading for the player's corner, with a target
// that puts its centre on the player's centre give or take 19 pixels (four rand calls:
// sign and offset for x, then for y).
void dropBomb(const Monster& plane);

// The world pass's pass over every bomb: blast hits for exploding bombs; flight and fuse for
// the others. Runs once per update, so a blast hits each monster and the player at most once
// per update.
void updateBooms();

// The extra pass that a drop and a kick setting a resting bomb moving start: flight and fuse
// of every bomb that is not exploding. Blasts wait for the world pass (a blast that kicks a
// bomb at the field's edge would otherwise hit again and again within one update).
void moveBooms();

// A kick of a bomb that is not exploding (a strike or a blast touched it): it heads 300
// pixels straight away from the player; a resting bomb is set moving and starts a moveBooms.
void kickBomb(Boom& bomb);

// Unlinks a bomb from booms and frees it.
void removeBomb(Boom* bomb);

// The animation step's part for bombs, in list order: a resting or flying bomb shows its
// picture; a blast steps through its 27 pictures by the clock (more than 120 ms), centred on
// the bomb, and the bomb is freed once its last picture has been chosen. Fills
// shownPictures.bombs.
void stepBlasts();
