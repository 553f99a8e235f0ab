// libFuzzer harness of the score table reader: arbitrary text goes to readScoreTable, and the
// result is held to its promises: a refused table names its problem and reads as empty; an
// accepted one holds at most ten rounds, best first, naming only plain file names, no more
// than its totals count, and what it writes reads back as the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/files/score_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const platform::ScoreTableReading reading = platform::readScoreTable(text);
  const platform::ScoreTable& table = reading.table;
  if (!reading.problem.empty()) {
    if (!table.best.empty() || table.totals.rounds != 0) std::abort();
    return 0;
  }
  if (table.best.size() > platform::kBestRounds || table.totals.rounds < table.best.size()) std::abort();
  for (std::size_t k = 0; k < table.best.size(); ++k) {
    const platform::ScoreEntry& e = table.best[k];
    if (k > 0 && table.best[k - 1].score < e.score) std::abort();
    if (!e.roundFile.empty() && !platform::keptFileNameValid(e.roundFile)) std::abort();
  }
  const std::string written = platform::scoreTableText(table);
  const platform::ScoreTableReading again = platform::readScoreTable(written);
  if (!again.problem.empty() || platform::scoreTableText(again.table) != written) std::abort();
  return 0;
}
