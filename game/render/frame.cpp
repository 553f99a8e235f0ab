// Frame composition: everything of the playing and game-over screens, back to front, with
// the clock-driven animations that run while drawing (and the state changes they bring:
// the end of a strike, a shot pose or a meal).
#include "game/render/frame.h"

#include "game/assets/catalogue.h"
#include "game/assets/sprites.h"
#include "game/world/bombs.h"
#include "game/render/monsters.h"
#include "game/render/animation_step.h"
#include "game/render/status_bars.h"
#include "game/world/game_state.h"
#include "graphics/draw.h"
#include "graphics/image.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "game/world/geometry.h"

DrawingCounters drawingCounters{};

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

// Shot pose and meal face the last aim point instead of the keys.
void drawFacingAim(int x, int y, const IMAGE& image) {
  if (static_cast<float>(player.aimX) > player.x) drawSpriteMirrored(x, y, image);
  else drawSprite(x, y, image);
}

void drawPlayer() {
  DrawingCounters& c = drawingCounters;
  const int x = truncToInt(player.x);
  const int y = truncToInt(player.y);
  if (player.hitPoints <= 0) {
    drawSprite(x, y, assets.dieImage);
    return;
  }
  switch (player.state) {
    case Free:
    case KnockedBack:
      if (platform::keyPressed('H')) {
        c.walkFrame = 0;
        stepAfter(c.playerFrameTime, 80, c.runFrame);
        drawPlayerSprite(x, y, assets.runImages[c.runFrame]);
        if (c.runFrame == 19) c.runFrame = 0;
      } else {
        c.runFrame = 0;
        stepAfter(c.playerFrameTime, 120, c.walkFrame);
        drawPlayerSprite(x, y, assets.norImages[c.walkFrame]);
        if (c.walkFrame == 7) c.walkFrame = 0;
      }
      break;
    case Striking:
      c.walkFrame = c.runFrame = 0;
      stepAfter(c.playerFrameTime, 120, c.strikeFrame);
      drawPlayerSprite(x, y, assets.attImages[c.strikeFrame]);
      if (c.strikeFrame == 2) {
        player.state = Free;
        c.strikeFrame = 0;
      }
      break;
    case Dashing:
      drawPlayerSprite(x, y, assets.defendImage);
      break;
    case Shooting:
      c.walkFrame = c.runFrame = 0;
      stepAfter(c.playerFrameTime, 120, c.shootFrame);
      drawFacingAim(x, y, assets.shootImages[c.shootFrame]);
      if (c.shootFrame == 2) {
        player.state = Free;
        c.shootFrame = 0;
      }
      break;
    case Eating:
      c.walkFrame = c.runFrame = 0;
      stepAfter(c.playerFrameTime, 120, c.eatStep);
      drawFacingAim(x, y, assets.eatImages[c.eatStep % 5]);
      if (c.eatStep == 24) {
        player.state = Free;
        player.hitPoints = 50;
        player.energy = 150;
        if (player.ammo <= 25) player.ammo += 5;
        c.eatStep = 0;
      }
      break;
  }
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
