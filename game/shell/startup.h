// Start-up (run before the title and before every further round) and the round reset.
#pragma once

// Seeds rand, sets the text settings, reads monsterData.txt, loads all images and sounds,
// places the sleeping figure. Fatal failures print their message and exit with status 1:
// "data text open fail" (no line end) for a missing table, "data text format fail: line N\n"
// for a table that parseMonsterTable refuses.
void startUp();

// Start-up without the seed: the text settings, the monster table, the assets and the sleeping
// figure's place (a recorded round, which brings its own seed, starts so).
void loadRun();

// The text settings every screen draws with: cells in white, 100-high "Consolas", orange ink.
void applyTextSettings();

// Frees every list, gives the player a fresh round, the score a single '0' and the round's
// tally no kills.
void resetRound();
