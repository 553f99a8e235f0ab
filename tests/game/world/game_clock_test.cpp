// The game clock: it follows the platform's clock, stands still while stopped, and after a
// start goes on from where it stopped, however long the stop lasted.
#include <gtest/gtest.h>

#include "game/world/game_clock.h"
#include "platform/seam/clock.h"
#include "platform/fake/fake_platform.h"

namespace {

TEST(GameClock, StandsStillWhileStoppedAndGoesOnWithoutAJump) {
  platform::fake::setTickCount(10000);
  const std::uint64_t before = gameTickCount();
  platform::fake::advanceTicks(25);
  EXPECT_EQ(gameTickCount(), before + 25) << "running, it moves with the platform";

  stopGameClock();
  EXPECT_TRUE(gameClockStopped());
  platform::fake::advanceTicks(5000);
  EXPECT_EQ(gameTickCount(), before + 25) << "stopped, 5 s of platform time do not move it";
  stopGameClock();
  platform::fake::advanceTicks(700);
  startGameClock();
  EXPECT_FALSE(gameClockStopped());
  EXPECT_EQ(gameTickCount(), before + 25) << "a second stop changes nothing; the start does not jump";

  platform::fake::advanceTicks(11);
  EXPECT_EQ(gameTickCount(), before + 36) << "after the start it moves again";
  startGameClock();
  EXPECT_EQ(gameTickCount(), before + 36) << "a start while running changes nothing";

  stopGameClock();
  platform::fake::advanceTicks(300);
  startGameClock();
  platform::fake::advanceTicks(4);
  EXPECT_EQ(gameTickCount(), before + 40) << "stops add up: both are left out";
  EXPECT_EQ(platform::tickCount() - gameTickCount(), 6000u) << "5,700 + 300 ms stood still";
  resetGameClock();
  EXPECT_EQ(gameTickCount(), platform::tickCount()) << "a reset forgets the time stood still";
}

}  // namespace
