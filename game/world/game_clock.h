// The game's one clock: every timer of the game (updates, behaviours, cooldowns, animation
// steps, meat) reads gameTickCount(). It runs with the platform's tick count; the shell can
// stop it and start it again, and from then on it reads the platform's time less all the
// time it stood still, so nothing that waits on it moves or jumps across a stop.
#pragma once
#include <cstdint>

// Milliseconds of game time: the platform's tick count less the time the clock was stopped.
// While stopped it keeps the reading it had when it stopped.
std::uint64_t gameTickCount();

// Stops the clock (a second stop while stopped does nothing).
void stopGameClock();

// Starts a stopped clock again (does nothing while it runs).
void startGameClock();

// Whether the clock is stopped.
bool gameClockStopped();

// Puts the clock back as at program start: running, no time stood still (tests).
void resetGameClock();

// The clock's whole state: the time it stood still before, and whether (and since when) it
// stands now. A round inherits it from the rounds before it.
struct GameClockState {
  std::uint64_t stoppedTotal;
  std::uint64_t stoppedAt;
  bool stopped;
};
GameClockState gameClockState();
void setGameClockState(const GameClockState& state);
