// The folder of the player's scores: the table (scores.txt), its lock (scores.lock) and the
// kept rounds' files, in $XDG_DATA_HOME/dream-arena/ (~/.local/share/dream-arena/ when the
// variable is unset or empty). Every change runs under an exclusive flock on the lock file
// and reads, merges and writes the table there, so games running at once never lose a
// round. The table is written through a temporary file and a rename; a damaged one is moved
// aside (scores-damaged-<date>.txt) before a fresh one is written, and so is one that
// cannot be read.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/files/score_table.h"

// Makes the folder when it is missing and checks that files can be made in it; false with
// the reason when not (a file where the folder should be, no permission, a read-only disk).
bool prepareScoreFolder(const std::string& folder, std::string& reason);

// Under the lock: reads the table, moving it aside when damaged or unreadable (one line in
// notices); now dates the name it is kept under. false with the reason when the lock cannot
// be taken or the table cannot be moved aside.
bool checkScoreTable(const std::string& folder, std::int64_t now, std::vector<std::string>& notices, std::string& reason);

// Where a kept round stands: its place from 1 (0: not among the ten best) and the best score.
struct KeptRound {
  std::size_t place = 0;
  std::uint64_t bestScore = 0;
};

// Under the lock: reads the table (one damaged or unreadable is moved aside, with one line
// in notices, and a fresh one starts), places the round, moves roundFile beside the table when given and
// the round is among the ten best (naming it in the entry), writes the table, and deletes the
// files of rounds that drop out, or roundFile when its round does not enter. false with the
// reason when the table cannot be read or written; roundFile is then deleted. The round's
// date names its kept file (round-<local date and time>.replay).
bool keepRoundInFolder(const std::string& folder, ScoreEntry entry, const std::string& roundFile, KeptRound& kept,
                       std::vector<std::string>& notices, std::string& reason);

// Reads the table under the lock and changes nothing: a missing table is an empty one. false
// with the reason when it cannot be read or is damaged.
bool readScoreFolder(const std::string& folder, ScoreTable& table, std::string& reason);

// The table's path in a folder.
std::string scoreTablePath(const std::string& folder);

