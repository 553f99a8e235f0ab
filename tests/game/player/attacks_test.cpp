// The three attacks: the strike's area, the dash's heading, and where and whither a shot
// starts.
#include <cmath>

#include "game/player/attacks.h"
#include "game/player/key_reader.h"
#include "game/world/geometry.h"
#include "game/world/rule_sizes.h"
#include "game/world/world_pass.h"
#include "platform/seam/input.h"
#include "tests/helpers/game_fixture.h"

using namespace test_game;
namespace fake = platform::fake;

namespace {

// Monsters of a 1 x 1 picture at each x (y 240): their lost hit points show which the area held.
IMAGE& dot() {
  static IMAGE image;
  image.resize(1, 1);
  return image;
}

// A dash started by one update, whose keys it reads through that update's reader.
void dashAsOneUpdate() {
  KeyReader keys;
  playerSpecial(keys);
}

// Monsters of a kind whose box is one pixel, at the given columns; which of them a strike hit.
std::string hitColumns(std::initializer_list<int> xs) {
  constexpr std::int8_t kDotKind = 99;
  ruleSizes.kinds.push_back(KindSizes{kDotKind, {1, 1}, {1, 1}});
  int slot = 0;
  for (int x : xs) {
    placeMonster(slot, static_cast<float>(x), 240, 1000, kDotKind);
    monsters[slot].moveFrames.images = &dot();
    ++slot;
  }
  KeyReader keys;
  playerStrike(keys);
  std::string hits;
  for (int s = 0; s < slot; ++s) hits += monsters[s].hitPoints < 1000 ? 'H' : '.';
  return hits;
}

}  // namespace

using AttacksTest = GameTest;

TEST_F(AttacksTest, StrikeHitsTheHalfOfTheBoxThePlayerFaces) {
  // A 1 x 1 picture at x is hit when x or x + 1 lies in the area.
  freshPlayerAt(100, 200);
  player.facingRight = 1;
  EXPECT_EQ(hitColumns({128, 129, 160, 161}), ".HH.") << "facing right: x 130 to 160";
  EXPECT_EQ(player.state, Striking);
  EXPECT_EQ(player.energy, 135);

  freshPlayerAt(100, 200);
  player.facingRight = 0;
  EXPECT_EQ(hitColumns({98, 99, 130, 131}), ".HH.") << "facing left: x 100 to 130";

  freshPlayerAt(100, 200);
  player.facingRight = 1;
  fake::holdKey('A');
  EXPECT_EQ(hitColumns({98, 99, 130, 131}), ".HH.") << "A held overrides the facing";
}

TEST_F(AttacksTest, DashSteersByTheLetterKeys) {
  freshPlayerAt(500, 300);
  fake::holdKey('W');
  fake::holdKey('D');
  fake::holdKey(platform::kVkLeft);
  dashAsOneUpdate();
  EXPECT_EQ(player.heading, -0.7853981633974483) << "up-right whatever the arrows say";
  EXPECT_EQ(player.state, Dashing);
  EXPECT_EQ(player.invulnerable, 1);
  EXPECT_EQ(player.stepSpeed, 15);
  EXPECT_EQ(player.energy, 120);
  EXPECT_NEAR(player.targetX, 500 + 150 * std::cos(-0.7853981633974483), 1e-3);
  EXPECT_NEAR(player.targetY, 300 + 150 * std::sin(-0.7853981633974483), 1e-3);
  EXPECT_NEAR(player.x, 500 + 15 * std::cos(-0.7853981633974483), 1e-3) << "the first step is taken at once";

  fake::releaseAll();
  freshPlayerAt(500, 300);
  dashAsOneUpdate();
  const double h = player.heading;
  const bool oneOfEight = h == 0.0 || h == 3.141592653589793 || h == -1.5707963267948966 ||
                          h == 1.5707963267948966 || h == 0.7853981633974483 || h == -0.7853981633974483 ||
                          h == 2.356194490192345 || h == 3.9269908169872414;
  EXPECT_TRUE(oneOfEight) << "heading " << h;
}

TEST_F(AttacksTest, ShotStartsAtTheNearEdgeAndHeadsForTheCursor) {
  freshPlayerAt(100, 200);
  fake::placeCursor(500, 240);
  fireShot();
  ASSERT_NE(playerShots, nullptr);
  EXPECT_EQ(playerShots->x, 160.0f) << "cursor to the right: the right edge";
  EXPECT_EQ(playerShots->y, 240.0f);
  EXPECT_EQ(playerShots->heading, 0.0);
  EXPECT_EQ(playerShots->speed, 20);
  EXPECT_EQ(playerShots->damage, 3);
  EXPECT_EQ(playerShots->image, &assets.plrBulletImage);
  EXPECT_EQ(player.state, Shooting);
  EXPECT_EQ(player.ammo, 29);
  EXPECT_EQ(player.energy, 147);
  EXPECT_EQ(player.aimX, 500);
  EXPECT_EQ(player.lastAttackTime, kStartTick);

  fake::placeCursor(0, 240);
  fireShot();
  const PlayerShot* left = playerShots->next;
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->prev, playerShots) << "appended at the tail";
  EXPECT_EQ(left->x, 100.0f) << "cursor to the left: the left edge";
  EXPECT_DOUBLE_EQ(left->heading, kPi);

  fake::placeCursor(130, 0);
  fireShot();
  const PlayerShot* up = left->next;
  EXPECT_EQ(up->heading, static_cast<double>(-static_cast<float>(kPi / 2))) << "straight above the centre";
  EXPECT_EQ(up->x, 100.0f);
  updateWorld();
  EXPECT_EQ(up->x, 100.0f);
  EXPECT_EQ(up->y, 220.0f);
}

TEST_F(AttacksTest, ShotWithTheCursorOnTheCentreFliesRightAndLeaves) {
  freshPlayerAt(100, 200);
  fake::placeCursor(130, 240);
  fireShot();
  ASSERT_NE(playerShots, nullptr);
  EXPECT_EQ(playerShots->heading, 0.0);
  for (int i = 0; i < 200; ++i) {
    updateWorld();
    ASSERT_TRUE(std::isfinite(playerShots->x) && std::isfinite(playerShots->y));
  }
  EXPECT_EQ(playerShots->x, 100.0f + 200 * 20);
}
