// Shared set-up of the world's tests, which link the world alone: no catalogue, no sound
// device, no window. Pictures owned by the tests stand in for the catalogue's, with the sizes
// a fixture chooses; the table of kinds has the game's four codes and traits (no behaviours).
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <type_traits>

#include "game/world/drawing_counters.h"
#include "game/world/game_state.h"
#include "game/world/lists.h"
#include "game/world/monster_kinds.h"
#include "game/world/rule_sizes.h"
#include "game/world/world_pictures.h"
#include "graphics/image.h"
#include "platform/base/random.h"
#include "platform/fake/fake_platform.h"

namespace test_world {

constexpr std::uint64_t kStartTick = 1000000;

// The sizes a fixture gives the stand-in pictures; body and attack per kind code 1 to 4.
struct WorldSizes {
  Size player, meal, playerShot, bullet, bomb, blast;
  Size body[4], attack[4];
};

struct StandInPictures {
  IMAGE bomb;
  IMAGE bullets[12];
  IMAGE blasts[27];
  IMAGE bodies[4];
  IMAGE attacks[4];
};

inline StandInPictures& standIns() {
  static StandInPictures pictures;
  return pictures;
}

// Sizes the stand-ins, fills the rules' sizes and pictures, and makes the four kinds the
// table of kinds.
inline void useStandInWorld(const WorldSizes& s) {
  StandInPictures& p = standIns();
  p.bomb.resize(s.bomb.width, s.bomb.height);
  for (IMAGE& b : p.bullets) b.resize(s.bullet.width, s.bullet.height);
  for (IMAGE& b : p.blasts) b.resize(s.blast.width, s.blast.height);
  RuleSizes& r = ruleSizes;
  r.player = s.player;
  r.meal = s.meal;
  r.playerShot = s.playerShot;
  for (Size& b : r.enemyShots) b = s.bullet;
  r.bomb = s.bomb;
  r.blast = s.blast;
  r.kinds.clear();
  for (int k = 0; k < 4; ++k) {
    p.bodies[k].resize(s.body[k].width, s.body[k].height);
    p.attacks[k].resize(s.attack[k].width, s.attack[k].height);
    r.kinds.push_back(KindSizes{std::int8_t(k + 1), s.body[k], s.attack[k]});
  }
  worldPictures = WorldPictures{&p.bomb, p.bullets, p.blasts};
  static MonsterKindRow rows[4] = {};
  const AttackEnd ends[4] = {AttackEnd::kLastPicture, AttackEnd::kVolley, AttackEnd::kLastPicture,
                             AttackEnd::kLastPicture};
  for (int k = 0; k < 4; ++k) {
    rows[k].code = std::int8_t(k + 1);
    rows[k].moveFrames = MonsterAnimation{&p.bodies[k], 0, 1};
    rows[k].attackFrames = MonsterAnimation{&p.attacks[k], 0, 1};
    rows[k].hurtFrames = rows[k].moveFrames;
    rows[k].attackEnd = ends[k];
    rows[k].movesWhileAttacking = k == 0;
  }
  useMonsterKinds(rows, 4);
}

// A living monster of the kind in the slot, idle, its pictures the kind's stand-ins.
inline Monster& placeKind(int slot, std::int8_t kind, float x, float y) {
  Monster& m = monsters[slot];
  m = Monster{};
  const MonsterKindRow* row = findMonsterKind(kind);
  if (row) {
    m.moveFrames = row->moveFrames;
    m.attackFrames = row->attackFrames;
    m.hurtFrames = row->hurtFrames;
  }
  m.alive = 1;
  m.kind = kind;
  m.x = x;
  m.y = y;
  m.state = kMonsterIdle;
  return m;
}

// A score of '0', as a round starts with.
inline void freshScore() {
  freeScore();
  scoreHead = scoreTail = static_cast<ScoreDigit*>(std::calloc(1, sizeof(ScoreDigit)));
  scoreHead->digit = '0';
}

// The score spelt from scoreHead along next.
inline std::string scoreText() {
  std::string text;
  for (const ScoreDigit* d = scoreHead; d; d = d->next) text += d->digit;
  return text;
}

// A player ready to act: the values of a fresh round at a chosen place.
inline void readyPlayerAt(float x, float y) {
  player.hitPoints = 50;
  player.damage = 3;
  player.energy = 150;
  player.speed = 5;
  player.ammo = 30;
  player.invulnerable = 0;
  player.state = Free;
  player.x = x;
  player.y = y;
}

// A shot appended to its list: the player's 20 pixels a pass, an enemy's 10.
template <typename Shot>
Shot* addShot(Shot*& head, float x, float y, double heading, std::int32_t damage, IMAGE* image) {
  auto* shot = static_cast<Shot*>(std::calloc(1, sizeof(Shot)));
  shot->x = x;
  shot->y = y;
  shot->speed = std::is_same<Shot, PlayerShot>::value ? 20 : 10;
  shot->damage = damage;
  shot->heading = heading;
  shot->image = image;
  appendAtTail(head, shot);
  return shot;
}

template <typename Element>
int listLength(const Element* head) {
  int n = 0;
  for (; head; head = head->next) ++n;
  return n;
}

// Program-start world with the given sizes, a fake clock well past zero, no key held.
class WorldTest : public ::testing::Test {
 protected:
  explicit WorldTest(const WorldSizes& sizes) : sizes_(sizes) {}
  void SetUp() override {
    clearGameState();
    clearDrawingCounters();
    useStandInWorld(sizes_);
    platform::fake::releaseAll();
    platform::fake::setTickCount(kStartTick);
    platform::randomSeed(12345);
  }
  void TearDown() override {
    clearGameState();
    platform::fake::releaseAll();
  }

 private:
  WorldSizes sizes_;
};

}  // namespace test_world

// The rules tests' world: the player 60 x 80, the shark 100 x 50 (attack 60 high), the plane
// 80 x 40, small shots, a 20-pixel bomb and a 100-pixel blast.
namespace rules_world {
using namespace test_world;

constexpr int kPlayerW = 60;
constexpr int kPlayerH = 80;
constexpr WorldSizes kSizes{{kPlayerW, kPlayerH}, {40, 30}, {10, 10}, {10, 10}, {20, 20}, {100, 100},
                            {{100, 50}, {120, 80}, {80, 40}, {110, 120}}, {{100, 60}, {120, 80}, {80, 40}, {110, 120}}};

// A monster of the given kind standing idle at (x, y): damage 4, speed 2.
inline void placeMonster(int slot, float x, float y, std::int32_t hitPoints = 100, std::int8_t kind = 1) {
  Monster& m = placeKind(slot, kind, x, y);
  m.hitPoints = hitPoints;
  m.damage = 4;
  m.speed = 2;
}

class RulesWorld : public WorldTest {
 protected:
  RulesWorld() : WorldTest(kSizes) {}

  static void freshPlayerAt(float x, float y) { readyPlayerAt(x, y); }
};

}  // namespace rules_world

// The shot tests' world: larger monsters, 20-pixel bullets, a 30 x 10 player shot.
namespace shots_world {
using namespace test_world;

constexpr std::uint64_t kStart = kStartTick;
constexpr int kPlayerW = 60, kPlayerH = 80;
constexpr int kSharkW = 100, kSharkH = 60;
constexpr WorldSizes kSizes{{kPlayerW, kPlayerH}, {40, 30}, {30, 10}, {20, 20}, {40, 40}, {200, 200},
                            {{kSharkW, kSharkH}, {120, 80}, {140, 70}, {110, 120}},
                            {{kSharkW, 70}, {120, 80}, {140, 70}, {110, 120}}};

// A living monster of the given kind code in the slot, idle, its timer fresh.
inline Monster& placeMonster(int slot, std::int8_t kind, float x, float y, std::int32_t hitPoints = 20,
                             std::int32_t speed = 4, std::int32_t damage = 5) {
  Monster& m = placeKind(slot, kind, x, y);
  m.hitPoints = hitPoints;
  m.speed = speed;
  m.damage = damage;
  m.actionTime = kStart;
  return m;
}

inline PlayerShot* addPlayerShot(float x, float y, double heading, std::int32_t damage) {
  return addShot(playerShots, x, y, heading, damage, &standIns().bullets[0]);
}

inline EnemyShot* addEnemyShot(float x, float y, double heading, std::int32_t damage) {
  return addShot(enemyShots, x, y, heading, damage, &standIns().bullets[0]);
}

// A healthy player at (700, 500) with a score of '0'.
class ShotsWorld : public WorldTest {
 protected:
  ShotsWorld() : WorldTest(kSizes) {}
  void SetUp() override {
    WorldTest::SetUp();
    player.hitPoints = 50;
    player.speed = 5;
    player.x = 700;
    player.y = 500;
    player.state = Free;
    freshScore();
  }
};

}  // namespace shots_world
