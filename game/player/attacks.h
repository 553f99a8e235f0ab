// The player's three attacks: melee strike, invulnerable dash, shot at the cursor.
#pragma once

void playerStrike();
void playerSpecial();
void fireShot();
