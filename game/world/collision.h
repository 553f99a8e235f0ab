// Collision rules shared by the player, the monsters, shots and bombs: the corner hit test
// and the arena test with its push toward the field's centre (800, 380).
#pragma once
#include <cstdint>

#include "game/world/records.h"

class IMAGE;

// True when a corner of the rectangle (ax, ay, image width, image height) lies in the
// closed box left..right x top..bottom (corners tried top-left, top-right, bottom-left,
// bottom-right).
bool rectsOverlap(std::int32_t ax, std::int32_t ay, const IMAGE& image, std::int32_t left, std::int32_t right,
                  std::int32_t top, std::int32_t bottom);

// True when the box (x, y, image size) lies within the field. Otherwise pushes the entity
// (who -1: the player, 0..6: a monster slot) 10 pixels toward (800, 380) and returns false.
bool keepInArena(std::int32_t x, std::int32_t y, const IMAGE& image, std::int32_t who);

// The first picture of a run, which is the box of a slot for every rule; a 0 x 0 picture
// when the run has none.
const IMAGE& firstPicture(const MonsterAnimation& run);

// A 0 x 0 picture, the box of a bomb or slot without one.
const IMAGE& emptyPicture();
