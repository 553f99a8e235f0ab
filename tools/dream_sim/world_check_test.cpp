// The observations dream-sim relies on: the consistency check finds broken links, cycles,
// bad score digits and NaN positions; the death count sees a slot refilled in the same
// update that killed its monster.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "game/world/game_state.h"
#include "tools/dream_sim/world_check.h"

namespace {

PlayerShot* newShot(float x, float y) {
  auto* shot = static_cast<PlayerShot*>(std::calloc(1, sizeof(PlayerShot)));
  shot->x = x;
  shot->y = y;
  return shot;
}

// Three linked player shots and a score "12".
void buildLists() {
  clearGameState();
  PlayerShot* a = newShot(1, 1);
  PlayerShot* b = newShot(2, 2);
  PlayerShot* c = newShot(3, 3);
  a->next = b;
  b->prev = a;
  b->next = c;
  c->prev = b;
  playerShots = a;
  auto* one = static_cast<ScoreDigit*>(std::calloc(1, sizeof(ScoreDigit)));
  auto* two = static_cast<ScoreDigit*>(std::calloc(1, sizeof(ScoreDigit)));
  one->digit = '1';
  two->digit = '2';
  one->next = two;
  two->prev = one;
  scoreHead = one;
  scoreTail = two;
}

class WorldCheck : public ::testing::Test {
 protected:
  void SetUp() override { buildLists(); }
  void TearDown() override { clearGameState(); }
};

TEST_F(WorldCheck, ConsistentListsPassAndAreMeasured) {
  EXPECT_EQ(findViolation(), "");
  const ListLengths n = measureLists();
  EXPECT_EQ(n.playerShots, 3);
  EXPECT_EQ(n.scoreDigits, 2);
  EXPECT_EQ(scoreValue(), 12);
}

TEST_F(WorldCheck, AWrongPrevIsFoundAndNamed) {
  playerShots->next->next->prev = playerShots;  // the third shot points back past the second
  const std::string why = findViolation();
  EXPECT_NE(why.find("player shots: element 2"), std::string::npos) << why;
}

TEST_F(WorldCheck, ACycleIsFoundWithoutHanging) {
  PlayerShot* last = playerShots->next->next;
  last->next = playerShots->next;  // third -> second: prev of the second is then wrong
  EXPECT_NE(findViolation(), "");
  last->next = nullptr;
}

TEST_F(WorldCheck, ScoreTailAndDigitsAreChecked) {
  scoreTail = scoreHead;
  EXPECT_NE(findViolation().find("tail"), std::string::npos);
  scoreTail = scoreHead->next;
  scoreTail->digit = ':';
  EXPECT_NE(findViolation().find("digit code"), std::string::npos);
}

TEST_F(WorldCheck, NaNPositionsAreFound) {
  playerShots->next->y = std::nanf("");
  EXPECT_NE(findViolation().find("player shots"), std::string::npos);
  playerShots->next->y = 2;
  monsters[3].alive = 1;
  monsters[3].x = std::nanf("");
  EXPECT_NE(findViolation().find("monster slot 3"), std::string::npos);
  monsters[3].alive = 0;
  EXPECT_EQ(findViolation(), "") << "a free slot's position is not looked at";
}

TEST_F(WorldCheck, DeathsCountFreedAndRefilledSlots) {
  for (int slot : {0, 1, 2}) {
    monsters[slot].alive = 1;
    monsters[slot].kind = kShark;
    monsters[slot].hitPoints = 10;
  }
  DeathCounter deaths;
  deaths.before();
  monsters[0].alive = 0;         // killed
  monsters[1].hitPoints = 18;    // killed and refilled by a fresh monster of the same kind
  monsters[2].hitPoints = 7;     // only hurt
  EXPECT_EQ(deaths.deathsSince(), 2);
  deaths.before();
  monsters[2].kind = kKing;      // refilled by another kind
  monsters[2].hitPoints = 5;
  EXPECT_EQ(deaths.deathsSince(), 1);
}

}  // namespace
