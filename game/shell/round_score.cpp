// The round's entry for the table of best scores and the lines drawn from its answer.
#include "game/shell/round_score.h"

#include "game/world/game_state.h"
#include "graphics/draw.h"

namespace {

constexpr int kLineHeight = 40;

// One line centred on the window's width.
void drawCentred(int y, const std::string& text) {
  gfx::drawText(800 - gfx::measureTextWidth(text.c_str()) / 2, y, text.c_str());
}

std::string placeLine(std::uint32_t place) {
  if (place == 1) return "New best score!";
  if (place == 0) return "This round is not among your ten best";
  return "This round is number " + std::to_string(place) + " of your ten best";
}

}  // namespace

TablePlace keepFinishedRound(std::uint64_t lengthMs, const std::string& roundFile) {
  FinishedRound round;
  round.score = roundScore();
  round.lengthMs = lengthMs;
  for (int code = -128; code <= 127; ++code) {
    const std::uint64_t count = roundTally.scoringKills[static_cast<std::uint8_t>(code)];
    if (count > 0) round.kills.push_back({static_cast<std::int8_t>(code), count});
  }
  return keepRound(round, roundFile);
}

void drawTablePlace(const TablePlace& place) {
  if (!place.known) return;
  gfx::setFont(kLineHeight, 0, "Consolas");
  drawCentred(30, placeLine(place.place));
  drawCentred(30 + kLineHeight + 10, "Best score: " + std::to_string(place.bestScore));
  gfx::setFont(100, 0, "Consolas");
}
