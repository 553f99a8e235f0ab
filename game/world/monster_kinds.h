// The table of monster kinds: one row per kind holds everything that differs between them,
// so the spawner, the world pass, the animation step and the monster table's check read it
// instead of switching on kind codes. The rows are written beside the behaviours, which they
// name (monsters/kind_table.cpp), and handed to the world at start-up; tests hand their own.
#pragma once
#include <cstddef>
#include <cstdint>

#include "game/world/records.h"

// How a kind's attack animation ends (a run of one picture never ends by itself).
enum class AttackEnd : std::int8_t {
  kLastPicture,  // once its last picture has been chosen
  kVolley,       // after 24 frame steps, cycling its five pictures (the cloud's volley)
};

// Where a kind's wander heads (chooseWanderTarget).
enum class Wander : std::int8_t {
  kTowardPlayer,    // toward the player give or take a jitter, reach picture widths away
  kAwayFromPlayer,  // away from the player, reach picture widths back
  kNearbyPoint,     // a random offset of up to reach - 1 pixels on each axis
};

struct MonsterKindRow {
  std::int8_t code;  // the kind code in monsterData.txt
  void (*behaviour)(std::int32_t slot);
  MonsterAnimation moveFrames;    // the first picture is the slot's box for every rule
  MonsterAnimation attackFrames;  // the first picture's height is a dash's contact height
  MonsterAnimation hurtFrames;
  AttackEnd attackEnd;
  bool movesWhileAttacking;  // the world pass steps it while it attacks (the shark's dash)
  Wander wander;
  std::int32_t wanderReach;
};

// Makes rows[0 .. count - 1] the table of kinds (the rows must outlive their use).
void useMonsterKinds(const MonsterKindRow* rows, std::size_t count);

// The row of a kind code, or null for a code no kind has.
const MonsterKindRow* findMonsterKind(std::int8_t code);

// The table's rows in order; count receives their number.
const MonsterKindRow* monsterKindRows(std::size_t& count);
