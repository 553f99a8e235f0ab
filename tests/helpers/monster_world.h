// Test support for the monster rules: a fresh game state on the fake clock, catalogue
// pictures of known sizes (each filled with its own opaque colour so drawings can be told
// apart), a kind table, and helpers that place monsters and shots directly.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>

#include "game/assets/catalogue.h"
#include "game/monsters/kind_table.h"
#include "game/monsters/spawner.h"
#include "game/shell/catalogue_measures.h"
#include "game/world/drawing_counters.h"
#include "game/world/game_state.h"
#include "game/world/lists.h"
#include "tests/helpers/world_fixture.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/base/random.h"
#include "platform/seam/clock.h"
#include "platform/fake/fake_platform.h"

namespace monster_test {

constexpr std::uint64_t kStart = 1000000;

// Sizes used throughout the monster tests.
constexpr int kPlayerW = 60, kPlayerH = 80;
constexpr int kSharkW = 100, kSharkH = 60, kSharkAtkH = 70;
constexpr int kCloudW = 120, kCloudH = 80;
constexpr int kPlaneW = 140, kPlaneH = 70;
constexpr int kKingW = 110, kKingH = 120;
constexpr int kBombW = 40, kBombH = 40;
constexpr int kBlastSize = 200;
constexpr int kBulletW = 20, kBulletH = 20;

// Gives the image the size and fills it with one opaque colour.
inline void paint(IMAGE& image, int w, int h, std::uint32_t rgb) {
  image.resize(w, h);
  std::uint32_t* words = pixelBuffer(&image);
  for (int i = 0; i < w * h; ++i) words[i] = 0xFF000000u | rgb;
}

// Repainted for every test suite: other suites may load the real pictures in between.
inline void sizeCatalogue() {
  std::uint32_t colour = 0x010203;
  auto next = [&colour] { return colour += 0x030507; };
  for (IMAGE& i : assets.norImages) paint(i, kPlayerW, kPlayerH, next());
  for (IMAGE& i : assets.sharkMoveImages) paint(i, kSharkW, kSharkH, next());
  paint(assets.sharkAtkImage, kSharkW, kSharkAtkH, next());
  paint(assets.sharkHittedImage, kSharkW, kSharkH, next());
  paint(assets.blackCloudImage, kCloudW, kCloudH, next());
  for (IMAGE& i : assets.bcAtkImages) paint(i, kCloudW, kCloudH, next());
  paint(assets.bcHittedImage, kCloudW, kCloudH, next());
  paint(assets.planeImage, kPlaneW, kPlaneH, next());
  for (IMAGE& i : assets.kingImages) paint(i, kKingW, kKingH, next());
  for (IMAGE& i : assets.kingAtkImages) paint(i, kKingW, kKingH, next());
  paint(assets.boomImage, kBombW, kBombH, next());
  for (IMAGE& i : assets.blastImages) paint(i, kBlastSize, kBlastSize, next());
  for (IMAGE& i : assets.enmBulletImages) paint(i, kBulletW, kBulletH, next());
  paint(assets.plrBulletImage, 30, 10, next());
  useGameMonsterKinds();
  takeCatalogueMeasures();
}

// Kind records: damage, hit points, speed and code per kind.
inline void standardKinds() {
  monsterKinds[0] = MonsterKind{30, 6, 3, kShark};
  monsterKinds[1] = MonsterKind{20, 4, 2, kBlackCloud};
  monsterKinds[2] = MonsterKind{25, 5, 2, kPlane};
  monsterKinds[3] = MonsterKind{40, 3, 2, kKing};
}

// Reseeds rand with the first seed whose next rand() % modulus satisfies the predicate,
// so a test can take one branch of a random rule whatever the C library's sequence is.
inline void seedSoNext(int modulus, const std::function<bool(int)>& wanted) {
  for (unsigned seed = 1; seed < 100000; ++seed) {
    platform::randomSeed(seed);
    if (wanted(platform::randomNumber() % modulus)) {
      platform::randomSeed(seed);
      return;
    }
  }
  FAIL() << "no seed gives the wanted draw";
}

// A living monster of the given kind code in the slot, idle, its timer fresh.
inline Monster& placeMonster(int slot, std::int8_t kind, float x, float y, std::int32_t hitPoints = 20,
                             std::int32_t speed = 4, std::int32_t damage = 5) {
  Monster& m = monsters[slot];
  m = Monster{};
  EXPECT_TRUE(setUpMonsterKind(m, kind));
  m.alive = 1;
  m.kind = kind;
  m.x = x;
  m.y = y;
  m.hitPoints = hitPoints;
  m.speed = speed;
  m.damage = damage;
  m.state = kMonsterIdle;
  m.actionTime = platform::tickCount();
  return m;
}

inline PlayerShot* addPlayerShot(float x, float y, double heading, std::int32_t damage) {
  return test_world::addShot(playerShots, x, y, heading, damage, &assets.plrBulletImage);
}

inline EnemyShot* addEnemyShot(float x, float y, double heading, std::int32_t damage) {
  return test_world::addShot(enemyShots, x, y, heading, damage, &assets.enmBulletImages[0]);
}

using test_world::listLength;

// Runs the behaviour of every living slot 0 to 6, as one update tick does.
inline void runBehaviours() {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (monsters[slot].alive && monsters[slot].behaviour) monsters[slot].behaviour(slot);
  }
}

// A fresh state: the window's working image open (headless), the clock at kStart, a
// seeded generator, the standard kinds and a healthy player at (700, 500).
class MonsterWorld : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static bool opened = false;
    if (!opened) {
      gfx::openGraphics(1600, 960, 0);
      opened = true;
    }
    sizeCatalogue();
  }

  void SetUp() override {
    clearGameState();
    clearDrawingCounters();
    takeCatalogueMeasures();
    platform::fake::setTickCount(kStart);
    platform::randomSeed(7);
    standardKinds();
    player.hitPoints = 50;
    player.speed = 5;
    player.x = 700;
    player.y = 500;
    player.state = Free;
    scoreHead = scoreTail = static_cast<ScoreDigit*>(std::calloc(1, sizeof(ScoreDigit)));
    scoreHead->digit = '0';
  }

  void TearDown() override {
    clearGameState();
    clearDrawingCounters();
  }

  static void advance(std::uint64_t ms) { platform::fake::advanceTicks(ms); }
};

}  // namespace monster_test
