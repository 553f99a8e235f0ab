// The plane and its bombs: the fan of seven, the drop's target, the flight that stops
// level with the target or at the field's edge, the fuse counted in update passes (extra
// passes from drops and kicks included), blast squares, the blast sound once per bomb,
// and the blast animation that frees a spent bomb.
#include <cmath>

#include "game/assets/voice.h"
#include "game/monsters/behaviours.h"
#include "game/render/figures.h"
#include "game/world/bombs.h"
#include "game/world/damage.h"
#include "game/world/geometry.h"
#include "platform/base/random.h"
#include "tests/helpers/monster_world.h"

using namespace monster_test;

namespace {

class Plane : public MonsterWorld {};
class Bombs : public MonsterWorld {};

Boom* addBomb(int x, int y, int targetX, int targetY, double heading, int fuse = 200, int damage = 10) {
  auto* bomb = static_cast<Boom*>(std::calloc(1, sizeof(Boom)));
  bomb->x = x;
  bomb->y = y;
  bomb->targetX = targetX;
  bomb->targetY = targetY;
  bomb->heading = heading;
  bomb->speed = 6;
  bomb->damage = damage;
  bomb->fuse = fuse;
  bomb->moving = 1;
  bomb->image = &assets.boomImage;
  bomb->blastSize = kBlastSize;
  appendAtTail(booms, bomb);
  return bomb;
}

TEST_F(Plane, TheFanIsSevenShotsFromStraightUpToStraightDownTowardThePlayersSide) {
  placeMonster(0, kPlane, 1000, 300, 20, 2, 5);
  player.x = 400;  // left of the plane: the fan is turned by pi
  const std::uint64_t fans = voicePlayCount(Voice::kPlaneFan);
  seedSoNext(10, [](int r) { return r >= 3 && r < 6; });
  advance(4001);
  planeBehaviour(0);
  ASSERT_EQ(listLength(enemyShots), 7);
  const int expectedBand[7] = {3, 4, 5, 11, 10, 9, 8};  // 90, 120, 150, -180, -150, -120, -90
  int i = 0;
  for (EnemyShot* s = enemyShots; s; s = s->next, ++i) {
    EXPECT_DOUBLE_EQ(s->heading, i * kPi / 6 - kPi / 2 + kPi) << "shot " << i;
    EXPECT_EQ(s->image, &assets.enmBulletImages[expectedBand[i]]) << "shot " << i;
    EXPECT_EQ(s->x, 1000 + kPlaneW / 2);
    EXPECT_EQ(s->y, 300 + kPlaneH / 2);
    EXPECT_EQ(s->damage, 5);
  }
  EXPECT_EQ(voicePlayCount(Voice::kPlaneFan), fans + 1);
  EXPECT_EQ(monsters[0].state, kMonsterIdle) << "the plane never attacks";
}

TEST_F(Plane, TheFanToTheRightStartsStraightUp) {
  placeMonster(0, kPlane, 100, 300);
  seedSoNext(10, [](int r) { return r >= 3 && r < 6; });
  advance(4001);
  planeBehaviour(0);
  ASSERT_NE(enemyShots, nullptr);
  EXPECT_EQ(enemyShots->heading, -kPi / 2);
  EXPECT_EQ(enemyShots->image, &assets.enmBulletImages[8]) << "enmbullet-90.png";
}

TEST_F(Plane, ADropAimsTheBombsCentreAtThePlayersCentreAndTakesOnePass) {
  placeMonster(0, kPlane, 100.7f, 200.2f, 20, 2, 5);
  player.x = 700;
  player.y = 500;
  const std::uint64_t drops = voicePlayCount(Voice::kBombDrop);
  seedSoNext(10, [](int r) { return r < 3; });
  platform::randomNumber();
  const int sx = platform::randomNumber() % 2, dx = platform::randomNumber() % 20, sy = platform::randomNumber() % 2, dy = platform::randomNumber() % 20;
  seedSoNext(10, [](int r) { return r < 3; });
  advance(4001);
  planeBehaviour(0);
  ASSERT_EQ(listLength(booms), 1);
  const Boom& b = *booms;
  EXPECT_EQ(b.damage, 10) << "twice the plane's damage";
  EXPECT_EQ(b.targetX, (sx ? dx : -dx) + 700 + kPlayerW / 2 - kBombW / 2);
  EXPECT_EQ(b.targetY, (sy ? dy : -dy) + 500 + kPlayerH / 2 - kBombH / 2);
  EXPECT_EQ(b.heading, static_cast<double>(std::atan((500 - 200.2f) / (700 - 100.7f))));
  EXPECT_EQ(b.fuse, 199) << "the drop runs one update pass at once";
  EXPECT_EQ(b.x, truncToInt(100 + std::cos(b.heading) * 6));
  EXPECT_EQ(b.blastSize, kBlastSize);
  EXPECT_EQ(b.image, &assets.boomImage);
  EXPECT_EQ(voicePlayCount(Voice::kBombDrop), drops + 1);
}

TEST_F(Bombs, ABombAlreadyLevelWithItsTargetRestsWhereDroppedUntilItsFuseRunsOut) {
  Monster& plane = placeMonster(0, kPlane, 300, 200);
  player.x = 900;
  platform::randomSeed(11);
  platform::randomNumber();
  platform::randomNumber();
  const int sy = platform::randomNumber() % 2, dy = platform::randomNumber() % 20;
  player.y = 200 - (sy ? dy : -dy) - (kPlayerH / 2 - kBombH / 2);  // targetY == 200 exactly
  platform::randomSeed(11);
  dropBomb(plane);
  ASSERT_EQ(booms->targetY, 200);
  for (int pass = 1; pass < 200; ++pass) updateBooms();
  EXPECT_EQ(booms->x, 300);
  EXPECT_EQ(booms->y, 200);
  EXPECT_EQ(booms->moving, 0);
  EXPECT_EQ(booms->blastFrame, 0) << "199 passes of a 200-pass fuse";
  updateBooms();
  EXPECT_EQ(booms->blastFrame, 1);
  EXPECT_EQ(booms->x, 300);
}

TEST_F(Bombs, ABombLeavingTheFieldStopsAtTheEdge) {
  Boom* bomb = addBomb(100, 400, 700, 800, std::atan(400.0f / 600.0f), 1000);
  for (int pass = 0; pass < 150; ++pass) updateBooms();
  EXPECT_EQ(bomb->moving, 0);
  EXPECT_GT(bomb->y + kBombH, 760) << "it stops once outside";
  EXPECT_LE(bomb->y + kBombH, 760 + 6) << "one step past the edge at most";
  const int x = bomb->x, y = bomb->y;
  for (int pass = 0; pass < 10; ++pass) updateBooms();
  EXPECT_EQ(bomb->x, x);
  EXPECT_EQ(bomb->y, y);
  EXPECT_EQ(bomb->fuse, 1000 - 160);
  EXPECT_LT(bomb->x, 700 - 5) << "stopped by the edge, not by the target";
}

TEST_F(Bombs, EveryBombTakesAnExtraStepOnADropOrAKick) {
  Boom* a = addBomb(100, 100, 1000, 700, 0.5);
  Boom* b = addBomb(100, 600, 1000, 10, -0.5);
  Monster& plane = placeMonster(0, kPlane, 800, 100);
  player.x = 300;
  player.y = 400;
  seedSoNext(10, [](int r) { return r < 3; });
  advance(4001);
  planeBehaviour(0);
  EXPECT_EQ(a->fuse, 199);
  EXPECT_EQ(b->fuse, 199);
  EXPECT_EQ(a->x, truncToInt(100 + std::cos(0.5) * 6));
  ASSERT_EQ(listLength(booms), 3);
  Boom* dropped = booms->next->next;
  EXPECT_EQ(dropped->fuse, 199);
  (void)plane;

  Boom* resting = addBomb(1200, 300, 1200, 300, 0.0);
  updateBooms();
  ASSERT_EQ(resting->moving, 0);
  const int fuseA = a->fuse;
  player.x = 1000;  // kick it straight down-right, away from the player
  player.y = 100;
  hitMonstersInArea(1150, 1250, 250, 350, 1, 3, 1000, 100);
  EXPECT_EQ(a->fuse, fuseA - 1) << "the kick ran one extra pass for every bomb";
  EXPECT_EQ(resting->fuse, 200 - 2);
}

TEST_F(Bombs, TheBlastSoundPlaysOncePerBomb) {
  addBomb(200, 200, 0, 0, 0.0, 1);
  addBomb(1200, 200, 0, 0, 0.0, 1);
  const std::uint64_t blasts = voicePlayCount(Voice::kBlast);
  for (int pass = 0; pass < 300; ++pass) updateBooms();
  EXPECT_EQ(voicePlayCount(Voice::kBlast), blasts + 2);
}

TEST_F(Bombs, TwoBombsExplodeWithTheirOwnSquaresDamageAndOrigin) {
  Boom* left = addBomb(300, 300, 0, 0, 0.0, 200, 10);
  Boom* right = addBomb(1200, 300, 0, 0, 0.0, 200, 4);
  left->blastFrame = 1;
  right->blastFrame = 1;
  Monster& nearLeft = placeMonster(0, kShark, 330, 330, 100, 2);
  Monster& nearRight = placeMonster(1, kShark, 1230, 330, 100, 2);
  Monster& between = placeMonster(2, kShark, 700, 330, 100, 2);
  player.x = 1190;
  player.y = 290;
  updateBooms();
  EXPECT_EQ(nearLeft.hitPoints, 90);
  EXPECT_EQ(nearRight.hitPoints, 96);
  EXPECT_EQ(between.hitPoints, 100);
  EXPECT_EQ(player.hitPoints, 46) << "only the right bomb's square holds the player";
  EXPECT_EQ(nearLeft.heading, static_cast<double>(std::atan(30.0f / 30.0f))) << "pushed away from (300, 300)";
  EXPECT_EQ(nearLeft.stepSpeed, 12) << "a blast: 6 x speed";
  EXPECT_EQ(player.state, KnockedBack);
}

TEST_F(Bombs, TheBlastShowsFramesTwoToTwentySevenCentredAndThenTheBombIsFreed) {
  Boom* bomb = addBomb(400, 300, 0, 0, 0.0, 200);
  addBomb(900, 300, 990, 390, 0.0, 200);
  bomb->blastFrame = 1;
  stepBlasts();
  drawBooms();
  EXPECT_EQ(bomb->blastFrame, 2) << "the first drawing of a blast steps at once";
  const std::uint32_t* screen = pixelBuffer(nullptr);
  const int cx = 400 + kBombW / 2 - kBlastSize / 2, cy = 300 + kBombH / 2 - kBlastSize / 2;
  const std::uint32_t frame2 = pixelBuffer(&assets.blastImages[1])[0] & 0xFFFFFF;
  EXPECT_EQ(screen[cy * 1600 + cx] & 0xFFFFFF, frame2) << "blast2.png centred on the bomb";
  for (int frame = 3; frame < 27; ++frame) {
    advance(121);
    stepBlasts();
    drawBooms();
    ASSERT_EQ(bomb->blastFrame, frame);
  }
  advance(120);
  stepBlasts();
  drawBooms();
  EXPECT_EQ(bomb->blastFrame, 26) << "120 ms are not more than 120";
  advance(1);
  stepBlasts();
  drawBooms();
  ASSERT_EQ(listLength(booms), 1) << "freed after showing blast27.png";
  EXPECT_EQ(booms->x, 900);
  EXPECT_EQ(booms->prev, nullptr);
}

}  // namespace

namespace {

class BombKicks : public MonsterWorld {};

Boom* addRestingBomb(int x, int y, int fuse, int blastFrame, int damage = 1) {
  auto* bomb = static_cast<Boom*>(std::calloc(1, sizeof(Boom)));
  bomb->x = x;
  bomb->y = y;
  bomb->speed = 6;
  bomb->damage = damage;
  bomb->fuse = fuse;
  bomb->image = &assets.boomImage;
  bomb->blastSize = kBlastSize;
  bomb->blastFrame = blastFrame;
  appendAtTail(booms, bomb);
  return bomb;
}

// A bomb stopped outside the field is stopped again by every pass, so each pass of a blast
// beside it kicks it and starts one more pass: the blast must still hit only once.
TEST_F(BombKicks, ABlastBesideBombsAtTheEdgeHitsOncePerUpdateWhateverTheListOrder) {
  for (bool edgeBombsFirst : {true, false}) {
    clearGameState();
    player.hitPoints = 50;
    player.speed = 5;
    player.x = 60;
    player.y = 130;
    placeMonster(0, kShark, 120, 120, 100, 2);
    Boom* first = nullptr;
    Boom* second = nullptr;
    if (edgeBombsFirst) {
      first = addRestingBomb(-5, 150, 100, 0);
      second = addRestingBomb(-5, 170, 100, 0);
    }
    addRestingBomb(100, 100, 0, 1, 6);
    if (!edgeBombsFirst) {
      first = addRestingBomb(-5, 150, 100, 0);
      second = addRestingBomb(-5, 170, 100, 0);
    }
    updateBooms();
    const char* order = edgeBombsFirst ? "edge bombs first" : "edge bombs last";
    EXPECT_EQ(player.hitPoints, 44) << order << ": one hit of 6";
    EXPECT_EQ(monsters[0].hitPoints, 94) << order << ": one hit of 6";
    EXPECT_EQ(first->fuse, 97) << order << ": its own pass and the passes the two kicks started";
    EXPECT_EQ(second->fuse, 97) << order;
    EXPECT_EQ(first->blastFrame, 0) << order;
    EXPECT_EQ(first->x, -5) << order << ": stopped bombs never fly";
  }
}

TEST_F(BombKicks, ADropInTheSameUpdateAsABlastDoesNotMakeItHitAgain) {
  player.hitPoints = 50;
  player.x = 1000;
  player.y = 500;
  addRestingBomb(1000, 500, 0, 1, 6);
  Monster& plane = placeMonster(1, kPlane, 300, 300);
  updateBooms();
  ASSERT_EQ(player.hitPoints, 44);
  player.state = Free;
  player.x = 1000;
  player.y = 500;
  seedSoNext(10, [](int r) { return r < 3; });
  advance(4001);
  planeBehaviour(1);
  ASSERT_EQ(listLength(booms), 2) << "the plane dropped a bomb";
  EXPECT_EQ(player.hitPoints, 44) << "the drop's pass flies bombs but sets off no blast";
  (void)plane;
}

}  // namespace
