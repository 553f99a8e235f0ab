// The world pass and the kill bookkeeping: shot flight, which monsters step, meat ageing
// with its list links, score carries and the one-in-eight meat draw.
#include <cstdlib>

#include "game/world/geometry.h"
#include "game/world/kills.h"
#include "game/world/world_pass.h"
#include "platform/base/random.h"
#include "tests/helpers/world_fixture.h"

using namespace rules_world;

namespace {

Meat* addMeat(std::int64_t lifetime) {
  auto* piece = static_cast<Meat*>(std::calloc(1, sizeof(Meat)));
  piece->lifetime = lifetime;
  appendAtTail(meats, piece);
  return piece;
}

// Checks that the score list is linked both ways and its ends are the list's ends.
void expectScoreLinks() {
  ASSERT_NE(scoreHead, nullptr);
  EXPECT_EQ(scoreHead->prev, nullptr);
  EXPECT_EQ(scoreTail->next, nullptr);
  const ScoreDigit* last = nullptr;
  for (const ScoreDigit* d = scoreHead; d; d = d->next) {
    EXPECT_EQ(d->prev, last);
    last = d;
  }
  EXPECT_EQ(last, scoreTail);
}

// A seed whose first rand() % 8 is (or is not) 0.
unsigned seedWithMeat(bool meat) {
  for (unsigned seed = 1;; ++seed) {
    platform::randomSeed(seed);
    if ((platform::randomNumber() % 8 == 0) == meat) return seed;
  }
}

}  // namespace

using WorldPassTest = RulesWorld;

TEST_F(WorldPassTest, ScoreCarriesIntoNewLeadingDigits) {
  freshScore();
  player.hitPoints = 50;
  placeMonster(0, 10, 10);
  const struct {
    int kills;
    const char* text;
  } steps[] = {{9, "9"}, {1, "10"}, {9, "19"}, {1, "20"}, {79, "99"}, {1, "100"}};
  for (const auto& step : steps) {
    for (int i = 0; i < step.kills; ++i) onMonsterKilled(0);
    EXPECT_EQ(scoreText(), step.text);
    expectScoreLinks();
  }
}

TEST_F(WorldPassTest, KillsAfterDeathDoNotCountButStillDrawForMeat) {
  freshScore();
  placeMonster(0, 123.9f, 456.7f);
  player.hitPoints = 0;
  const unsigned seed = seedWithMeat(true);
  platform::randomSeed(seed);
  onMonsterKilled(0);
  EXPECT_EQ(scoreText(), "0");
  ASSERT_NE(meats, nullptr) << "the one-in-eight draw is taken whether or not the kill counted";
  EXPECT_EQ(meats->x, 123);
  EXPECT_EQ(meats->y, 456);
  EXPECT_EQ(meats->frame, 0);
  EXPECT_EQ(meats->lifetime, 1500);
  EXPECT_EQ(meats->frameTime, kStartTick);

  player.hitPoints = 50;
  platform::randomSeed(seedWithMeat(false));
  onMonsterKilled(0);
  EXPECT_EQ(scoreText(), "1");
  EXPECT_EQ(meats->next, nullptr) << "seven times in eight no meat";
}

TEST_F(WorldPassTest, MeatIsRemovedInItsFifteenHundredthPass) {
  Meat* head = addMeat(1500);
  Meat* middle = addMeat(1600);
  Meat* tail = addMeat(1500 + 200);
  for (int pass = 1; pass < 1500; ++pass) updateWorld();
  ASSERT_EQ(meats, head);
  updateWorld();
  ASSERT_EQ(meats, middle) << "the head piece goes in pass 1500";
  EXPECT_EQ(middle->prev, nullptr);
  for (int pass = 0; pass < 100; ++pass) updateWorld();
  ASSERT_EQ(meats, tail);
  EXPECT_EQ(tail->prev, nullptr);
  EXPECT_EQ(tail->next, nullptr);
  for (int pass = 0; pass < 100; ++pass) updateWorld();
  EXPECT_EQ(meats, nullptr);

  Meat* first = addMeat(5);
  Meat* inner = addMeat(3);
  Meat* last = addMeat(5);
  for (int pass = 0; pass < 3; ++pass) updateWorld();
  ASSERT_EQ(first->next, last) << "a middle piece's neighbours are joined";
  EXPECT_EQ(last->prev, first);
  (void)inner;
}

TEST_F(WorldPassTest, PassStepsShotsMovingMonstersAndDashingSharksOnly) {
  auto* shot = static_cast<PlayerShot*>(std::calloc(1, sizeof(PlayerShot)));
  shot->x = 100;
  shot->y = 100;
  shot->speed = 20;
  playerShots = shot;
  auto* enemy = static_cast<EnemyShot*>(std::calloc(1, sizeof(EnemyShot)));
  enemy->x = 100;
  enemy->y = 100;
  enemy->speed = 10;
  enemy->heading = kPi / 2;
  enemyShots = enemy;

  placeMonster(0, 300, 300, 100, kShark);
  placeMonster(1, 300, 500, 100, kKing);
  placeMonster(2, 600, 300, 100, kPlane);
  for (int slot = 0; slot < 3; ++slot) {
    monsters[slot].heading = 0;
    monsters[slot].stepSpeed = 6;
    monsters[slot].targetX = monsters[slot].x + 100;
    monsters[slot].targetY = monsters[slot].y;
  }
  monsters[0].state = kMonsterAttacking;
  monsters[1].state = kMonsterAttacking;
  monsters[2].state = kMonsterMoving;
  player.x = 1400;
  player.y = 100;
  player.hitPoints = 50;

  updateWorld();
  EXPECT_EQ(shot->x, 120.0f);
  EXPECT_EQ(shot->y, 100.0f);
  EXPECT_EQ(enemy->y, 110.0f);
  EXPECT_EQ(monsters[0].x, 306.0f) << "a dashing shark steps";
  EXPECT_EQ(monsters[1].x, 300.0f) << "an attacking king stands";
  EXPECT_EQ(monsters[2].x, 606.0f) << "a moving monster steps";
}
