// The four status bars below the field: hit points, ammunition, energy, special cooldown.
#include "game/render/status_bars.h"

#include <algorithm>

#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/shown_pictures.h"
#include "graphics/draw.h"

namespace {

// Any edge beyond this draws the same window pixels as one at the limit; keeping edges here
// spares the rectangle code extreme coordinates.
constexpr int kEdgeLimit = 1 << 20;

void drawBar(std::uint32_t fill, int left, int top, int bottom, std::int64_t value, int maximum) {
  int right = std::clamp(barRightEdge(left, value, maximum), -kEdgeLimit, kEdgeLimit);
  gfx::setFillColour(fill);
  gfx::drawRectangle(left, top, right, bottom);
}

}  // namespace

int barRightEdge(int left, std::int64_t value, int maximum) {
  double product = static_cast<double>(value * 500);
  return truncToInt(product / maximum + left);
}

void drawStatusBars() {
  const ShownPictures& shown = shownPictures;
  drawBar(0x0000FF, 100, 810, 840, shown.hitPoints, 50);
  drawBar(0x41DDFF, 100, 860, 890, shown.ammo, 30);
  drawBar(0x61E350, 100, 910, 940, shown.energy, 150);
  drawBar(0xD6AC81, 1000, 910, 940, shown.specialCooldown, 60);
}
