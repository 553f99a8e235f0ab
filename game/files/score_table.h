// The table of best scores as text and as a record: the ten best rounds, best first, and
// the totals of every round kept. No files here: score_folder.h reads and writes it.
//
// The text, one record a line, fields separated by tabs:
//   dream-arena scores 1
//   totals  rounds=12  kills=345  played_ms=1234567
//   round   score=57  kills=1:20,2:15  length_ms=123456  date=2026-12-08T13:17:21Z
//           version=dream-arena 1.0.0  file=round-20261208-131721.replay
// A round's kills are its scoring kills by kind code; file names its kept round beside the
// table, or is empty. Rounds are listed best first; of equal scores the earlier round first.
// Lines may end in CRLF. A round whose file is not a name the table makes, or is named by
// another round too, or whose kills add up beyond a whole number makes the table damaged:
// the table deletes and moves only its own files. Totals stop at the largest whole number.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t kBestRounds = 10;

// Scoring kills of one kind code.
struct KindKills {
  std::int8_t kind;
  std::uint64_t count;
};

struct ScoreEntry {
  std::uint64_t score = 0;
  std::vector<KindKills> kills;  // by kind code, ascending, no count of 0
  std::uint64_t lengthMs = 0;    // game-clock ms from the countdown's end to the death, pauses left out
  std::int64_t date = 0;         // calendar seconds (UTC) when the round ended
  std::string version;           // the game version that played it
  std::string roundFile;         // the kept round's file name beside the table; empty: none
};

struct ScoreTotals {
  std::uint64_t rounds = 0;
  std::uint64_t kills = 0;
  std::uint64_t playedMs = 0;
};

struct ScoreTable {
  std::vector<ScoreEntry> best;  // at most kBestRounds, best first
  ScoreTotals totals;
};

// A table read from text: problem is empty when every line read, else says which line
// was bad and why (the first one); the table is then empty.
struct ScoreTableReading {
  ScoreTable table;
  std::string problem;
};

ScoreTableReading readScoreTable(const std::string& text);
std::string scoreTableText(const ScoreTable& table);

// The sum of a round's scoring kills (the largest whole number when it would not fit).
std::uint64_t killCount(const ScoreEntry& entry);

// Counts the round in the totals and places it among the best: after every round of an
// equal score (they were earlier). Returns its place from 1, or 0 when it is not among the
// ten best; the rounds that drop out of the ten are appended to dropped.
std::size_t placeRound(ScoreTable& table, const ScoreEntry& entry, std::vector<ScoreEntry>& dropped);

// Whether name is one the table gives a kept round: round-<YYYYMMDD>-<HHMMSS>.replay, or
// with -N (N from 2) before .replay. Never a path, the table, its lock or a table kept aside.
bool keptFileNameValid(const std::string& name);

// "2026-12-08T13:17:21Z" for calendar seconds, and back (false when text is not one).
std::string utcDateText(std::int64_t seconds);
bool readUtcDate(const std::string& text, std::int64_t& seconds);

