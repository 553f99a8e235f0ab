// Start-up (run before the title and before every further round) and the round reset.
#pragma once
#include <string>

#include "game/world/records.h"

// Seeds rand, sets the text settings, reads monsterData.txt, loads all images and sounds,
// places the sleeping figure. Fatal failures print their message and exit with status 1:
// "data text open fail" (no line end) for a missing table, "data text format fail: line N\n"
// for a table that parseMonsterTable refuses.
void startUp();

// The text settings every screen draws with: cells in white, 100-high "Consolas", orange ink.
void applyTextSettings();

// Frees every list, gives the player a fresh round and the score a single '0'.
void resetRound();

// Reads the monster table from text: four groups of four integers, damage, hit points,
// speed and kind code each, separated by any white space (line breaks are not special);
// whatever follows the sixteenth number is ignored. A leading UTF-8 byte-order mark and
// CRLF line ends are accepted. A number is an optional sign and decimal digits, within
// -1,000,000 .. 1,000,000; the kind code's low byte must be 1 to 4.
// Returns 0 on success; otherwise the 1-based line of the first missing or bad number
// (a number missing at the end of the text: the line of its last character that is not
// white space, line 1 for a text of white space only), and kinds are left as they were.
int parseMonsterTable(const std::string& text, MonsterKind kinds[kKindCount]);
