// Rules shared by the player and the monsters: the corner hit test, the arena test with its
// push toward (800, 380), single move steps, and the two damage operations with knock-back.
#pragma once
#include <cstdint>

class IMAGE;

constexpr double kPi = 3.141592653589793;

// Heading of the slope dy / dx: atanf of the single-precision ratio, widened, plus pi when
// turnAround. Two coinciding points (dx and dy both 0) give 0, never NaN.
double headingOfSlope(float dy, float dx, bool turnAround);

bool rectsOverlap(std::int32_t ax, std::int32_t ay, const IMAGE& image, std::int32_t left, std::int32_t right,
                  std::int32_t top, std::int32_t bottom);
bool keepInArena(std::int32_t x, std::int32_t y, const IMAGE& image, std::int32_t who);
void monsterStep(std::int32_t slot);
void playerStep();
void hitPlayer(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom, std::int32_t ax,
               std::int32_t ay, std::int32_t damage, std::int8_t kind);
void hitMonstersInArea(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom,
                       std::int8_t kind, std::int32_t damage, std::int32_t ax, std::int32_t ay);
