// The browser's raw clock (port/clock.h): performance.now() in milliseconds and microseconds,
// the calendar seconds, and waits that rest the page (rest.h). The clock front puts it through
// the record and replay session.
#include "platform/port/clock.h"

#include <emscripten.h>

#include <ctime>

#include "platform/web/rest.h"

namespace platform::port {

std::uint64_t monotonicMs() { return std::uint64_t(emscripten_get_now()); }

std::uint64_t calendarSeconds() { return std::uint64_t(std::time(nullptr)); }

std::uint64_t monotonicMicros() { return std::uint64_t(emscripten_get_now() * 1000.0); }

void sleepMs(std::uint32_t ms) { web::restFor(std::uint64_t(ms) * 1000u); }

void restMicros(std::uint64_t us) { web::restFor(us); }

void restUntilInput(std::uint32_t ms) { web::restForInput(std::uint64_t(ms) * 1000u); }

}  // namespace platform::port
