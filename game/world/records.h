// The game's records: the player, the monster kinds and slots, and the elements of the
// five lists (player shots, enemy shots, bombs, meat, score digits). Positions are window
// pixels of the top-left corner (y downward); headings are radians from +x toward +y;
// tick counts are milliseconds of the game clock (game_clock.h).
#pragma once
#include <cstdint>
#include <vector>

class IMAGE;

enum PlayerState : std::int8_t {
  Free = 0,
  Striking = 1,
  Dashing = 2,
  KnockedBack = 4,
  Shooting = 5,
  Eating = 6,
};

struct Player {
  std::int32_t hitPoints;
  std::int32_t damage;
  std::int32_t energy;
  float x, y;
  float targetX, targetY;
  double heading;
  std::int32_t speed;
  std::int32_t stepSpeed;
  std::int8_t ammo;
  PlayerState state;
  std::uint8_t invulnerable;
  std::uint8_t facingRight;
  std::int32_t specialCooldown;
  std::uint64_t lastAttackTime;
  std::int32_t aimX, aimY;
};

struct MonsterKind {
  std::int32_t hitPoints;
  std::int32_t damage;
  std::int32_t speed;
  std::int32_t kind;  // only the low byte is used: 1 shark, 2 black cloud, 3 plane, 4 king
};

struct MonsterAnimation {
  IMAGE* images;  // first of a run of consecutive catalogue images (not owned)
  std::int8_t frame;
  std::int8_t frameCount;
};

struct Monster {
  std::int32_t hitPoints;
  std::uint8_t alive;
  std::int32_t damage;
  float x, y;
  float targetX, targetY;
  double heading;
  std::int32_t speed;
  std::int32_t stepSpeed;
  std::int8_t state;  // 0 idle, 1 attacking, 4 moving
  void (*behaviour)(std::int32_t slot);
  std::uint8_t hurt;
  MonsterAnimation moveFrames;
  MonsterAnimation attackFrames;
  MonsterAnimation hurtFrames;
  std::uint64_t actionTime;
  std::uint64_t frameTime;
  std::int8_t kind;
};

struct PlayerShot {
  float x, y;
  std::int32_t speed;
  std::int32_t damage;
  double heading;
  IMAGE* image;
  PlayerShot* next;
  PlayerShot* prev;
};

struct EnemyShot {
  float x, y;
  std::int32_t speed;
  std::int32_t damage;
  double heading;
  IMAGE* image;
  EnemyShot* next;
  EnemyShot* prev;
};

struct Boom {
  std::int32_t x, y;
  std::int32_t speed;
  std::int32_t damage;
  std::int32_t fuse;
  IMAGE* image;
  Boom* next;
  Boom* prev;
  std::int32_t targetX, targetY;
  double heading;
  std::uint8_t moving;
  std::uint8_t blastSoundPlayed;
  std::int32_t blastFrame;
  std::int32_t blastSize;
  std::uint64_t blastFrameTime;
  std::uint8_t kicked;      // flying from a kick: straight from (kickX, kickY), not toward the drop's target
  std::int32_t kickX, kickY;
  std::int32_t kickFlown;   // pixels flown since that kick
};

struct Meat {
  std::int32_t x, y;
  std::int8_t frame;
  std::uint64_t frameTime;
  std::int64_t lifetime;
  Meat* prev;
  Meat* next;
};

struct ScoreDigit {
  char digit;
  ScoreDigit* next;  // toward less significant digits
  ScoreDigit* prev;  // toward more significant digits
};

// Kind codes of MonsterKind::kind.
enum MonsterKindCode : std::int8_t { kShark = 1, kBlackCloud = 2, kPlane = 3, kKing = 4 };

// Monster states.
enum MonsterState : std::int8_t { kMonsterIdle = 0, kMonsterAttacking = 1, kMonsterMoving = 4 };

constexpr int kSlotCount = 7;
constexpr int kKindCount = 4;

// The catalogue pictures the world's rules hand to records: boom.png, the twelve enemy
// bullets in catalogue order, blast1.png to blast27.png.
struct WorldPictures {
  IMAGE* bomb;
  IMAGE* enemyShots;
  IMAGE* blasts;
};

// A picture placed for this pass's drawing; mirrored: drawn left-right mirrored.
struct ShownSprite {
  std::int32_t x, y;
  const IMAGE* image;
  std::uint8_t mirrored;
};

// What the animation step chose to show in this pass, for the drawing to read: the bar values
// as the bars show them (before a meal that ends in this pass), the player's picture, each
// slot's picture (null: none), the bombs and blasts in list order (a blast shown for the last
// time, whose bomb is gone, included) and each piece of meat's picture index in list order.
struct ShownPictures {
  std::int32_t hitPoints, ammo, energy, specialCooldown;
  ShownSprite player;
  const IMAGE* monsters[kSlotCount];
  std::vector<ShownSprite> bombs;
  std::vector<std::int8_t> meatFrames;
  bool crosshair = false;  // a pad aims: the crosshair marks the aim point
  std::int32_t crosshairX = 0, crosshairY = 0;
};
