// The fake raw clock: the tick count and calendar seconds are what the test set, and a sleep
// advances the tick count instead of waiting. The clock front (seam/clock.cpp) puts it
// through the record and replay session.
#include "platform/port/clock.h"
#include "platform/fake/fake_platform.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<std::uint64_t> fakeNow{0};
std::atomic<std::uint64_t> fakeCalendar{0};
}  // namespace

namespace port {

std::uint64_t monotonicMs() { return fakeNow.load(std::memory_order_relaxed); }

std::uint64_t calendarSeconds() { return fakeCalendar.load(std::memory_order_relaxed); }

std::uint64_t monotonicMicros() { return fakeNow.load(std::memory_order_relaxed) * 1000u; }

void sleepMs(std::uint32_t ms) { fakeNow.fetch_add(ms, std::memory_order_relaxed); }

void restMicros(std::uint64_t) {}

void restUntilInput(std::uint32_t) {}

}  // namespace port

namespace fake {
void setTickCount(std::uint64_t ms) { fakeNow.store(ms, std::memory_order_relaxed); }
void advanceTicks(std::uint64_t ms) { fakeNow.fetch_add(ms, std::memory_order_relaxed); }
void setCalendarSeconds(std::uint64_t seconds) { fakeCalendar.store(seconds, std::memory_order_relaxed); }
}  // namespace fake

}  // namespace platform
