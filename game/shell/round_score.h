// The finished round handed to the table of best scores, and the game-over screen's lines
// from what the table answered: the round's place and the best score, in a 40-high font
// above "Another Dream?", where none of the screen's own texts stands.
#pragma once
#include <cstdint>
#include <string>

#include "game/files/scores.h"

// Called once at the pass where hit points reach 0, before the game-over screen: the
// round's score and scoring kills from the world, its length in game-clock ms, and the
// round's replay file (or empty), which the table keeps or deletes.
TablePlace keepFinishedRound(std::uint64_t lengthMs, const std::string& roundFile);

// Draws the lines for what the table answered; nothing when it answered no table. Leaves
// the 100-high font as it found it.
void drawTablePlace(const TablePlace& place);
