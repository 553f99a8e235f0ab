// The clock rule every animation step shares: when more than interval ms of the game clock
// have passed since its stamp, a counter moves on by one and is restamped.
#pragma once
#include <cstdint>

#include "game/world/game_clock.h"

template <typename Counter>
void stepAfter(std::uint64_t& stamp, std::uint64_t interval, Counter& counter) {
  const std::uint64_t now = gameTickCount();
  if (now - stamp > interval) {
    counter += 1;
    stamp = now;
  }
}
