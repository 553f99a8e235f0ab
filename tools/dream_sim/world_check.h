// Observations of the game state between passes for dream-sim: the consistency check of
// every list and position (--check), list lengths, and the monsters that died.
#pragma once
#include <cstdint>
#include <string>

#include "game/world/records.h"

// Lengths of the five lists right now.
struct ListLengths {
  std::int64_t playerShots = 0;
  std::int64_t enemyShots = 0;
  std::int64_t booms = 0;
  std::int64_t meats = 0;
  std::int64_t scoreDigits = 0;
};

ListLengths measureLists();

// Raises every field of peak to at least the one of now.
void keepPeak(ListLengths& peak, const ListLengths& now);

// Every element reachable from its head with each prev the element before it and no cycle,
// the score's ends open and its tail the last digit, digits '0' to '9', no position or
// heading of the player, a living monster, a shot, a bomb is NaN. Empty when all holds,
// else what broke.
std::string findViolation();

// The score as a number (0 for an empty score list).
std::int64_t scoreValue();

// Remembers the slots before a pass and counts the monsters that died in it. A slot can be
// refilled in the same update that killed its monster (a strike comes before spawning), so
// a slot alive on both sides counts a death when its monster's kind changed or its hit
// points rose (a living monster never gains hit points).
class DeathCounter {
 public:
  void before();
  int deathsSince() const;

 private:
  Monster slots_[kSlotCount] = {};
};
