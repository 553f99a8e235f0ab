// The entry and its screens: title, countdown, playing, game over, farewell; the round loop
// with its 10 ms update rule. Everything runs on the main thread in deferred drawing mode.
#include "game/shell/entry.h"

#include "game/assets/catalogue.h"
#include "game/assets/sprites.h"
#include "game/world/shot_hits.h"
#include "game/monsters/spawner.h"
#include "game/player/controls.h"
#include "game/render/animation_step.h"
#include "game/render/frame.h"
#include "game/world/game_state.h"
#include "game/shell/startup.h"
#include "graphics/draw.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "game/world/world_pass.h"

namespace {

constexpr std::uint64_t kUpdateIntervalMs = 10;
constexpr std::uint32_t kPlainCopy = 0x00CC0020;

std::int32_t titleFrame = 0;
std::uint64_t titleFrameTime = 0;

bool mouseButtonPressed() {
  return platform::keyPressed(platform::kVkLButton) || platform::keyPressed(platform::kVkRButton);
}

}  // namespace

void updateTick(bool withPlayer) {
  if (withPlayer) updatePlayer();
  spawnMonsters();
  updateWorld();
  resolveShotHits();
  for (std::int32_t slot = 0; slot < kSlotCount; ++slot) {
    if (monsters[slot].alive && monsters[slot].behaviour) monsters[slot].behaviour(slot);
  }
}

bool updateIfDue(RoundTimer& timer, bool withPlayer) {
  if (platform::tickCount() - timer.lastUpdateTick <= kUpdateIntervalMs) return false;
  updateTick(withPlayer);
  timer.lastUpdateTick = platform::tickCount();
  return true;
}

bool titlePass(bool& countdownPending) {
  const bool clicked = mouseButtonPressed();
  countdownPending = clicked;
  drawImage(0, 0, &assets.backgroundImage, kPlainCopy);
  gfx::drawText(425, 192, "Click To Dream.");
  stepAfter(titleFrameTime, 120, titleFrame);
  titleFrame %= 4;
  drawSprite(sleepX, sleepY, assets.sleepImages[titleFrame]);
  gfx::showFrame();
  return clicked;
}

void playingPass(RoundTimer& timer) {
  updateIfDue(timer, true);
  drawFrame();
  gfx::showFrame();
}

void showCountdown() {
  drawFrame();
  gfx::drawText(425, 192, "Ready To Dream?");
  gfx::showFrame();
  platform::sleepMs(1000);
  for (char digit : {'3', '2', '1'}) {
    drawFrame();
    gfx::drawChar(775, 192, digit);
    gfx::showFrame();
    platform::sleepMs(1000);
  }
}

void drawGameOverTexts() {
  gfx::drawText(450, 192, "Another Dream?");
  gfx::drawText(275, 384, "Click to dream again.");
  gfx::drawText(450, 576, "Enter to exit.");
  gfx::setFont(50, 0, "Consolas");
  gfx::drawText(375, 768, "Or close the window yourself(doge)");
  gfx::setFont(100, 0, "Consolas");
}

GameOverChoice gameOverPass(RoundTimer& timer) {
  updateIfDue(timer, false);
  drawFrame();
  drawGameOverTexts();
  gfx::showFrame();
  if (mouseButtonPressed()) return GameOverChoice::kAnotherRound;
  if (platform::keyPressed(platform::kVkReturn)) return GameOverChoice::kLeave;
  return GameOverChoice::kStay;
}

bool playRound(bool& countdownPending) {
  resetRound();
  RoundTimer timer;
  while (player.hitPoints > 0) {
    playingPass(timer);
    if (countdownPending) {
      showCountdown();
      countdownPending = false;
    }
  }
  for (;;) {
    switch (gameOverPass(timer)) {
      case GameOverChoice::kAnotherRound:
        startUp();
        countdownPending = true;
        return true;
      case GameOverChoice::kLeave:
        return false;
      case GameOverChoice::kStay:
        break;
    }
  }
}

int gameMain() {
  windowHandle = gfx::openGraphics(1600, 960, 0);
  startUp();
  gfx::beginDeferredShow();
  bool countdownPending = false;
  while (!titlePass(countdownPending)) {
  }
  while (playRound(countdownPending)) {
  }
  gfx::drawText(275, 192, "Thanks for your play.");
  gfx::showFrame();
  platform::sleepMs(1000);
  gfx::endDeferredShow();
  gfx::closeGraphics();
  return 0;
}
