// The game clock over the platform's tick count: a running total of stopped time.
#include "game/world/game_clock.h"

#include "platform/seam/clock.h"

namespace {

std::uint64_t stoppedTotal = 0;
std::uint64_t stoppedAt = 0;
bool stopped = false;

}  // namespace

std::uint64_t gameTickCount() {
  if (stopped) return stoppedAt - stoppedTotal;
  return platform::tickCount() - stoppedTotal;
}

void stopGameClock() {
  if (stopped) return;
  stoppedAt = platform::tickCount();
  stopped = true;
}

void startGameClock() {
  if (!stopped) return;
  stoppedTotal += platform::tickCount() - stoppedAt;
  stopped = false;
}

bool gameClockStopped() { return stopped; }

void resetGameClock() {
  stoppedTotal = 0;
  stoppedAt = 0;
  stopped = false;
}

GameClockState gameClockState() { return {stoppedTotal, stoppedAt, stopped}; }

void setGameClockState(const GameClockState& state) {
  stoppedTotal = state.stoppedTotal;
  stoppedAt = state.stoppedAt;
  stopped = state.stopped;
}
