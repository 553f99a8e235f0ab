// Frame composition: everything of the playing and game-over screens, back to front, with
// the clock-driven animations that run while drawing.
#include "game/render/frame.h"

#include "game/assets/catalogue.h"
#include "game/assets/sprites.h"
#include "game/render/animation_step.h"
#include "game/render/bombs.h"
#include "game/render/drawing_counters.h"
#include "game/render/monsters.h"
#include "game/render/player_pose.h"
#include "game/render/status_bars.h"
#include "game/world/game_state.h"
#include "game/world/geometry.h"
#include "graphics/draw.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"

namespace {

constexpr std::uint32_t kPlainCopy = 0x00CC0020;
constexpr std::uint32_t kScoreColour = 0x0A0A0A;
constexpr std::uint32_t kScreenTextColour = 0xFF9600;

void drawSleepingFigure() {
  DrawingCounters& c = drawingCounters;
  stepAfter(c.sleepFrameTime, 120, c.sleepFrame);
  c.sleepFrame %= 4;
  drawSprite(sleepX, sleepY, assets.sleepImages[c.sleepFrame]);
}

template <typename Shot>
void drawShots(const Shot* head) {
  for (const Shot* shot = head; shot; shot = shot->next) {
    if (shot->image) drawSprite(truncToInt(shot->x), truncToInt(shot->y), *shot->image);
  }
}

void drawMeat() {
  for (Meat* piece = meats; piece; piece = piece->next) {
    stepAfter(piece->frameTime, 120, piece->frame);
    const IMAGE& image = assets.meatImages[piece->frame];
    if (player.x > static_cast<float>(piece->x)) drawSprite(piece->x, piece->y, image);
    else drawSpriteMirrored(piece->x, piece->y, image);
    if (piece->frame == 3) piece->frame = 0;
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

}  // namespace

void drawFrame() {
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
}

std::uint64_t frameDigest(std::uint64_t digest) {
  IMAGE* window = gfx::graphicsState.window;
  const std::uint32_t* words = window ? pixelBuffer(window) : nullptr;
  if (!words) return digest;
  const std::size_t count = std::size_t(window->width()) * std::size_t(window->height());
  for (std::size_t i = 0; i < count; ++i) digest = (digest ^ words[i]) * 0x100000001B3ull;
  return digest;
}
