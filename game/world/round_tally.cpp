// The round's tally of scoring kills and the score's value.
#include "game/world/round_tally.h"

#include <cstdint>

#include "game/world/round_state.h"

RoundTally roundTally{};

void clearRoundTally() { roundTally = RoundTally{}; }

void tallyScoringKill(std::int8_t kind) { roundTally.scoringKills[static_cast<std::uint8_t>(kind)] += 1; }

std::uint64_t roundScore() {
  std::uint64_t value = 0;
  for (const ScoreDigit* d = scoreHead; d; d = d->next) {
    const auto digit = static_cast<std::uint64_t>(d->digit - '0');
    if (value > (UINT64_MAX - digit) / 10) return UINT64_MAX;
    value = value * 10 + digit;
  }
  return value;
}
