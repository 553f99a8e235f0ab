// The shark's ram and the black cloud's volleys: the dash aims where the player stood and
// hits once per tick of contact; the cloud fires from its centre toward the player, keeps
// a cut-short volley's frame index, and never leaves a shot without a picture.
#include <cmath>

#include "game/assets/voice.h"
#include "game/monsters/animation.h"
#include "game/monsters/behaviours.h"
#include "game/render/figures.h"
#include "game/world/collision.h"
#include "game/world/enemy_shots.h"
#include "game/world/geometry.h"
#include "game/world/shot_hits.h"
#include "game/world/world_pass.h"
#include "tests/helpers/monster_world.h"

using namespace monster_test;

namespace {

class Shark : public MonsterWorld {};
class BlackCloud : public MonsterWorld {};

TEST_F(Shark, TheDashGoesToWhereThePlayerStoodAndIsNotSteered) {
  Monster& shark = placeMonster(0, kShark, 300, 300, 20, 3, 6);
  player.x = 380;
  player.y = 330;
  const std::uint64_t rolls = voicePlayCount(Voice::kSharkRoll);
  advance(3001);
  sharkBehaviour(0);
  ASSERT_EQ(shark.state, kMonsterAttacking);
  EXPECT_EQ(shark.stepSpeed, 9) << "three times its speed";
  EXPECT_EQ(shark.targetX, 380);
  EXPECT_EQ(shark.targetY, 330);
  EXPECT_EQ(voicePlayCount(Voice::kSharkRoll), rolls + 1);
  player.invulnerable = 1;  // the player dashes away; the shark keeps its course
  player.x = 1200;
  player.y = 100;
  for (int tick = 0; tick < 40 && shark.state == kMonsterAttacking; ++tick) updateWorld();
  EXPECT_EQ(shark.state, kMonsterIdle);
  EXPECT_LE(std::fabs(shark.x - 380), 5.0f) << "x " << shark.x;
  EXPECT_LE(std::fabs(shark.y - 330), 5.0f) << "y " << shark.y;
}

TEST_F(Shark, TheDashHitsOncePerTickOfContact) {
  Monster& shark = placeMonster(0, kShark, 300, 300, 20, 3, 6);
  player.x = 390;
  player.y = 330;
  player.speed = 0;  // the knock-back does not move the player, so contact lasts
  advance(3001);
  sharkBehaviour(0);
  ASSERT_EQ(shark.state, kMonsterAttacking);
  const int afterFirstStep = player.hitPoints;
  int contactTicks = 0;
  for (int tick = 0; tick < 40 && shark.state == kMonsterAttacking; ++tick) {
    updateWorld();
    const bool touching =
        rectsOverlap(truncToInt(player.x), truncToInt(player.y), ruleSizes.player, truncToInt(shark.x),
                     truncToInt(shark.x + kSharkW), truncToInt(shark.y), truncToInt(shark.y + kSharkAtkH));
    if (shark.state == kMonsterAttacking && touching) ++contactTicks;
  }
  EXPECT_GE(contactTicks, 3);
  EXPECT_EQ(afterFirstStep - player.hitPoints, 6 * contactTicks) << contactTicks << " ticks of contact";
}

TEST_F(Shark, ANearPlayerIsNeverWanderedFrom) {
  Monster& shark = placeMonster(0, kShark, 300, 300);
  player.x = 250;
  player.y = 260;  // inside the zone 200..500 x 240..420
  advance(3000);
  sharkBehaviour(0);
  EXPECT_EQ(shark.state, kMonsterIdle) << "3000 ms are not more than 3000";
  player.x = 900;  // outside the zone: the wander waits for more than 4000 ms
  sharkBehaviour(0);
  EXPECT_EQ(shark.state, kMonsterIdle);
  advance(1001);
  sharkBehaviour(0);
  EXPECT_EQ(shark.state, kMonsterMoving);
  const double a = std::atan((player.y - 300.0f) / (player.x - 300.0f));
  EXPECT_NEAR(std::hypot(shark.targetX - 300, shark.targetY - 300), 3 * kSharkW, 1e-2);
  EXPECT_LE(std::fabs(std::atan2(shark.targetY - 300, shark.targetX - 300) - a), 11 * kPi / 20 + 1e-6);
}

TEST_F(BlackCloud, ACloudStraightAboveThePlayerFiresStraightDown) {
  Monster& cloud = placeMonster(0, kBlackCloud, 500, 100, 20, 2, 4);
  player.x = 500;
  player.y = 500;
  const std::uint64_t shots = voicePlayCount(Voice::kWaterShot);
  seedSoNext(10, [](int r) { return r < 4; });
  advance(6001);
  cloudBehaviour(0);
  ASSERT_EQ(listLength(enemyShots), 1);
  EXPECT_EQ(cloud.state, kMonsterAttacking);
  EXPECT_EQ(enemyShots->heading, static_cast<double>(std::atan(INFINITY)));
  EXPECT_EQ(enemyShots->image, &assets.enmBulletImages[3]) << "enmbullet90.png";
  EXPECT_EQ(enemyShots->x, 500 + kCloudW / 2);
  EXPECT_EQ(enemyShots->y, 100 + kCloudH / 2);
  EXPECT_EQ(enemyShots->speed, 10);
  EXPECT_EQ(enemyShots->damage, 4);
  EXPECT_EQ(voicePlayCount(Voice::kWaterShot), shots + 1);
}

TEST_F(BlackCloud, AVolleyFiresEveryMoreThan360Ms) {
  placeMonster(0, kBlackCloud, 100, 100);
  seedSoNext(10, [](int r) { return r < 4; });
  advance(6001);
  cloudBehaviour(0);
  advance(360);
  cloudBehaviour(0);
  EXPECT_EQ(listLength(enemyShots), 1);
  advance(1);
  cloudBehaviour(0);
  EXPECT_EQ(listLength(enemyShots), 2);
  EXPECT_EQ(enemyShots->next->prev, enemyShots);
}

TEST_F(BlackCloud, TheRetreatBacksAwayOneWidth) {
  Monster& cloud = placeMonster(0, kBlackCloud, 300, 300);
  seedSoNext(10, [](int r) { return r >= 4; });
  advance(6001);
  cloudBehaviour(0);
  EXPECT_EQ(cloud.state, kMonsterMoving);
  EXPECT_EQ(enemyShots, nullptr);
  EXPECT_NEAR(std::hypot(cloud.targetX - 300, cloud.targetY - 300), kCloudW, 1e-2);
  EXPECT_LT(cloud.targetX, 300) << "away from the player to its right";
}

TEST_F(BlackCloud, AVolleyCutShortKeepsItsFrameIndexAndTheNextOneEndsSooner) {
  Monster& cloud = placeMonster(0, kBlackCloud, 300, 300, 50, 2);
  cloud.state = kMonsterAttacking;
  cloud.attackFrames.frame = 10;
  addPlayerShot(310, 310, 0.0, 1);
  resolveShotHits();
  EXPECT_EQ(cloud.state, kMonsterMoving);
  EXPECT_EQ(cloud.attackFrames.frame, 10);
  for (int tick = 0; tick < 100 && cloud.state == kMonsterMoving; ++tick) updateWorld();
  ASSERT_EQ(cloud.state, kMonsterIdle);
  seedSoNext(10, [](int r) { return r < 4; });
  advance(6001);
  cloudBehaviour(0);
  ASSERT_EQ(cloud.state, kMonsterAttacking);
  int steps = 0;
  while (cloud.state == kMonsterAttacking && steps < 40) {
    advance(121);
    stepMonsterAnimations();
    drawMonsters();
    ++steps;
  }
  EXPECT_EQ(steps, 14) << "the index went on from 10 to 24";
  EXPECT_EQ(cloud.attackFrames.frame, 0);
}

TEST_F(BlackCloud, ACloudOnThePlayersPositionFiresALevelShotWithAPicture) {
  placeMonster(0, kBlackCloud, 500, 300);
  player.x = 500;
  player.y = 300;
  seedSoNext(10, [](int r) { return r < 4; });
  advance(6001);
  cloudBehaviour(0);
  ASSERT_EQ(listLength(enemyShots), 1);
  EXPECT_EQ(enemyShots->heading, 0.0);
  EXPECT_EQ(enemyShots->image, &assets.enmBulletImages[0]);
}

}  // namespace
