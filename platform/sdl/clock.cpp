// The real clock: CLOCK_MONOTONIC in milliseconds, the calendar seconds, and a sleep that
// survives signals. Answers go through the record and replay session.
#include "platform/seam/clock.h"

#include <cerrno>
#include <ctime>

#include "platform/seam/input_feed.h"
#include "platform/replay/session.h"

namespace platform {

std::uint64_t tickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return replay::clockRead(std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u);
}

std::uint64_t calendarSeconds() { return replay::calendarRead(std::uint64_t(std::time(nullptr))); }

// A replay takes its time from its file and is paced by whoever plays it: its waits are none.
void sleepMs(std::uint32_t ms) {
  if (replay::replaying()) return;
  timespec left{time_t(ms / 1000u), long(ms % 1000u) * 1000000L};
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

std::uint64_t unrecordedMicros() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::uint64_t(now.tv_sec) * 1000000u + std::uint64_t(now.tv_nsec) / 1000u;
}

void restMicros(std::uint64_t us) {
  timespec left{time_t(us / 1000000u), long(us % 1000000u) * 1000L};
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

void restUntilInput(std::uint32_t ms) {
  if (!replay::replaying()) waitForRecordedInput(ms);
}

}  // namespace platform
