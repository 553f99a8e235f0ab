// What a round inherits from the rounds before it: the part of the game state that resetRound
// leaves as it was (the player's fields, every slot's fields, the drawing counters, the game
// clock's stopped time), the monster table and the seed rand was given. A round opens by
// reading all of it through the seam, so that a round's own file, which starts there, can be
// played again without the rounds before it: live (or recorded) each read answers the value
// as it is, a replayed round's file puts the recorded one in place. A file made before rounds
// opened so answers every read with the value as it is.
// The key latches are not among them: every key answer the round gets is recorded.
#pragma once

// Reads the inheritance and puts it in place, then seeds rand with the recorded seed, as
// start-up left it (nothing draws from rand between start-up and a round's start). Called
// first thing in every round, before resetRound. A replayed opening of a layout this build
// does not know ends the program on the fatal path.
void openRound();

// Whether the file being replayed holds one round: it opens as a round does.
bool opensRound();
