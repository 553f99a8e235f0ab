// The shared collision, movement and damage rules: corner hit test, arena push, move steps,
// hits on the player, area hits on monsters and bombs, a kicked bomb's flight, and their
// guards (no NaN, no hit-point wrap).
#include <cmath>
#include <cstdlib>
#include <string>

#include "game/world/bombs.h"
#include "game/world/collision.h"
#include "game/world/damage.h"
#include "game/world/geometry.h"
#include "game/world/movement.h"
#include "tests/helpers/world_fixture.h"

using namespace rules_world;

namespace {

Boom* addBomb(int x, int y) {
  auto* bomb = static_cast<Boom*>(std::calloc(1, sizeof(Boom)));
  bomb->x = x;
  bomb->y = y;
  bomb->speed = 6;
  bomb->fuse = 200;
  bomb->image = worldPictures.bomb;
  bomb->targetX = x;
  bomb->targetY = y;
  appendAtTail(booms, bomb);
  return bomb;
}

bool finite(float v) { return std::isfinite(v); }

// A dash as the player's special starts it (150 pixels at 3 x speed, invulnerable), with its
// first step taken at once.
void startDash(double heading) {
  player.state = Dashing;
  player.stepSpeed = 3 * player.speed;
  player.invulnerable = 1;
  player.heading = heading;
  player.targetX = static_cast<float>(player.x + std::cos(heading) * 150);
  player.targetY = static_cast<float>(player.y + std::sin(heading) * 150);
  playerStep();
}

// The player's move state and invulnerability, as one line a failure can print.
std::string moveOutcome() {
  const char* state = player.state == Free      ? "Free"
                      : player.state == Dashing ? "Dashing"
                      : player.state == KnockedBack ? "KnockedBack"
                                                    : "another state";
  return std::string(state) + ", invulnerable " + std::to_string(int(player.invulnerable));
}

}  // namespace

using RulesTest = RulesWorld;

TEST_F(RulesTest, CornerHitTestCountsOnlyCornersAndTouchingEdges) {
  EXPECT_TRUE(rectsOverlap(0, 0, Size{10, 10}, 5, 20, 5, 20)) << "bottom-right corner (10, 10) is inside";
  EXPECT_FALSE(rectsOverlap(0, 0, Size{100, 100}, 40, 60, 40, 60)) << "a box around the area has no corner in it";
  EXPECT_TRUE(rectsOverlap(20, 0, Size{10, 10}, 0, 20, 0, 20)) << "an edge touching the area counts";
  EXPECT_FALSE(rectsOverlap(21, 0, Size{10, 10}, 0, 20, 0, 20));
}

TEST_F(RulesTest, ArenaTestPushesTenPixelsTowardTheCentre) {
  freshPlayerAt(-3, 100);
  EXPECT_FALSE(keepInArena(-3, 100, ruleSizes.player, -1));
  const double moved = std::hypot(player.x + 3.0, player.y - 100.0);
  EXPECT_NEAR(moved, 10.0, 1e-3) << "pushed to (" << player.x << ", " << player.y << ")";
  // The push lies on the line from the old position to (800, 380).
  const double cross = (player.x + 3.0) * (380 - 100) - (player.y - 100.0) * (800 + 3);
  EXPECT_NEAR(cross / std::hypot(803.0, 280.0), 0.0, 1e-3);

  freshPlayerAt(1600 - kPlayerW, 760 - kPlayerH);
  EXPECT_TRUE(keepInArena(1600 - kPlayerW, 760 - kPlayerH, ruleSizes.player, -1)) << "flush with the corner is inside";
  EXPECT_EQ(player.x, 1600 - kPlayerW);
  EXPECT_FALSE(keepInArena(1601 - kPlayerW, 0, ruleSizes.player, -1));
}

TEST_F(RulesTest, MonsterStepMovesEndsAtTargetAndLetsADashingSharkHit) {
  freshPlayerAt(1000, 600);
  placeMonster(0, 200, 200);
  Monster& m = monsters[0];
  m.state = kMonsterMoving;
  m.hurt = 1;
  m.heading = 0;
  m.stepSpeed = 6;
  m.targetX = 230;
  m.targetY = 200;
  monsterStep(0);
  EXPECT_EQ(m.x, 206.0f);
  EXPECT_EQ(m.state, kMonsterMoving);
  m.x = 226;
  monsterStep(0);
  EXPECT_EQ(m.x, 226.0f) << "within 5 pixels of the target on both axes: the move ends without a step";
  EXPECT_EQ(m.state, kMonsterIdle);
  EXPECT_EQ(m.hurt, 0);

  // A shark dashing into the player box hurts and knocks the player back.
  placeMonster(1, 940, 560);
  monsters[1].state = kMonsterAttacking;
  monsters[1].heading = 0;
  monsters[1].stepSpeed = 6;
  monsters[1].targetX = 1300;
  monsters[1].targetY = 560;
  monsterStep(1);
  EXPECT_EQ(player.hitPoints, 46);
  EXPECT_EQ(player.state, KnockedBack);
}

TEST_F(RulesTest, PlayerStepEndsDashAtTargetOrOutsideTheArena) {
  freshPlayerAt(100, 100);
  player.state = Dashing;
  player.invulnerable = 1;
  player.heading = 0;
  player.stepSpeed = 15;
  player.targetX = 250;
  player.targetY = 100;
  playerStep();
  EXPECT_EQ(player.x, 115.0f);
  player.x = 246;
  playerStep();
  EXPECT_EQ(player.state, Free);
  EXPECT_EQ(player.invulnerable, 0);
  EXPECT_EQ(player.x, 246.0f);

  freshPlayerAt(-2, 100);
  player.state = KnockedBack;
  player.heading = kPi;
  player.stepSpeed = 5;
  player.targetX = -200;
  player.targetY = 100;
  playerStep();
  EXPECT_EQ(player.state, Free) << "a push that leaves the arena ends there";
  EXPECT_GT(player.x, -2.0f);
}

TEST_F(RulesTest, MovesEndWhenBothDistancesToTheTargetAreAtMostFivePixels) {
  // Exactly 5 on both axes ends the move; a little more on either axis takes the step.
  for (float dx : {5.0f, -5.0f, 5.25f}) {
    for (float dy : {5.0f, -5.0f, 5.25f}) {
      const bool arrives = dx != 5.25f && dy != 5.25f;
      freshPlayerAt(500, 300);
      player.state = Dashing;
      player.heading = 0;
      player.stepSpeed = 15;
      player.targetX = 500 + dx;
      player.targetY = 300 + dy;
      playerStep();
      EXPECT_EQ(player.state, arrives ? Free : Dashing) << "player, target off by (" << dx << ", " << dy << ")";
      EXPECT_EQ(player.x, arrives ? 500.0f : 515.0f) << "player, target off by (" << dx << ", " << dy << ")";

      placeMonster(0, 500, 300);
      Monster& m = monsters[0];
      m.state = kMonsterMoving;
      m.heading = 0;
      m.stepSpeed = 6;
      m.targetX = 500 + dx;
      m.targetY = 300 + dy;
      monsterStep(0);
      EXPECT_EQ(m.state, arrives ? kMonsterIdle : kMonsterMoving) << "monster, target off by (" << dx << ", " << dy << ")";
      EXPECT_EQ(m.x, arrives ? 500.0f : 506.0f) << "monster, target off by (" << dx << ", " << dy << ")";
    }
  }
}

TEST_F(RulesTest, ADashOrKnockBackFromJustPastAnEdgeCarriesOnWhenItHeadsBackIn) {
  // Walking tests the edge before its step, so the box may stand a few pixels past it.
  freshPlayerAt(-3, 300);
  startDash(0.0);
  EXPECT_EQ(player.state, Dashing) << "a dash back into the field carries on";
  EXPECT_EQ(player.x, 12.0f) << "and takes its first step";
  for (int step = 0; step < 20 && player.state == Dashing; ++step) playerStep();
  EXPECT_NEAR(player.x, 147.0f, 5.0f) << "the whole 150 pixels";

  freshPlayerAt(-3, 300);
  startDash(kPi);
  EXPECT_EQ(player.state, Free) << "a dash further out ends at once, as in the field";
  EXPECT_GT(player.x, -3.0f) << "with the push toward the centre";

  // Past the bottom edge, knocked up and to the right by a hit from below: it carries on.
  freshPlayerAt(700, 760 - kPlayerH + 3);
  hitPlayer(690, 800, 680, 800, 690, 800, 4, 1);
  EXPECT_EQ(player.state, KnockedBack);
  EXPECT_LT(player.y, float(760 - kPlayerH + 3)) << "the first step of the knock-back was taken";

  // Past the left edge, a knock-back straight down does not come back over that edge.
  freshPlayerAt(-3, 300);
  hitPlayer(-20, 100, 200, 400, -3, 200, 4, 1);
  EXPECT_EQ(player.state, Free) << "along the edge it ends as outside the field";
}

TEST_F(RulesTest, ADashOrKnockBackFromJustPastTheRightOrTopEdgeCarriesOnOnlyWhenItHeadsBackIn) {
  struct Case {
    const char* where;
    float x, y;
    double heading;
    bool carriesOn;
  };
  const float pastRight = 1600 - kPlayerW + 3, pastTop = -3;
  const Case cases[] = {
      {"past the right edge, heading left", pastRight, 300, kPi, true},
      {"past the right edge, heading up and left", pastRight, 300, -3 * kPi / 4, true},
      {"past the right edge, heading right", pastRight, 300, 0, false},
      {"past the right edge, heading down along it", pastRight, 300, kPi / 2, false},
      {"past the top edge, heading down", 700, pastTop, kPi / 2, true},
      {"past the top edge, heading down and right", 700, pastTop, kPi / 4, true},
      {"past the top edge, heading up", 700, pastTop, -kPi / 2, false},
      {"past the top edge, heading right along it", 700, pastTop, 0, false},
  };
  for (const Case& c : cases) {
    for (PlayerState move : {Dashing, KnockedBack}) {
      freshPlayerAt(c.x, c.y);
      player.state = move;
      player.invulnerable = move == Dashing;
      player.heading = c.heading;
      player.stepSpeed = 15;
      player.targetX = c.x + static_cast<float>(std::cos(c.heading) * 150);
      player.targetY = c.y + static_cast<float>(std::sin(c.heading) * 150);
      playerStep();
      const std::string what = std::string("a ") + (move == Dashing ? "dash " : "knock-back ") + c.where + " from (" +
                               std::to_string(int(c.x)) + ", " + std::to_string(int(c.y)) + ")";
      const std::string expected = !c.carriesOn        ? "Free, invulnerable 0"
                                   : move == Dashing ? "Dashing, invulnerable 1"
                                                     : "KnockedBack, invulnerable 0";
      const std::string outcome = moveOutcome();
      EXPECT_EQ(outcome, expected) << what << (c.carriesOn ? " carries on" : " ends") << "; now at (" << player.x << ", "
                                   << player.y << ")";
      if (outcome != expected) continue;
      if (c.carriesOn) {
        EXPECT_EQ(player.x, static_cast<float>(c.x + std::cos(c.heading) * 15)) << what << " takes its step";
        EXPECT_EQ(player.y, static_cast<float>(c.y + std::sin(c.heading) * 15)) << what << " takes its step";
      } else {
        EXPECT_LT(std::hypot(player.x - 800.0, player.y - 380.0), std::hypot(c.x - 800.0, c.y - 380.0))
            << what << " ends pushed toward the centre, but is at (" << player.x << ", " << player.y << ")";
      }
    }
  }
}

TEST_F(RulesTest, TwoContactHitsAddUpTheirKnockBack) {
  freshPlayerAt(500, 300);
  hitPlayer(400, 700, 200, 500, 450, 300, 4, 1);
  EXPECT_EQ(player.hitPoints, 46);
  EXPECT_EQ(player.state, KnockedBack);
  EXPECT_EQ(player.stepSpeed, 10);
  EXPECT_EQ(player.heading, 0.0);
  EXPECT_EQ(player.targetX, 500.0f + 2 * kPlayerW);
  EXPECT_EQ(player.targetY, 300.0f);
  EXPECT_EQ(player.x, 510.0f) << "the first push step is taken at once";

  hitPlayer(400, 700, 200, 500, 450, 300, 4, 1);
  EXPECT_EQ(player.hitPoints, 42);
  EXPECT_EQ(player.stepSpeed, 15);
  EXPECT_EQ(player.targetX, 500.0f + 3 * kPlayerW);
  EXPECT_EQ(player.x, 525.0f);
}

TEST_F(RulesTest, InvulnerableOrUntouchedPlayerTakesNoDamage) {
  freshPlayerAt(500, 300);
  player.invulnerable = 1;
  player.state = Dashing;
  hitPlayer(400, 700, 200, 500, 450, 300, 4, 2);
  EXPECT_EQ(player.hitPoints, 50);
  EXPECT_EQ(player.state, Dashing);
  player.invulnerable = 0;
  hitPlayer(0, 100, 0, 100, 0, 0, 4, 2);
  EXPECT_EQ(player.hitPoints, 50);
}

TEST_F(RulesTest, HitPointsStopAtTheFloorInsteadOfWrapping) {
  freshPlayerAt(500, 300);
  player.hitPoints = kHitPointFloor + 5;
  for (int i = 0; i < 3; ++i) hitPlayer(0, 1600, 0, 760, 450, 300, 1000000, 1);
  EXPECT_EQ(player.hitPoints, kHitPointFloor);
  damagePlayer(2000000000);
  EXPECT_EQ(player.hitPoints, kHitPointFloor);
  EXPECT_EQ(reducedHitPoints(10, -5), 15);
  EXPECT_EQ(reducedHitPoints(2147483600, -1000), 2147483647);
}

TEST_F(RulesTest, AttackerOnTheVictimsCornerGivesHeadingZeroAndNoNaN) {
  EXPECT_EQ(headingOfSlope(0.0f, 0.0f, true), 0.0);
  EXPECT_EQ(headingOfSlope(-0.0f, 0.0f, false), 0.0);
  EXPECT_EQ(headingOfSlope(-3.0f, 0.0f, false), static_cast<double>(-static_cast<float>(kPi / 2)))
      << "straight up, in single precision";

  freshPlayerAt(500, 300);
  hitPlayer(0, 1600, 0, 760, 500, 300, 1, 1);
  EXPECT_EQ(player.heading, 0.0);
  EXPECT_TRUE(finite(player.x) && finite(player.y) && finite(player.targetX) && finite(player.targetY));
  hitPlayer(0, 1600, 0, 760, truncToInt(player.x), truncToInt(player.y), 1, 2);
  EXPECT_TRUE(finite(player.x) && finite(player.y) && finite(player.targetX) && finite(player.targetY));

  placeMonster(2, 300, 300);
  hitMonstersInArea(0, 1600, 0, 760, 1, 1, 300, 300);
  EXPECT_EQ(monsters[2].heading, 0.0);
  EXPECT_TRUE(finite(monsters[2].x) && finite(monsters[2].targetX) && finite(monsters[2].targetY));
}

TEST_F(RulesTest, AreaHitKnocksBackSurvivorsAndEarnsAShotPerMonster) {
  freshPlayerAt(100, 300);
  player.ammo = 20;
  placeMonster(0, 200, 300, 10);
  placeMonster(1, 250, 300, 10);
  hitMonstersInArea(150, 400, 250, 400, 1, 3, 100, 300);
  EXPECT_EQ(player.ammo, 22);
  for (int slot = 0; slot < 2; ++slot) {
    const Monster& m = monsters[slot];
    EXPECT_EQ(m.hitPoints, 7) << "slot " << slot;
    EXPECT_EQ(m.state, kMonsterMoving);
    EXPECT_EQ(m.hurt, 1);
    EXPECT_EQ(m.stepSpeed, 6) << "3 x speed for a strike";
    EXPECT_EQ(m.heading, 0.0) << "straight away from the attacker";
    EXPECT_EQ(m.targetX, 200.0f + 50 * slot + 100) << "one picture width away";
    EXPECT_EQ(m.x, 206.0f + 50 * slot) << "one step taken at once";
  }
  player.ammo = 30;
  hitMonstersInArea(150, 400, 250, 400, 2, 3, 100, 300);
  EXPECT_EQ(player.ammo, 30) << "ammunition never passes 30";
  EXPECT_EQ(monsters[0].stepSpeed, 6 + 12) << "a blast on a moving monster adds 6 x speed";
}

TEST_F(RulesTest, KillingStrikeEarnsAShotAndScoresWithoutKnockBack) {
  freshScore();
  freshPlayerAt(100, 300);
  player.ammo = 20;
  placeMonster(0, 200, 300, 3);
  hitMonstersInArea(150, 400, 250, 400, 1, 3, 100, 300);
  EXPECT_EQ(monsters[0].alive, 0);
  EXPECT_EQ(player.ammo, 21);
  EXPECT_EQ(monsters[0].state, kMonsterIdle) << "a dead slot takes no knock-back";
  EXPECT_EQ(monsters[0].x, 200.0f);
  EXPECT_EQ(scoreText(), "1");
}

TEST_F(RulesTest, BombInTheAreaIsKickedThreeHundredPixelsAwayFromThePlayer) {
  freshPlayerAt(100, 300);
  Boom* level = addBomb(300, 300);
  hitMonstersInArea(250, 350, 250, 350, 1, 3, 100, 300);
  EXPECT_EQ(level->heading, 0.0);
  EXPECT_EQ(level->targetX, 600);
  EXPECT_EQ(level->targetY, 300);
  EXPECT_EQ(level->moving, 1) << "level with its target, it still flies";
  EXPECT_EQ(level->x, 306) << "a resting bomb takes one flight step at once";

  freshPlayerAt(0, 0);
  Boom* diagonal = addBomb(300, 400);
  hitMonstersInArea(290, 310, 390, 410, 1, 3, 0, 0);
  EXPECT_EQ(diagonal->moving, 1);
  EXPECT_EQ(diagonal->x, 303) << "a resting bomb takes one flight step at once";
  EXPECT_EQ(diagonal->y, 404);
  EXPECT_NEAR(diagonal->targetX, 480, 1);
  EXPECT_NEAR(diagonal->targetY, 640, 1);
  EXPECT_NEAR(std::hypot(diagonal->targetX - 300.0, diagonal->targetY - 400.0), 300.0, 1.5);

  Boom* exploding = addBomb(300, 300);
  exploding->blastFrame = 5;
  hitMonstersInArea(250, 350, 250, 350, 1, 3, 100, 300);
  EXPECT_EQ(exploding->targetX, 300) << "an exploding bomb is not kicked";
}

TEST_F(RulesTest, AKickedBombFliesItsThreeHundredPixelsStraight) {
  // Level, plumb, and kicks a few pixels off level that whole-pixel steps would bend or stop.
  struct Kick {
    float playerX, playerY;
  };
  for (const Kick& kick : {Kick{100, 300}, Kick{300, 100}, Kick{100, 295}, Kick{100, 308}, Kick{500, 291}}) {
    clearGameState();
    freshPlayerAt(kick.playerX, kick.playerY);
    Boom* bomb = addBomb(300, 300);
    hitMonstersInArea(250, 350, 250, 350, 1, 3, 100, 300);
    const double heading = bomb->heading;
    int passes = 1;
    while (bomb->moving && passes < 100) {
      moveBooms();
      ++passes;
      const double along = (bomb->x - 300) * std::cos(heading) + (bomb->y - 300) * std::sin(heading);
      const double across = -(bomb->x - 300) * std::sin(heading) + (bomb->y - 300) * std::cos(heading);
      ASSERT_LT(std::fabs(across), 1.5) << "kick from (" << kick.playerX << ", " << kick.playerY << "), pass " << passes
                                       << ": (" << bomb->x << ", " << bomb->y << ") leaves the line";
      ASSERT_LE(along, 300.5) << "kick from (" << kick.playerX << ", " << kick.playerY << ")";
    }
    EXPECT_EQ(bomb->x, truncToInt(300 + std::cos(heading) * 300)) << "kick from (" << kick.playerX << ", " << kick.playerY << ")";
    EXPECT_EQ(bomb->y, truncToInt(300 + std::sin(heading) * 300)) << "kick from (" << kick.playerX << ", " << kick.playerY << ")";
  }
}

TEST_F(RulesTest, ABombKickedAgainFliesAFreshThreeHundredPixelsFromWhereTheKickFoundIt) {
  // The second kick comes while the first flight is under way, or after it has ended.
  for (int firstPasses : {20, 100}) {
    clearGameState();
    freshPlayerAt(100, 300);
    Boom* bomb = addBomb(300, 300);
    bomb->fuse = 10000;
    kickBomb(*bomb);
    for (int pass = 1; pass < firstPasses; ++pass) moveBooms();
    const char* when = firstPasses == 20 ? "kicked again in flight" : "kicked again after its flight";
    ASSERT_EQ(bomb->moving, firstPasses == 20 ? 1 : 0) << when;

    const int fromX = bomb->x, fromY = bomb->y;
    freshPlayerAt(fromX - 200.0f, fromY - 150.0f);
    kickBomb(*bomb);
    const double heading = bomb->heading;
    int lastX = bomb->x, lastY = bomb->y, passes = 0;
    bool jumped = false;
    for (; bomb->moving && passes < 100 && !jumped; ++passes) {
      moveBooms();
      jumped = std::hypot(bomb->x - lastX, bomb->y - lastY) > 8.0;
      EXPECT_FALSE(jumped) << when << " at (" << fromX << ", " << fromY << "): pass " << passes + 1
                           << " of the new flight jumped from (" << lastX << ", " << lastY << ") to (" << bomb->x << ", "
                           << bomb->y << "), kickFlown " << bomb->kickFlown;
      lastX = bomb->x;
      lastY = bomb->y;
    }
    if (jumped) continue;
    EXPECT_EQ(bomb->moving, 0) << when << ": still flying after 100 passes";
    EXPECT_EQ(bomb->x, truncToInt(fromX + std::cos(heading) * 300))
        << when << ": a fresh 300 px from (" << fromX << ", " << fromY << "), but it stopped at (" << bomb->x << ", "
        << bomb->y << ") after " << passes << " passes, kickFlown " << bomb->kickFlown;
    EXPECT_EQ(bomb->y, truncToInt(fromY + std::sin(heading) * 300))
        << when << ": a fresh 300 px from (" << fromX << ", " << fromY << "), but it stopped at (" << bomb->x << ", "
        << bomb->y << ") after " << passes << " passes, kickFlown " << bomb->kickFlown;
  }
}

TEST_F(RulesTest, RepeatedAndLargestDamageStopAtTheFloor) {
  freshPlayerAt(700, 300);
  player.hitPoints = kHitPointFloor + 3;
  for (int hit = 0; hit < 5; ++hit) damagePlayer(1000000);
  EXPECT_EQ(player.hitPoints, kHitPointFloor) << "hits that keep coming after the floor is reached";
  damagePlayer(INT32_MAX);
  EXPECT_EQ(player.hitPoints, kHitPointFloor) << "the largest damage at the floor";
}
