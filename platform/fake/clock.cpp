// Fake clock: tickCount() and calendarSeconds() return what the test set; sleepMs() advances
// the tick count instead of waiting. Answers go through the record and replay session.
#include "platform/seam/clock.h"
#include "platform/fake/fake_platform.h"

#include <atomic>

#include "platform/replay/session.h"

namespace platform {
namespace {
std::atomic<std::uint64_t> fakeNow{0};
std::atomic<std::uint64_t> fakeCalendar{0};
}

std::uint64_t tickCount() { return replay::clockRead(fakeNow.load(std::memory_order_relaxed)); }

std::uint64_t calendarSeconds() { return replay::calendarRead(fakeCalendar.load(std::memory_order_relaxed)); }

void sleepMs(std::uint32_t ms) { fakeNow.fetch_add(ms, std::memory_order_relaxed); }

std::uint64_t unrecordedMicros() { return fakeNow.load(std::memory_order_relaxed) * 1000u; }

void restMicros(std::uint64_t) {}

void restUntilInput(std::uint32_t) {}

namespace fake {
void setTickCount(std::uint64_t ms) { fakeNow.store(ms, std::memory_order_relaxed); }
void advanceTicks(std::uint64_t ms) { fakeNow.fetch_add(ms, std::memory_order_relaxed); }
void setCalendarSeconds(std::uint64_t seconds) { fakeCalendar.store(seconds, std::memory_order_relaxed); }
}  // namespace fake

}  // namespace platform
