// The game's table of monster kinds: shark, black cloud, plane and king.
#pragma once

// Hands the game's rows to the world's table of kinds (start-up does, before the monster
// table is read).
void useGameMonsterKinds();
