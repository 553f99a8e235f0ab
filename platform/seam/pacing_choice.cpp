// Whether this run paces its frames to the display (frame_pacing.h): set by the settings,
// read by frame pacing on the main thread and by the window thread's event rate.
#include <atomic>

#include "platform/seam/frame_pacing.h"

namespace platform {
namespace {

std::atomic<bool> pacedToDisplay{false};

}  // namespace

void setFramesPacedToDisplay(bool paced) { pacedToDisplay.store(paced, std::memory_order_relaxed); }

bool framesPacedToDisplay() { return pacedToDisplay.load(std::memory_order_relaxed); }

}  // namespace platform
