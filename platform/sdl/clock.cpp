// The real clock: CLOCK_MONOTONIC in milliseconds, and a sleep that survives signals.
#include "platform/clock.h"

#include <cerrno>
#include <ctime>

namespace platform {

std::uint64_t tickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return std::uint64_t(now.tv_sec) * 1000u + std::uint64_t(now.tv_nsec) / 1000000u;
}

void sleepMs(std::uint32_t ms) {
  timespec left{time_t(ms / 1000u), long(ms % 1000u) * 1000000L};
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

}  // namespace platform
