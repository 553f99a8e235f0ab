// Fake clock: tickCount() returns what the test set; sleepMs() advances it instead of waiting.
#include "platform/clock.h"
#include "platform/fake/fake_platform.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<std::uint64_t> fakeNow{0};
}

std::uint64_t tickCount() { return fakeNow.load(std::memory_order_relaxed); }

void sleepMs(std::uint32_t ms) { fakeNow.fetch_add(ms, std::memory_order_relaxed); }

namespace fake {
void setTickCount(std::uint64_t ms) { fakeNow.store(ms, std::memory_order_relaxed); }
void advanceTicks(std::uint64_t ms) { fakeNow.fetch_add(ms, std::memory_order_relaxed); }
}  // namespace fake

}  // namespace platform
