// Rules shared by the player and the monsters: the corner hit test, the arena test with its
// push toward (800, 380), single move steps, and the two damage operations with knock-back.
// Positions are floats truncated toward zero wherever an integer is needed (truncToInt);
// move arithmetic is double from the float fields, stored back as floats.
#pragma once
#include <cstdint>

class IMAGE;

constexpr double kPi = 3.141592653589793;

// Lowest value hit points are ever given: repeated damage stops here instead of wrapping.
constexpr std::int32_t kHitPointFloor = -1000000000;

// Heading of the slope dy / dx: atanf of the single-precision ratio, widened, plus pi when
// turnAround. Two coinciding points (dx and dy both 0) give 0, never NaN.
double headingOfSlope(float dy, float dx, bool turnAround);

// A float position truncated toward zero to 32 bits; values beyond the 32-bit range
// saturate and NaN gives 0 (never the undefined conversion).
std::int32_t truncToInt(float value);
std::int32_t truncToInt(double value);

// hitPoints - damage in 64 bits, kept within kHitPointFloor .. INT32_MAX.
std::int32_t reducedHitPoints(std::int32_t hitPoints, std::int32_t damage);

// Takes damage from the player's hit points, never below kHitPointFloor. Every rule that
// hurts the player (contacts, blasts, enemy shots) subtracts through this.
void damagePlayer(std::int32_t damage);

// True when a corner of the rectangle (ax, ay, image width, image height) lies in the
// closed box left..right x top..bottom (corners tried top-left, top-right, bottom-left,
// bottom-right).
bool rectsOverlap(std::int32_t ax, std::int32_t ay, const IMAGE& image, std::int32_t left, std::int32_t right,
                  std::int32_t top, std::int32_t bottom);

// True when the box (x, y, image size) lies within x 0..1600, y 0..760. Otherwise pushes
// the entity (who -1: the player, 0..6: a monster slot) 10 pixels toward (800, 380) and
// returns false.
bool keepInArena(std::int32_t x, std::int32_t y, const IMAGE& image, std::int32_t who);

// One move step of a slot toward its target; ends the move (idle, not hurt) at the target or
// outside the arena; a slot still attacking (a dashing shark) then hits the player.
void monsterStep(std::int32_t slot);

// One step of the player's dash or knock-back; ends it (Free, not invulnerable) at the
// target or outside the arena.
void playerStep();

// Hurts the player if its box has a corner in the area and it is not invulnerable, and
// starts or extends a knock-back away from (ax, ay); kind 1 contact, 2 blast.
void hitPlayer(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom, std::int32_t ax,
               std::int32_t ay, std::int32_t damage, std::int8_t kind);

// Hurts every living monster with a corner in the area (one shot of ammunition per monster
// hit), kills or knocks them back from (ax, ay), then kicks the bombs in the area away from
// the player; kind 1 strike, 2 blast.
void hitMonstersInArea(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom,
                       std::int8_t kind, std::int32_t damage, std::int32_t ax, std::int32_t ay);
