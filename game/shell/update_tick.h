// One world update of a round and its 10 ms rule: the world is updated at most once per
// pass, when more than 10 ms of the tick count have passed since the end of the previous
// update (no catching up).
#pragma once
#include <cstdint>

// One world update, in this order: the player (not on the game-over screen), the spawner,
// the world pass, the shot hits, then the behaviour of every living slot, slot 0 first.
void updateTick(bool withPlayer);

// Timing of one round: the tick count at the end of the last world update (0 at the start
// of every round, so the first pass always updates), and the game clock as the last pass
// read it to decide.
struct RoundTimer {
  std::uint64_t lastUpdateTick = 0;
  std::uint64_t lastCheckTick = 0;  // the game clock as the last check read it
};

// Runs updateTick(withPlayer) if more than 10 ms have passed since the last update and
// then restamps; returns whether it ran.
bool updateIfDue(RoundTimer& timer, bool withPlayer);

// Milliseconds of the game clock from the last check to the next update due (0 when one is
// due now), without reading the clock again.
std::uint64_t msToNextUpdate(const RoundTimer& timer);
