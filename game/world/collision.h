// Collision rules shared by the player, the monsters, shots and bombs: the corner hit test
// and the arena test with its push toward the field's centre (800, 380).
#pragma once
#include <cstdint>

#include "game/world/rule_sizes.h"

// True when a corner of the rectangle (ax, ay, size) lies in the closed box left..right x
// top..bottom (corners tried top-left, top-right, bottom-left, bottom-right).
bool rectsOverlap(std::int32_t ax, std::int32_t ay, Size size, std::int32_t left, std::int32_t right,
                  std::int32_t top, std::int32_t bottom);

// True when the box (x, y, size) lies within the field. Otherwise pushes the entity (who -1:
// the player, 0..6: a monster slot) 10 pixels toward (800, 380) and returns false.
bool keepInArena(std::int32_t x, std::int32_t y, Size size, std::int32_t who);
