// Frame composition: everything of the playing and game-over screens, back to front, from
// the world and what the animation step chose.
#include "game/render/frame.h"

#include "game/assets/catalogue.h"
#include "game/assets/sprites.h"
#include "game/render/figures.h"
#include "game/render/status_bars.h"
#include "game/world/drawing_counters.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "game/world/shown_pictures.h"
#include "graphics/draw.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"

namespace {

constexpr std::uint32_t kPlainCopy = 0x00CC0020;
constexpr std::uint32_t kScoreColour = 0x0A0A0A;
constexpr std::uint32_t kScreenTextColour = 0xFF9600;

void drawSleepingFigure() { drawSprite(sleepX, sleepY, assets.sleepImages[drawingCounters.sleepFrame]); }

template <typename Shot>
void drawShots(const Shot* head) {
  for (const Shot* shot = head; shot; shot = shot->next) {
    if (shot->image) drawSprite(truncToInt(shot->x), truncToInt(shot->y), *shot->image);
  }
}

// Each piece faces the player, in the picture the step chose for it.
void drawMeat() {
  const std::vector<std::int8_t>& frames = shownPictures.meatFrames;
  std::size_t i = 0;
  for (const Meat* piece = meats; piece && i < frames.size(); piece = piece->next, ++i) {
    const IMAGE& image = assets.meatImages[frames[i]];
    if (player.x > static_cast<float>(piece->x)) drawSprite(piece->x, piece->y, image);
    else drawSpriteMirrored(piece->x, piece->y, image);
  }
}

void drawScore() {
  gfx::setFont(50, 0, "Consolas");
  gfx::setTextColour(kScoreColour);
  int k = 0;
  for (const ScoreDigit* digit = scoreHead; digit; digit = digit->next, ++k) {
    gfx::drawChar(1000 + 25 * k, 810, digit->digit);
  }
  gfx::setTextColour(kScreenTextColour);
  gfx::setFont(100, 0, "Consolas");
}

// Centred on the pad's aim point.
void drawCrosshair() {
  if (!shownPictures.crosshair) return;
  const IMAGE& image = assets.crosshairImage;
  drawSprite(shownPictures.crosshairX - image.width() / 2, shownPictures.crosshairY - image.height() / 2, image);
}

}  // namespace

void drawPicture() {
  drawImage(0, 0, &assets.backgroundImage, kPlainCopy);
  drawSleepingFigure();
  drawStatusBars();
  drawPlayer();
  drawMonsters();
  drawShots(playerShots);
  drawShots(enemyShots);
  drawBooms();
  drawMeat();
  drawScore();
  drawCrosshair();
}

std::uint64_t frameDigest(std::uint64_t digest) {
  IMAGE* window = gfx::graphicsState.window;
  const std::uint32_t* words = window ? pixelBuffer(window) : nullptr;
  if (!words) return digest;
  const std::size_t count = std::size_t(window->width()) * std::size_t(window->height());
  for (std::size_t i = 0; i < count; ++i) digest = (digest ^ words[i]) * 0x100000001B3ull;
  return digest;
}
