// The test clock: it moves only when set or advanced, and sleeping advances it.
#include <gtest/gtest.h>

#include "platform/seam/clock.h"
#include "platform/fake/fake_platform.h"

namespace {

TEST(FakeClock, ReadsWhatWasSetAndMovesOnlyWhenTold) {
  platform::fake::setTickCount(5000);
  EXPECT_EQ(platform::tickCount(), 5000u);
  EXPECT_EQ(platform::tickCount(), 5000u);
  platform::fake::advanceTicks(11);
  EXPECT_EQ(platform::tickCount(), 5011u);
}

TEST(FakeClock, SleepAdvancesInsteadOfWaiting) {
  platform::fake::setTickCount(0);
  platform::sleepMs(1000);
  EXPECT_EQ(platform::tickCount(), 1000u);
}

TEST(FakeClock, CountsPastThirtyTwoBits) {
  platform::fake::setTickCount(0xFFFFFFFFull);
  platform::fake::advanceTicks(2);
  EXPECT_EQ(platform::tickCount(), 0x100000001ull);
}

}  // namespace
