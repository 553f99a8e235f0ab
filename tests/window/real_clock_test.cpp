// The real clock: monotonic milliseconds that agree with the system's steady clock, and a
// sleep that lasts at least as long as asked.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/seam/clock.h"

namespace {

TEST(RealClock, NeverGoesBackwards) {
  std::uint64_t previous = platform::tickCount();
  for (int i = 0; i < 100000; ++i) {
    std::uint64_t now = platform::tickCount();
    ASSERT_GE(now, previous);
    previous = now;
  }
}

TEST(RealClock, SleepLastsAtLeastTheTimeAskedAndTheClockSeesIt) {
  auto steadyBefore = std::chrono::steady_clock::now();
  std::uint64_t before = platform::tickCount();
  platform::sleepMs(30);
  std::uint64_t after = platform::tickCount();
  auto steadyMs =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - steadyBefore).count();
  EXPECT_GE(steadyMs, 30);
  // Whole milliseconds of two readings: at most one lost to truncation at each end.
  EXPECT_GE(after - before, 29u);
  EXPECT_LE(after - before, std::uint64_t(steadyMs) + 1);
}

TEST(RealClock, CountsFromBootNotFromProgramStart) {
  // CLOCK_MONOTONIC starts near boot; a machine running this test has been up for a while.
  EXPECT_GT(platform::tickCount(), 1000u);
}

}  // namespace
