// Start-up (run before the title and before every further round) and the round reset.
#pragma once
#include <string>

#include "game/shell/records.h"

// Seeds rand, sets the text settings, reads monsterData.txt, loads all images and sounds,
// places the sleeping figure. Fatal failures print their message and exit with status 1.
void startUp();

// Frees every list, gives the player a fresh round and the score a single '0'.
void resetRound();

// Reads the monster table from text. Returns 0 on success; otherwise the 1-based line on
// which the first missing or bad number stands (kinds are left as they were).
int parseMonsterTable(const std::string& text, MonsterKind kinds[kKindCount]);
