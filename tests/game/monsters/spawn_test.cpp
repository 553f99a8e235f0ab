// Spawning: when slots fill, with which kind and where; the per-kind set-up; how long a
// new monster waits before its first decision; a monster spawned over the field's edge.
#include <cmath>

#include "game/assets/catalogue.h"
#include "game/monsters/behaviours.h"
#include "game/monsters/spawner.h"
#include "game/world/geometry.h"
#include "platform/base/random.h"
#include "tests/helpers/monster_world.h"

using namespace monster_test;

namespace {

class Spawning : public MonsterWorld {};

TEST_F(Spawning, ThreeBusySlotsFillToSevenInOneTickWithKindThenXThenYDraws) {
  placeMonster(0, kShark, 11, 12);
  placeMonster(2, kKing, 21, 22);
  placeMonster(4, kPlane, 31, 32);
  platform::randomSeed(99);
  struct Draw {
    int kind, x, y;
  } expected[4];
  for (Draw& d : expected) {
    d.kind = platform::randomNumber() % 4;
    d.x = platform::randomNumber() % 1450;
    d.y = platform::randomNumber() % 610;
  }
  platform::randomSeed(99);
  advance(5);
  spawnMonsters();
  const int freeSlots[4] = {1, 3, 5, 6};
  for (int i = 0; i < 4; ++i) {
    const Monster& m = monsters[freeSlots[i]];
    const MonsterKind& k = monsterKinds[expected[i].kind];
    EXPECT_TRUE(m.alive) << "slot " << freeSlots[i];
    EXPECT_EQ(m.kind, k.kind) << "slot " << freeSlots[i];
    EXPECT_EQ(m.x, expected[i].x) << "slot " << freeSlots[i];
    EXPECT_EQ(m.y, expected[i].y) << "slot " << freeSlots[i];
    EXPECT_EQ(m.hitPoints, k.hitPoints);
    EXPECT_EQ(m.damage, k.damage);
    EXPECT_EQ(m.speed, k.speed);
    EXPECT_EQ(m.state, kMonsterIdle);
    EXPECT_EQ(m.actionTime, kStart + 5);
    EXPECT_EQ(m.frameTime, 0u);
  }
  EXPECT_EQ(monsters[0].x, 11);
  EXPECT_EQ(monsters[2].x, 21);
  EXPECT_EQ(monsters[4].x, 31);
}

TEST_F(Spawning, FourBusySlotsSpawnNothingAndDrawNoRandomNumber) {
  for (int slot : {0, 1, 5, 6}) placeMonster(slot, kShark, 10, 10);
  platform::randomSeed(5);
  const int firstDraw = platform::randomNumber();
  platform::randomSeed(5);
  spawnMonsters();
  for (int slot : {2, 3, 4}) EXPECT_FALSE(monsters[slot].alive) << "slot " << slot;
  EXPECT_EQ(platform::randomNumber(), firstDraw) << "the spawner drew from the generator with four slots busy";
}

TEST_F(Spawning, FourLinesOfOneKindCodeSpawnOnlyThatKind) {
  for (MonsterKind& k : monsterKinds) k = MonsterKind{10, 2, 3, kPlane};
  for (int round = 0; round < 20; ++round) {
    for (Monster& m : monsters) m.alive = 0;
    spawnMonsters();
    for (int slot = 0; slot < kSlotCount; ++slot) {
      ASSERT_TRUE(monsters[slot].alive);
      EXPECT_EQ(monsters[slot].kind, kPlane) << "slot " << slot;
      EXPECT_EQ(monsters[slot].behaviour, &planeBehaviour) << "slot " << slot;
    }
  }
}

TEST_F(Spawning, AnUnknownKindCodeLeavesTheSlotFreeButKeepsTheDrawOrder) {
  monsterKinds[0] = MonsterKind{10, 2, 3, 9};
  monsterKinds[1] = MonsterKind{10, 2, 3, 9};
  monsterKinds[2] = MonsterKind{10, 2, 3, 9};
  monsterKinds[3] = MonsterKind{10, 2, 3, 9};
  platform::randomSeed(3);
  for (int i = 0; i < 3 * kSlotCount; ++i) platform::randomNumber();
  const int after = platform::randomNumber();
  platform::randomSeed(3);
  spawnMonsters();
  for (const Monster& m : monsters) EXPECT_FALSE(m.alive);
  EXPECT_EQ(platform::randomNumber(), after) << "three draws per free slot";
}

TEST_F(Spawning, EachKindGetsItsBehaviourAndPictureRuns) {
  Monster& shark = placeMonster(0, kShark, 0, 0);
  EXPECT_EQ(shark.behaviour, &sharkBehaviour);
  EXPECT_EQ(shark.moveFrames.images, assets.sharkMoveImages);
  EXPECT_EQ(shark.moveFrames.frameCount, 8);
  EXPECT_EQ(shark.attackFrames.images, &assets.sharkAtkImage);
  EXPECT_EQ(shark.hurtFrames.images, &assets.sharkHittedImage);

  Monster& cloud = placeMonster(1, kBlackCloud, 0, 0);
  EXPECT_EQ(cloud.behaviour, &cloudBehaviour);
  EXPECT_EQ(cloud.attackFrames.images, assets.bcAtkImages);
  EXPECT_EQ(cloud.attackFrames.frameCount, 5);
  EXPECT_EQ(cloud.moveFrames.frameCount, 1);

  Monster& plane = placeMonster(2, kPlane, 0, 0);
  EXPECT_EQ(plane.behaviour, &planeBehaviour);
  for (const MonsterAnimation* run : {&plane.moveFrames, &plane.attackFrames, &plane.hurtFrames}) {
    EXPECT_EQ(run->images, &assets.planeImage) << "the plane has one picture for every state";
    EXPECT_EQ(run->frameCount, 1);
  }

  Monster& king = placeMonster(3, kKing, 0, 0);
  EXPECT_EQ(king.behaviour, &kingBehaviour);
  EXPECT_EQ(king.moveFrames.frameCount, 10);
  EXPECT_EQ(king.attackFrames.frameCount, 10);
  EXPECT_EQ(king.hurtFrames.images, &assets.kingAtkImages[1]) << "the king's hurt picture is kingatk1.png";
}

// Spawns one monster of the code in slot 0 through the spawner itself, at (x, y).
Monster& spawnOne(std::int8_t code, float x, float y) {
  for (MonsterKind& k : monsterKinds) k = MonsterKind{20, 4, 2, code};
  for (Monster& m : monsters) m.alive = 0;
  spawnMonsters();
  for (int slot = 1; slot < kSlotCount; ++slot) monsters[slot].alive = 0;
  monsters[0].x = x;
  monsters[0].y = y;
  return monsters[0];
}

// Calls the slot's behaviour at spawn + wait and at spawn + wait + 1; true when it made
// no decision at the first call and one at the second.
::testing::AssertionResult waitsExactly(Monster& m, std::uint64_t wait) {
  const std::uint64_t spawned = m.actionTime;
  platform::fake::setTickCount(spawned + wait);
  m.behaviour(0);
  if (m.actionTime != spawned || m.state != kMonsterIdle || booms || enemyShots) {
    return ::testing::AssertionFailure() << "acted after only " << wait << " ms";
  }
  platform::fake::setTickCount(spawned + wait + 1);
  m.behaviour(0);
  if (m.actionTime != spawned + wait + 1) {
    return ::testing::AssertionFailure() << "no decision after " << wait + 1 << " ms";
  }
  return ::testing::AssertionSuccess();
}

TEST_F(Spawning, ANewMonsterWaitsOutItsKindsTimer) {
  for (int seed = 1; seed <= 5; ++seed) {
    SCOPED_TRACE(seed);
    platform::randomSeed(seed);
    player.x = 1400;
    player.y = 600;
    EXPECT_TRUE(waitsExactly(spawnOne(kBlackCloud, 100, 100), 6000));
    freeShots();
    EXPECT_TRUE(waitsExactly(spawnOne(kPlane, 100, 100), 4000));
    freeShots();
    freeBooms();
    EXPECT_TRUE(waitsExactly(spawnOne(kKing, 100, 100), 3000));
    EXPECT_TRUE(waitsExactly(spawnOne(kShark, 100, 100), 4000)) << "player far: the shark wanders";
    player.x = 150;
    player.y = 120;
    EXPECT_TRUE(waitsExactly(spawnOne(kShark, 100, 100), 3000)) << "player near: the shark rams";
    EXPECT_EQ(monsters[0].state, kMonsterAttacking);
  }
}

TEST_F(Spawning, AMonsterOverTheEdgeIsPushedTenPixelsTowardTheCentreOnItsFirstMove) {
  Monster& king = spawnOne(kKing, 1550, 700);  // 110 x 120: sticks out right and below
  const float x0 = king.x, y0 = king.y;
  seedSoNext(10, [](int r) { return r <= 5; });  // a stroll
  platform::fake::setTickCount(king.actionTime + 3001);
  king.behaviour(0);
  const double a = std::atan((380 - y0) / (800 - x0)) + kPi;
  EXPECT_NEAR(king.x, x0 + 10 * std::cos(a), 1e-3);
  EXPECT_NEAR(king.y, y0 + 10 * std::sin(a), 1e-3);
  EXPECT_NEAR(std::hypot(king.x - x0, king.y - y0), 10.0, 1e-3);
  EXPECT_EQ(king.state, kMonsterIdle) << "the push ends the move";
  EXPECT_EQ(king.hurt, 0);
}

}  // namespace
