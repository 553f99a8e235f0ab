// The player's best scores at the seam. The real program asks for them at start
// (keepScores); tests and the headless driver never do, so they keep nothing. At the pass
// where a round's hit points reach 0 the shell hands the round over (keepRound): it goes
// into the table in the data folder (platform/scores/score_folder.h) unless a replay is
// replaying, and what the game-over screen may show of the table comes back through the
// seam's value reads, so a recorded session answers as the table answered then.
//
// Failures never stop the game: a folder that cannot be used gives one line on standard
// output and the game plays on without keeping scores.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/files/score_table.h"

// What the game knows of a round when it ends.
struct FinishedRound {
  std::uint64_t score = 0;
  std::vector<KindKills> kills;  // scoring kills by kind code, ascending
  std::uint64_t lengthMs = 0;    // game-clock ms from the countdown's end to the death
};

// What the table says of the round: nothing when not known (no table, or a session
// recorded without one); else its place from 1 (0: not among the ten best) and the best
// score, this round's included.
struct TablePlace {
  bool known = false;
  std::uint32_t place = 0;
  std::uint64_t bestScore = 0;
};

// Called by the real program's main before the game: rounds are kept from now on, stamped
// with gameVersion. Makes the data folder and reads the table there (one damaged is kept
// aside, one line saying so); when the folder cannot be used, prints one line and the game
// plays on without keeping scores. Returns whether scores are kept.
bool keepScores(const std::string& gameVersion);

// Rounds are no longer kept (tests).
void stopKeepingScores();

// Called by the shell on the main thread at the pass where hit points reach 0, before the
// game-over screen. When scores are kept and nothing replays, puts the round into the table
// with the date, and roundFile (the finished round's replay, or empty) is moved beside the
// table when the round is among the ten best and deleted otherwise; it is deleted too when
// the program asked to keep scores but the folder cannot take them. While a replay replays,
// or when nobody asked (tests, the headless driver), roundFile is left alone. The answer
// goes through the seam (value tags kFirstScore..+2).
TablePlace keepRound(const FinishedRound& round, const std::string& roundFile);

// The full path of the highest-placed kept round that has a file; empty, with the reason,
// when there is none or the table cannot be read.
std::string bestRoundFile(std::string& reason);

// --scores: prints the table and the totals on standard output; returns the exit status
// (0, or 1 with one line when the table cannot be read).
int printScores();

