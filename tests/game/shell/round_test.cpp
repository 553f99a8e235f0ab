// The round loop's timing against the fake clock, the order of one world update, the
// screens' input rules, the round reset and the program-start state.
#include <cstdlib>

#include "game/world/drawing_counters.h"
#include "game/shell/screens.h"
#include "game/shell/startup.h"
#include "game/shell/update_tick.h"
#include "platform/base/random.h"
#include "platform/seam/clock.h"
#include "platform/seam/input.h"
#include "tests/helpers/game_fixture.h"

using namespace test_game;
namespace fake = platform::fake;

namespace {

// A free player who regenerates one energy per update: the energy counts the updates.
void countUpdatesByEnergy() {
  player.state = Free;
  player.energy = 0;
  player.hitPoints = 50;
}

}  // namespace

using RoundTest = GameTest;

TEST_F(RoundTest, UpdateRunsAfterMoreThanTenMillisecondsAtMostOncePerPass) {
  countUpdatesByEnergy();
  RoundTimer timer;
  EXPECT_TRUE(updateIfDue(timer, true)) << "lastUpdateTick starts at 0: the first pass updates";
  EXPECT_EQ(timer.lastUpdateTick, kStartTick);
  fake::advanceTicks(10);
  EXPECT_FALSE(updateIfDue(timer, true)) << "10 ms is not more than 10 ms";
  fake::advanceTicks(1);
  EXPECT_TRUE(updateIfDue(timer, true));
  fake::advanceTicks(5000);
  EXPECT_TRUE(updateIfDue(timer, true));
  EXPECT_FALSE(updateIfDue(timer, true)) << "no catching up after a long pass";
  EXPECT_EQ(player.energy, 3);

  playingPass(timer);
  EXPECT_EQ(player.energy, 3);
  fake::advanceTicks(11);
  playingPass(timer);
  EXPECT_EQ(player.energy, 4);
}

TEST_F(RoundTest, AShotThatThisUpdatesMoveCarriesOntoAMonsterHitsItInTheSameUpdate) {
  freshPlayerAt(100, 600);
  // Four living monsters, so the spawner adds none; only slot 0 stands in the shot's path.
  placeMonster(0, 800, 300, 100);
  placeMonster(1, 1300, 100, 100);
  placeMonster(2, 1300, 600, 100);
  placeMonster(3, 300, 100, 100);
  auto* shot = static_cast<PlayerShot*>(std::calloc(1, sizeof(PlayerShot)));
  shot->x = 775;  // 10 px wide: its right edge 15 px short of the monster, one 20 px step away
  shot->y = 320;
  shot->speed = 20;
  shot->damage = 3;
  shot->heading = 0;
  shot->image = &assets.plrBulletImage;
  appendAtTail(playerShots, shot);
  updateTick(true);
  EXPECT_EQ(monsters[0].hitPoints, 97) << "the update's move carried the shot from x 775 onto the monster at x 800: "
                                          "the hit belongs to the same update";
  EXPECT_EQ(playerShots, nullptr) << "the shot that hit is used up in the same update; one is left at ("
                                  << (playerShots ? playerShots->x : 0.0f) << ", " << (playerShots ? playerShots->y : 0.0f)
                                  << ")";
  for (int slot = 1; slot < 4; ++slot) EXPECT_EQ(monsters[slot].hitPoints, 100) << "slot " << slot << " is out of the way";
}

TEST_F(RoundTest, CountdownFreezesTheWorldForFourSeconds) {
  countUpdatesByEnergy();
  RoundTimer timer;
  playingPass(timer);
  showCountdown();
  EXPECT_EQ(platform::tickCount(), kStartTick + 4000);
  EXPECT_EQ(player.energy, 1) << "no update during the countdown";
  playingPass(timer);
  playingPass(timer);
  EXPECT_EQ(player.energy, 2) << "one update after it, no catching up";
}

TEST_F(RoundTest, GameOverScreenUpdatesWithoutThePlayerAndReadsItsKeys) {
  resetRound();
  player.hitPoints = 0;
  player.energy = 10;
  RoundTimer timer;
  EXPECT_EQ(gameOverPass(timer), GameOverChoice::kStay);
  EXPECT_EQ(player.energy, 10) << "the player no longer acts";
  EXPECT_EQ(timer.lastUpdateTick, kStartTick) << "the world update still ran";

  fake::holdKey(platform::kVkReturn);
  EXPECT_EQ(gameOverPass(timer), GameOverChoice::kLeave);
  fake::holdKey(platform::kVkRButton);
  EXPECT_EQ(gameOverPass(timer), GameOverChoice::kAnotherRound) << "a button wins over Enter";
}

TEST_F(RoundTest, TitleLeavesOnTheClickAfterDrawingItsFrame) {
  bool countdownPending = true;
  EXPECT_FALSE(titlePass(countdownPending));
  EXPECT_FALSE(countdownPending);
  fake::holdKey(platform::kVkLButton);
  EXPECT_TRUE(titlePass(countdownPending));
  EXPECT_TRUE(countdownPending);
}

TEST_F(RoundTest, GameOverScreenCountsOnlyPressesMadeWhileItIsShown) {
  resetRound();
  player.hitPoints = 0;
  RoundTimer timer;
  // Enter tapped on the title, a right click during the round, fire held at the moment of death.
  fake::holdKey(platform::kVkReturn);
  fake::releaseKey(platform::kVkReturn);
  fake::holdKey(platform::kVkRButton);
  fake::releaseKey(platform::kVkRButton);
  fake::holdKey(platform::kVkLButton);
  startGameOverScreen();
  for (int pass = 0; pass < 3; ++pass)
    EXPECT_EQ(gameOverPass(timer), GameOverChoice::kStay) << "pass " << pass << ": no choice made on this screen yet";

  fake::releaseKey(platform::kVkLButton);
  EXPECT_EQ(gameOverPass(timer), GameOverChoice::kStay) << "letting go of the fire button is no choice";
  fake::holdKey(platform::kVkReturn);
  fake::releaseKey(platform::kVkReturn);
  EXPECT_EQ(gameOverPass(timer), GameOverChoice::kLeave) << "an Enter tapped between two passes of the screen";

  startGameOverScreen();
  fake::holdKey(platform::kVkLButton);
  EXPECT_EQ(gameOverPass(timer), GameOverChoice::kAnotherRound) << "a click made while the screen is shown";
}

TEST_F(RoundTest, TitleCountsOnlyClicksMadeWhileItIsShown) {
  bool countdownPending = false;
  fake::holdKey(platform::kVkLButton);
  fake::holdKey(platform::kVkRButton);
  fake::releaseKey(platform::kVkRButton);
  startTitleScreen();
  EXPECT_FALSE(titlePass(countdownPending)) << "a button held since before the title";
  fake::releaseKey(platform::kVkLButton);
  fake::holdKey(platform::kVkLButton);
  EXPECT_TRUE(titlePass(countdownPending)) << "pressed again while the title is shown";
}

TEST_F(RoundTest, ResetGivesAFreshPlayerEmptyListsAndScoreZero) {
  player.state = KnockedBack;
  player.facingRight = 1;
  player.specialCooldown = 17;
  player.lastAttackTime = 99;
  player.hitPoints = -30;
  player.ammo = 2;
  player.invulnerable = 1;
  monsters[3].alive = 1;
  monsters[3].state = kMonsterAttacking;
  monsters[3].x = 77;
  meats = static_cast<Meat*>(std::calloc(1, sizeof(Meat)));
  playerShots = static_cast<PlayerShot*>(std::calloc(1, sizeof(PlayerShot)));
  enemyShots = static_cast<EnemyShot*>(std::calloc(1, sizeof(EnemyShot)));
  booms = static_cast<Boom*>(std::calloc(1, sizeof(Boom)));
  drawingCounters.walkFrame = 5;

  platform::randomSeed(99);
  const int x = platform::randomNumber() % 1450;
  const int y = platform::randomNumber() % 610;
  platform::randomSeed(99);
  resetRound();

  EXPECT_EQ(player.x, static_cast<float>(x)) << "x is drawn before y";
  EXPECT_EQ(player.y, static_cast<float>(y));
  EXPECT_EQ(player.hitPoints, 50);
  EXPECT_EQ(player.damage, 3);
  EXPECT_EQ(player.energy, 150);
  EXPECT_EQ(player.speed, 5);
  EXPECT_EQ(player.ammo, 30);
  EXPECT_EQ(player.invulnerable, 0);
  EXPECT_EQ(player.state, KnockedBack) << "the state carries into the new round";
  EXPECT_EQ(player.facingRight, 1);
  EXPECT_EQ(player.specialCooldown, 17);
  EXPECT_EQ(player.lastAttackTime, 99u);
  EXPECT_EQ(meats, nullptr);
  EXPECT_EQ(playerShots, nullptr);
  EXPECT_EQ(enemyShots, nullptr);
  EXPECT_EQ(booms, nullptr);
  EXPECT_EQ(scoreText(), "0");
  EXPECT_EQ(scoreHead, scoreTail);
  EXPECT_EQ(monsters[3].alive, 0);
  EXPECT_EQ(monsters[3].state, kMonsterIdle);
  EXPECT_EQ(monsters[3].x, 77.0f) << "other slot fields keep their values";
  EXPECT_EQ(drawingCounters.walkFrame, 5) << "drawing counters are never reset";

  for (unsigned seed = 0; seed < 200; ++seed) {
    platform::randomSeed(seed);
    resetRound();
    ASSERT_TRUE(player.x >= 0 && player.x <= 1449 && player.y >= 0 && player.y <= 609)
        << "seed " << seed << ": (" << player.x << ", " << player.y << ")";
  }
}

TEST_F(RoundTest, ProgramStartStateHasOnlyTheSpecialCooldownSet) {
  resetRound();
  player.hitPoints = 7;
  drawingCounters.runFrame = 3;
  clearGameState();
  clearDrawingCounters();
  EXPECT_EQ(player.specialCooldown, 60);
  EXPECT_EQ(player.hitPoints, 0);
  EXPECT_EQ(player.state, Free);
  EXPECT_EQ(scoreHead, nullptr);
  EXPECT_EQ(scoreTail, nullptr);
  EXPECT_EQ(drawingCounters.runFrame, 0);
}
