// The sizes the world's rules measure with, read from the loaded pictures at every start-up
// (pictures reload before each round, and one that failed to load measures 0 x 0 until a
// later load works). The rules take these named sizes, never pictures.
#pragma once
#include <cstdint>
#include <vector>

#include "game/world/records.h"

struct Size {
  std::int32_t width, height;
};

// A kind's boxes: its first move picture (the slot's box for every rule) and its first
// attack picture (a dash's contact height).
struct KindSizes {
  std::int8_t code;
  Size body;
  Size attack;
};

struct RuleSizes {
  Size player;          // nor1.png: the player box, whatever picture is shown
  Size meal;            // eat1.png: a piece of meat as the player eats it
  Size playerShot;      // plrBullet.png
  Size enemyShots[12];  // the enemy bullet pictures, in the catalogue's order
  Size bomb;            // boom.png
  Size blast;           // blast1.png: the blast square's side is its width
  std::vector<KindSizes> kinds;
};

extern RuleSizes ruleSizes;

// The boxes of a slot's kind; 0 x 0 for a code no kind has.
Size bodySize(const Monster& m);
Size attackSize(const Monster& m);

// The picture size of a shot: the player's shot picture, or the enemy bullet the shot shows.
Size shotSize(const PlayerShot& shot);
Size shotSize(const EnemyShot& shot);
