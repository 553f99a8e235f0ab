// The clock front: the backend's raw clock (port/clock.h) read through the record and replay
// session, so that a replayed round sees its file's times and waits for none of them.
#include "platform/seam/clock.h"

#include "platform/port/clock.h"
#include "platform/replay/session.h"

namespace platform {

std::uint64_t tickCount() { return replay::clockRead(port::monotonicMs()); }

std::uint64_t calendarSeconds() { return replay::calendarRead(port::calendarSeconds()); }

// A replay takes its time from its file and is paced by whoever plays it: its waits are none.
void sleepMs(std::uint32_t ms) {
  if (!replay::replaying()) port::sleepMs(ms);
}

std::uint64_t unrecordedMicros() { return port::monotonicMicros(); }

void restMicros(std::uint64_t us) { port::restMicros(us); }

void restUntilInput(std::uint32_t ms) {
  if (!replay::replaying()) port::restUntilInput(ms);
}

}  // namespace platform
