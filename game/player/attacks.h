// The player's three attacks: melee strike, invulnerable dash, shot at the cursor.
// updatePlayer decides when; these do the attack itself, reading keys through the update's
// one KeyReader.
#pragma once

class KeyReader;

// Hits the monsters and kicks the bombs in the half of the player box the player faces
// (the left half while A or Left is held), costs 15 energy, starts the strike pose.
void playerStrike(KeyReader& keys);

// A 150-pixel invulnerable dash steered by W A S D (a random one of eight directions with
// none held); costs 30 energy and takes its first step at once.
void playerSpecial(KeyReader& keys);

// Fires one shot from the box's near side edge toward the cursor; costs a shot and 3
// energy, starts the shot pose. The caller plays the shot sound. Allocation failure prints
// "enquene malloc fail\n" and ends the process with status 1.
void fireShot();
