// The monster table: the kind records read from the text of monsterData.txt.
#pragma once
#include <string>

#include "game/world/records.h"

// Reads the monster table from text: four groups of four integers, damage, hit points,
// speed and kind code each, separated by any white space (line breaks are not special);
// whatever follows the sixteenth number is ignored. A leading UTF-8 byte-order mark and
// CRLF line ends are accepted. A number is an optional sign and decimal digits, within
// -1,000,000 .. 1,000,000; the kind code's low byte must be a code of the table of kinds
// (1 to 4).
// Returns 0 on success; otherwise the 1-based line of the first missing or bad number
// (a number missing at the end of the text: the line of its last character that is not
// white space, line 1 for a text of white space only), and kinds are left as they were.
int parseMonsterTable(const std::string& text, MonsterKind kinds[kKindCount]);
