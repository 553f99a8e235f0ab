// Damage shared by the player and the monsters: hit points that never wrap, the player hit
// by a contact or a blast, and the area hit of strikes and blasts, each with its knock-back.
#pragma once
#include <cstdint>

// Lowest value hit points are ever given: repeated damage stops here instead of wrapping.
constexpr std::int32_t kHitPointFloor = -1000000000;

// hitPoints - damage in 64 bits, kept within kHitPointFloor .. INT32_MAX.
std::int32_t reducedHitPoints(std::int32_t hitPoints, std::int32_t damage);

// Takes damage from the player's hit points, never below kHitPointFloor. Every rule that
// hurts the player (contacts, blasts, enemy shots) subtracts through this.
void damagePlayer(std::int32_t damage);

// Hurts the player if its box has a corner in the area and it is not invulnerable, and
// starts or extends a knock-back away from (ax, ay); kind 1 contact, 2 blast.
void hitPlayer(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom, std::int32_t ax,
               std::int32_t ay, std::int32_t damage, std::int8_t kind);

// Hurts every living monster with a corner in the area (one shot of ammunition per monster
// hit), kills or knocks them back from (ax, ay), then kicks the bombs in the area away from
// the player; kind 1 strike, 2 blast.
void hitMonstersInArea(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom,
                       std::int8_t kind, std::int32_t damage, std::int32_t ax, std::int32_t ay);
