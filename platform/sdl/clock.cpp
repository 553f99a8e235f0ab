// The real raw clock: CLOCK_MONOTONIC in milliseconds and microseconds, the calendar seconds,
// and sleeps that survive signals. The clock front (seam/clock.cpp) puts it through the
// record and replay session.
#include "platform/port/clock.h"

#include <cerrno>
#include <ctime>

#include "platform/seam/input_feed.h"

namespace platform::port {
namespace {

// Sleeps for the whole of left, going back to sleep after a signal.
void sleepThrough(timespec left) {
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

}  // namespace

std::uint64_t monotonicMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u;
}

std::uint64_t calendarSeconds() { return std::uint64_t(std::time(nullptr)); }

std::uint64_t monotonicMicros() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::uint64_t(now.tv_sec) * 1000000u + std::uint64_t(now.tv_nsec) / 1000u;
}

void sleepMs(std::uint32_t ms) { sleepThrough(timespec{time_t(ms / 1000u), long(ms % 1000u) * 1000000L}); }

void restMicros(std::uint64_t us) { sleepThrough(timespec{time_t(us / 1000000u), long(us % 1000000u) * 1000L}); }

void restUntilInput(std::uint32_t ms) { waitForRecordedInput(ms); }

}  // namespace platform::port
