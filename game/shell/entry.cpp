// The entry: the title screen until a click, then rounds until Enter on the game-over
// screen, then the farewell. Everything runs on the main thread in deferred drawing mode.
#include "game/shell/entry.h"

#include "game/shell/pause.h"
#include "game/shell/screens.h"
#include "game/shell/startup.h"
#include "game/world/game_state.h"
#include "graphics/draw.h"
#include "graphics/window.h"
#include "platform/clock.h"

bool playRound(bool& countdownPending) {
  resetRound();
  startPauseWatch();
  RoundTimer timer;
  while (player.hitPoints > 0) {
    playingPass(timer);
    if (countdownPending) {
      showCountdown();
      countdownPending = false;
    }
    if (pauseAsked()) pauseUntilResumed();
  }
  startGameOverScreen();
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
  startTitleScreen();
  while (!titlePass(countdownPending)) {
  }
  while (playRound(countdownPending)) {
  }
  gfx::drawText(275, 192, "Thanks for your play.");
  showPass();
  platform::sleepMs(1000);
  gfx::endDeferredShow();
  gfx::closeGraphics();
  return 0;
}
