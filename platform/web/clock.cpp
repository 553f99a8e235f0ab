// The browser's clock: performance.now() in milliseconds and microseconds, the calendar
// seconds, and waits that rest the page (rest.h). Answers go through the record and replay
// session.
#include "platform/seam/clock.h"

#include <emscripten.h>

#include <ctime>

#include "platform/replay/session.h"
#include "platform/web/rest.h"

namespace platform {

std::uint64_t tickCount() { return replay::clockRead(std::uint64_t(emscripten_get_now())); }

std::uint64_t calendarSeconds() { return replay::calendarRead(std::uint64_t(std::time(nullptr))); }

// A replay takes its time from its file; it still lets the page run.
void sleepMs(std::uint32_t ms) { web::restFor(replay::replaying() ? 0 : std::uint64_t(ms) * 1000u); }

std::uint64_t unrecordedMicros() { return std::uint64_t(emscripten_get_now() * 1000.0); }

void restMicros(std::uint64_t us) { web::restFor(us); }

void restUntilInput(std::uint32_t ms) { web::restForInput(replay::replaying() ? 0 : std::uint64_t(ms) * 1000u); }

}  // namespace platform
