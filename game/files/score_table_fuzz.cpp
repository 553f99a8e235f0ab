// libFuzzer harness of the score table reader: arbitrary text goes to readScoreTable, and the
// result is held to its promises: a refused table names its problem and reads as empty; an
// accepted one holds at most ten rounds, best first, naming only plain file names, no more
// than its totals count, and what it writes reads back as the same text; merged with a round
// (its numbers taken from the input's last bytes, up to their limits) and written, it reads
// back accepted and equal, totals held at their limit rather than wrapped.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "game/files/score_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const ScoreTableReading reading = readScoreTable(text);
  const ScoreTable& table = reading.table;
  if (!reading.problem.empty()) {
    if (!table.best.empty() || table.totals.rounds != 0) std::abort();
    return 0;
  }
  if (table.best.size() > kBestRounds || table.totals.rounds < table.best.size()) std::abort();
  for (std::size_t k = 0; k < table.best.size(); ++k) {
    const ScoreEntry& e = table.best[k];
    if (k > 0 && table.best[k - 1].score < e.score) std::abort();
    if (!e.roundFile.empty() && !keptFileNameValid(e.roundFile)) std::abort();
  }
  const std::string written = scoreTableText(table);
  const ScoreTableReading again = readScoreTable(written);
  if (!again.problem.empty() || scoreTableText(again.table) != written) std::abort();

  // A round as a game hands it over; its numbers from the input's last 24 bytes.
  std::uint64_t words[3] = {};
  std::memcpy(words, data + (size > sizeof words ? size - sizeof words : 0), size < sizeof words ? size : sizeof words);
  ScoreEntry round;
  round.score = words[0];
  round.kills = {{1, words[1] / 2 + 1}, {4, words[2] / 2 + 1}};
  round.lengthMs = words[2];
  round.date = 1796735841;
  round.version = "dream-arena fuzz";
  // A name no row holds, as the folder gives it.
  for (int n = 2; round.roundFile.empty(); ++n) {
    round.roundFile = "round-20261208-131721-" + std::to_string(n) + ".replay";
    for (const ScoreEntry& e : table.best)
      if (e.roundFile == round.roundFile) round.roundFile.clear();
  }
  ScoreTable merged = table;
  std::vector<ScoreEntry> dropped;
  placeRound(merged, round, dropped);
  if (merged.totals.rounds < table.totals.rounds || merged.totals.kills < table.totals.kills ||
      merged.totals.playedMs < table.totals.playedMs)
    std::abort();  // wrapped
  const std::string mergedText = scoreTableText(merged);
  const ScoreTableReading back = readScoreTable(mergedText);
  if (!back.problem.empty() || scoreTableText(back.table) != mergedText) std::abort();
  return 0;
}
