// The entry: the title screen until a click, then rounds until Enter on the game-over
// screen, then the farewell; or one recorded round. Everything runs on the main thread in
// deferred drawing mode.
#include "game/shell/entry.h"

#include "game/shell/pause.h"
#include "game/shell/pause_hint.h"
#include "game/shell/round_opening.h"
#include "game/shell/round_score.h"
#include "game/shell/screens.h"
#include "game/shell/startup.h"
#include "game/world/game_state.h"
#include "graphics/draw.h"
#include "graphics/window.h"
#include "platform/seam/clock.h"
#include "platform/controls/key_names.h"
#include "game/files/round_files.h"

namespace {

// The window; its thread makes the pause line anew whenever the keyboard layout may have
// changed, the window's opening included.
void openWindow() {
  platform::setLayoutListener(refreshPauseHint);
  windowHandle = gfx::openGraphics(1600, 960, 0);
}

}  // namespace

bool playRound(bool& countdownPending) {
  beginRoundFile();
  openRound();
  resetRound();
  startPauseWatch();
  RoundTimer timer;
  // The round's length runs on the game clock from the first pass after the countdown to
  // the end of the update that brought the hit points to 0.
  bool startPending = true;
  std::uint64_t roundStart = 0;
  while (player.hitPoints > 0) {
    playingPass(timer);
    if (startPending) {
      roundStart = timer.lastCheckTick;
      startPending = false;
    }
    if (countdownPending) {
      showCountdown();
      countdownPending = false;
      startPending = true;
    }
    if (pauseAsked()) pauseUntilResumed();
  }
  // The round's file ends with the pass where hit points reached 0; the table keeps it or not.
  const TablePlace place = keepFinishedRound(timer.lastUpdateTick - roundStart, finishRoundFile());
  startGameOverScreen();
  for (;;) {
    switch (gameOverPass(timer, place)) {
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

void playRecordedRound() {
  openWindow();
  loadRun();
  gfx::beginDeferredShow();
  bool countdownPending = true;
  playRound(countdownPending);
}

int gameMain() {
  openWindow();
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
