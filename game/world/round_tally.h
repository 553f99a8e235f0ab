// What a round has earned, for the table of best scores: its scoring kills by kind code,
// counted where the score counts them, and the score list read as a number.
#pragma once
#include <cstdint>

struct RoundTally {
  std::uint64_t scoringKills[256];  // by the kind code's byte
};

extern RoundTally roundTally;

// No kills yet (resetRound, and the program-start state).
void clearRoundTally();

// One scoring kill of a monster of this kind code.
void tallyScoringKill(std::int8_t kind);

// The score list's digits as a number (the largest number when it has too many).
std::uint64_t roundScore();
