// The screens: title, countdown, playing and game over. Each pass composes a whole frame
// and shows it; the title and game-over passes then read the buttons they offer.
#include "game/shell/screens.h"

#include "game/assets/catalogue.h"
#include "game/assets/sprites.h"
#include "game/world/animation_clock.h"
#include "game/render/frame.h"
#include "game/shell/frame.h"
#include "game/shell/pause.h"
#include "game/shell/round_score.h"
#include "game/world/run_state.h"
#include "game/shell/world_digest.h"
#include "graphics/draw.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/seam/clock.h"
#include "platform/seam/frame_pacing.h"
#include "platform/seam/input.h"
#include "platform/replay/session.h"

namespace {

constexpr std::uint32_t kPlainCopy = 0x00CC0020;

std::int32_t titleFrame = 0;
std::uint64_t titleFrameTime = 0;

bool mouseButtonPressed() {
  return platform::keyPressed(platform::kVkLButton) || platform::keyPressed(platform::kVkRButton);
}

constexpr std::uint32_t kCountdownSliceMs = 50;
constexpr std::uint32_t kAwayRestMs = 250;

// One second of the countdown in slices that watch for a pause; the slices left wait after it.
void countdownSecond() {
  for (std::uint32_t waited = 0; waited < 1000; waited += kCountdownSliceMs) {
    if (pauseAsked()) pauseUntilResumed();
    platform::sleepMs(kCountdownSliceMs);
  }
}

// A pass of a round: its frame composed and shown when the pass composes, else only the
// animation step, which keeps every state change of the drawing in step.
void composeOrStep() {
  if (platform::composesThisPass()) {
    drawFrame();
    showPass();
  } else {
    stepAnimations();
    endPassUnshown();
  }
}

}  // namespace

void showPass() {
  gfx::showFrame();
  endPassUnshown();
}

void endPassUnshown() { platform::replay::endPass(worldDigest, [] { return frameDigest(); }); }

void restWhileAway() {
  while (platform::keyDown(platform::kVkWindowAway)) {
    platform::restUntilInput(kAwayRestMs);
    endPassUnshown();
  }
}

void startTitleScreen() {
  platform::forgetPresses(platform::kVkLButton);
  platform::forgetPresses(platform::kVkRButton);
}

bool titlePass(bool& countdownPending) {
  restWhileAway();
  const bool clicked = mouseButtonPressed();
  countdownPending = clicked;
  if (platform::composesThisPass()) {
    drawImage(0, 0, &assets.backgroundImage, kPlainCopy);
    gfx::drawText(425, 192, "Click To Dream.");
    stepAfter(titleFrameTime, 120, titleFrame);
    titleFrame %= 4;
    drawSprite(sleepX, sleepY, assets.sleepImages[titleFrame]);
    showPass();
  } else {
    endPassUnshown();
  }
  platform::restBeforeNextPass(platform::kNoUpdateDue);
  return clicked;
}

void playingPass(RoundTimer& timer) {
  updateIfDue(timer, true);
  composeOrStep();
  platform::restBeforeNextPass(msToNextUpdate(timer));
}

void showCountdown() {
  drawFrame();
  gfx::drawText(425, 192, "Ready To Dream?");
  showPass();
  countdownSecond();
  for (char digit : {'3', '2', '1'}) {
    drawFrame();
    gfx::drawChar(775, 192, digit);
    showPass();
    countdownSecond();
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

void startGameOverScreen() {
  platform::forgetPresses(platform::kVkLButton);
  platform::forgetPresses(platform::kVkRButton);
  platform::forgetPresses(platform::kVkReturn);
}

GameOverChoice gameOverPass(RoundTimer& timer, const TablePlace& place) {
  restWhileAway();
  updateIfDue(timer, false);
  if (platform::composesThisPass()) {
    drawFrame();
    drawGameOverTexts();
    drawTablePlace(place);
    showPass();
  } else {
    stepAnimations();
    endPassUnshown();
  }
  platform::restBeforeNextPass(msToNextUpdate(timer));
  if (mouseButtonPressed()) return GameOverChoice::kAnotherRound;
  if (platform::keyPressed(platform::kVkReturn)) return GameOverChoice::kLeave;
  return GameOverChoice::kStay;
}
