// Seam traffic shaped like the game's, for the replay tests and benchmark: about 1,800
// passes a second; each pass reads the clock, the keys its drawing asks for (with the
// game's short cuts: 'D' only when Right is up) and the clock once per animation drawn
// (player, sleeper, monsters, bombs); a world update every 10 ms reads the clock again,
// every control key and a clock per living monster, a shot reads the cursor; a state and
// a frame digest once a second, one sleep of a second a minute.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/seam/input.h"
#include "platform/replay/replay_format.h"

namespace replay_traffic {

using Pass = std::vector<platform::ReplayEvent>;
using Passes = std::vector<Pass>;

inline platform::ReplayEvent clockRead(std::uint64_t ms) { return {ms, platform::ReplayEventKind::kClock, 0}; }
inline platform::ReplayEvent keyQuery(int key, bool pressed) {
  return {pressed ? 1u : 0u, platform::ReplayEventKind::kKey, std::uint8_t(key)};
}
inline platform::ReplayEvent cursorRead(int x, int y) {
  return {platform::packCursor(x, y), platform::ReplayEventKind::kCursor, 0};
}
inline platform::ReplayEvent seedRead(std::uint64_t seconds) { return {seconds, platform::ReplayEventKind::kSeed, 0}; }
inline platform::ReplayEvent valueOf(std::uint8_t tag, std::uint64_t value) {
  return {value, platform::ReplayEventKind::kValue, tag};
}
inline platform::ReplayEvent digestOf(std::uint8_t tag, std::uint64_t value) {
  return {value, platform::ReplayEventKind::kDigest, tag};
}

// A small deterministic generator, so every run measures the same traffic.
struct Dice {
  std::uint64_t state;
  std::uint32_t next() {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    return std::uint32_t(state >> 33);
  }
  bool oneIn(std::uint32_t n) { return next() % n == 0; }
};

inline Passes gameShaped(std::size_t passCount, std::uint64_t seed) {
  using namespace platform;
  static const int kControlKeys[] = {'W', 'A', 'S', 'D', kVkUp, kVkLeft, kVkDown, kVkRight,
                                     'H', '3', 'J', '1', 'K', '2', 'E', kVkLButton};
  Dice dice{seed};
  Passes passes(passCount);
  bool held[kVirtualKeyCount] = {};
  std::uint64_t micros = 5'000'000'000ull, lastUpdate = 0, digestSecond = 0;
  int cursorX = 800, cursorY = 400, monsters = 3, bombs = 0;
  for (std::size_t p = 0; p < passCount; ++p) {
    Pass& pass = passes[p];
    micros += 450 + dice.next() % 220;
    if (p % 108'000 == 54'000) micros += 1'000'000;
    const std::uint64_t now = micros / 1000;
    if (p == 0) pass.push_back(seedRead(1'700'000'000 + seed));
    // The player changes what they hold every few hundred milliseconds.
    if (dice.oneIn(500)) held[kControlKeys[dice.next() % 16]] ^= true;
    if (dice.oneIn(40)) {
      cursorX += int(dice.next() % 41) - 20;
      cursorY += int(dice.next() % 41) - 20;
    }
    pass.push_back(clockRead(now));
    if (now - lastUpdate > 10) {
      lastUpdate = now;
      pass.push_back(clockRead(now));
      for (int key : kControlKeys) pass.push_back(keyQuery(key, held[key]));
      if (held[kVkLButton] && dice.oneIn(4)) pass.push_back(cursorRead(cursorX, cursorY));
      if (dice.oneIn(300)) monsters = 1 + int(dice.next() % 7);
      if (dice.oneIn(150)) bombs = int(dice.next() % 4);
      for (int m = 0; m < monsters; ++m) pass.push_back(clockRead(now));
    }
    for (int a = 0; a < 2 + monsters + bombs; ++a) pass.push_back(clockRead(now));
    pass.push_back(keyQuery(kVkRight, held[kVkRight]));
    if (!held[kVkRight]) pass.push_back(keyQuery('D', held['D']));
    pass.push_back(keyQuery(kVkLeft, held[kVkLeft]));
    if (!held[kVkLeft]) pass.push_back(keyQuery('A', held['A']));
    pass.push_back(keyQuery('H', held['H']));
    if (now / 1000 != digestSecond) {
      digestSecond = now / 1000;
      pass.push_back(digestOf(1, std::uint64_t(dice.next()) << 32 | dice.next()));
      pass.push_back(digestOf(2, std::uint64_t(dice.next()) << 32 | dice.next()));
    }
  }
  return passes;
}

}  // namespace replay_traffic
