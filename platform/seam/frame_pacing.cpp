#include "platform/seam/frame_pacing.h"

#include <algorithm>
#include <atomic>

#include "platform/seam/clock.h"
#include "platform/replay/session.h"

namespace platform {
namespace {

constexpr int kFallbackHz = 60;

std::atomic<int> refreshHz{kFallbackHz};
std::uint64_t nextFrameUs = 0;
std::uint64_t passMarkUs = 0;  // when the pass asked whether it composes, after its update
std::uint64_t composed = 0;    // passes that composed

// A platform that must hand its thread back between passes (the browser) paces always.
#ifndef DA_ALWAYS_PACED
#define DA_ALWAYS_PACED 0
#endif

bool paced() { return DA_ALWAYS_PACED || framesPacedToDisplay(); }

std::uint64_t periodUs() { return 1000000u / std::uint64_t(refreshHz.load(std::memory_order_relaxed)); }

}  // namespace

void setDisplayRefresh(int hz) { refreshHz.store(hz > 0 ? hz : kFallbackHz, std::memory_order_relaxed); }

int displayRefresh() { return refreshHz.load(std::memory_order_relaxed); }

bool composesThisPass() {
  bool live = true;
  if (paced()) {
    const std::uint64_t now = passMarkUs = unrecordedMicros();
    // A refresh further off than one period: the clock was set back (a test) or the rate
    // changed; the next refresh is due now.
    if (nextFrameUs > now + periodUs()) nextFrameUs = now;
    live = now >= nextFrameUs;
    // After a late frame the next waits at least half a period: late frames do not bunch up
    // to catch up.
    if (live) nextFrameUs = std::max(nextFrameUs + periodUs(), now + periodUs() / 2);
  }
  const bool composes = replay::valueRead(replay::value_tag::kComposes, live, 1) != 0;
  composed += composes;
  return composes;
}

std::uint32_t eventPollMs() { return paced() ? 4 : 1; }

std::uint64_t passesComposed() { return composed; }

void restBeforeNextPass(std::uint64_t updateDueMs) {
  // A replay takes its time from its file and is paced by whoever plays it.
  if (!paced() || replay::replaying()) return;
  const std::uint64_t now = unrecordedMicros();
  const std::uint64_t update = updateDueMs == kNoUpdateDue ? nextFrameUs : passMarkUs + updateDueMs * 1000u;
  const std::uint64_t wake = std::min(update, nextFrameUs);
  if (wake > now) restMicros(wake - now);
}

}  // namespace platform
