// Shot hits: player shots against monsters (damage, the killing shot flying on, 60-pixel
// knock-backs that add up) and enemy shots against the player (25-pixel knock-backs that
// add up, invulnerability), and shots removed at the edge of the field.
#include <cmath>

#include "game/assets/voice.h"
#include "game/world/damage.h"
#include "game/world/geometry.h"
#include "game/world/shot_hits.h"
#include "tests/helpers/world_fixture.h"

using namespace shots_world;

namespace {

class PlayerShotHits : public ShotsWorld {};
class EnemyShotHits : public ShotsWorld {};

TEST_F(PlayerShotHits, TheKillingShotFliesOnAndHitsAHigherSlotInTheSameTick) {
  Monster& weak = placeMonster(1, kKing, 400, 300, 2);
  Monster& strong = placeMonster(4, kKing, 400, 300, 10);
  PlayerShot* shot = addPlayerShot(420, 320, 0.0, 3);
  (void)shot;
  resolveShotHits();
  EXPECT_FALSE(weak.alive) << "hit points " << weak.hitPoints;
  EXPECT_EQ(weak.state, kMonsterIdle) << "a killed monster takes no knock-back";
  EXPECT_EQ(scoreTail->digit, '1');
  EXPECT_TRUE(strong.alive);
  EXPECT_EQ(strong.hitPoints, 7) << "the shot that killed slot 1 also hit slot 4";
  EXPECT_EQ(strong.state, kMonsterMoving);
  EXPECT_EQ(strong.hurt, 1);
  EXPECT_EQ(playerShots, nullptr) << "the shot is used up by the hit that did not kill";
}

TEST_F(PlayerShotHits, AKillingShotIsNotUsedUpAndALowerSlotIsNotHitAgain) {
  Monster& lower = placeMonster(0, kShark, 900, 300, 10);
  Monster& victim = placeMonster(3, kShark, 400, 300, 3);
  addPlayerShot(420, 320, 0.0, 3);
  resolveShotHits();
  EXPECT_FALSE(victim.alive);
  EXPECT_EQ(lower.hitPoints, 10);
  ASSERT_NE(playerShots, nullptr);
  EXPECT_EQ(playerShots->x, 420);
}

TEST_F(PlayerShotHits, TwoHitsBeforeTheKnockBackEndsHeadOneHundredTwentyPixelsAwayAtTwiceTheSpeed) {
  Monster& m = placeMonster(2, kShark, 400, 300, 20, 4);
  addPlayerShot(420, 320, 0.0, 1);
  addPlayerShot(420, 320, 0.0, 1);
  const std::uint64_t hitsBefore = voicePlayCount(Voice::kShotHit);
  resolveShotHits();
  EXPECT_EQ(m.hitPoints, 18);
  EXPECT_EQ(m.state, kMonsterMoving);
  EXPECT_FLOAT_EQ(m.targetX, 400 + 120) << "two 60-pixel pushes from where it stood";
  EXPECT_FLOAT_EQ(m.targetY, 300);
  EXPECT_EQ(m.stepSpeed, 8) << "speed 4, pushed twice";
  EXPECT_EQ(m.heading, 0.0);
  EXPECT_FLOAT_EQ(m.x, 400 + 4 + 8) << "one move step after each hit";
  EXPECT_EQ(voicePlayCount(Voice::kShotHit), hitsBefore + 2);
  EXPECT_EQ(playerShots, nullptr);
}

TEST_F(PlayerShotHits, AHitOnAnAttackingMonsterCutsTheAttackAndFollowsTheShotsHeading) {
  Monster& m = placeMonster(0, kShark, 400, 300, 20, 4);
  m.state = kMonsterAttacking;
  const double down = kPi / 2;
  addPlayerShot(420, 320, down, 1);
  resolveShotHits();
  EXPECT_EQ(m.state, kMonsterMoving);
  EXPECT_EQ(m.heading, down);
  EXPECT_NEAR(m.targetX, 400, 1e-3);
  EXPECT_NEAR(m.targetY, 360, 1e-3);
  EXPECT_EQ(m.stepSpeed, 4);
}

TEST_F(PlayerShotHits, ShotsLeavingTheFieldAreRemovedOthersStay) {
  addPlayerShot(1590, 300, 0.0, 1);  // 30 wide: reaches past 1600
  addPlayerShot(800, 300, 0.0, 1);
  addPlayerShot(800, -1, 0.0, 1);
  resolveShotHits();
  ASSERT_EQ(listLength(playerShots), 1);
  EXPECT_EQ(playerShots->x, 800);
  EXPECT_EQ(playerShots->prev, nullptr);
  EXPECT_EQ(playerShots->next, nullptr);
}

TEST_F(EnemyShotHits, TwoShotsInOneTickAddTheirKnockBacks) {
  player.x = 500;
  player.y = 300;
  addEnemyShot(510, 310, 0.0, 4);
  addEnemyShot(510, 310, 0.0, 4);
  const std::uint64_t hitsBefore = voicePlayCount(Voice::kShotHit);
  resolveShotHits();
  EXPECT_EQ(player.hitPoints, 42);
  EXPECT_EQ(player.state, KnockedBack);
  EXPECT_EQ(player.stepSpeed, 10) << "speed 5 added by each shot";
  EXPECT_FLOAT_EQ(player.targetX, 550) << "two 25-pixel pushes";
  EXPECT_FLOAT_EQ(player.targetY, 300);
  EXPECT_FLOAT_EQ(player.x, 500 + 5 + 10) << "one player step after each hit";
  EXPECT_EQ(voicePlayCount(Voice::kShotHit), hitsBefore + 2);
  EXPECT_EQ(enemyShots, nullptr);
}

TEST_F(EnemyShotHits, AHitWhileStrikingStartsAFreshPushAlongTheShot) {
  player.x = 500;
  player.y = 300;
  player.state = Striking;
  const double upLeft = -3 * kPi / 4;
  addEnemyShot(510, 310, upLeft, 4);
  resolveShotHits();
  EXPECT_EQ(player.state, KnockedBack);
  EXPECT_EQ(player.heading, upLeft);
  EXPECT_EQ(player.stepSpeed, 5);
  EXPECT_NEAR(player.targetX, 500 + 25 * std::cos(upLeft), 1e-3);
  EXPECT_NEAR(player.targetY, 300 + 25 * std::sin(upLeft), 1e-3);
}

TEST_F(EnemyShotHits, ShotsPassAnInvulnerablePlayer) {
  player.x = 500;
  player.y = 300;
  player.invulnerable = 1;
  player.state = Dashing;
  addEnemyShot(510, 310, 0.0, 4);
  resolveShotHits();
  EXPECT_EQ(player.hitPoints, 50);
  EXPECT_EQ(player.state, Dashing);
  ASSERT_EQ(listLength(enemyShots), 1) << "the shot flies on through";
}

TEST_F(EnemyShotHits, HitsGoOnAfterDeath) {
  player.x = 500;
  player.y = 300;
  player.hitPoints = -3;
  addEnemyShot(510, 310, 0.0, 4);
  resolveShotHits();
  EXPECT_EQ(player.hitPoints, -7);
}

TEST_F(EnemyShotHits, DamageNeverTakesHitPointsBelowTheFloor) {
  player.x = 500;
  player.y = 300;
  player.hitPoints = kHitPointFloor + 1;
  addEnemyShot(510, 310, 0.0, 40);
  resolveShotHits();
  EXPECT_EQ(player.hitPoints, kHitPointFloor);
}

TEST_F(EnemyShotHits, ShotsAtTheEdgeOfTheFieldAreRemoved) {
  addEnemyShot(1581, 100, 0.0, 4);  // 20 wide: right edge 1601
  addEnemyShot(1580, 100, 0.0, 4);  // right edge exactly 1600: still inside
  addEnemyShot(100, 741, 0.0, 4);   // bottom edge 761
  resolveShotHits();
  ASSERT_EQ(listLength(enemyShots), 1);
  EXPECT_EQ(enemyShots->x, 1580);
}

}  // namespace
