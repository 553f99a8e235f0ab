// Frame pacing: with the setting frame_pacing = display, a round composes and shows a frame
// once per refresh of the display and rests between its passes, while the world's updates
// keep their own rhythm; uncapped (the default) every pass composes and none rests. Whether
// a pass composes is an answer of the seam, so a paced session replays. Main thread, except
// setDisplayRefresh.
#pragma once
#include <cstdint>

namespace platform {

// The display's refresh rate in Hz, from the window thread when the window opens; 0 or less
// (a display that does not say) counts as 60.
void setDisplayRefresh(int hz);
int displayRefresh();

// Whether this pass composes and shows its frame: always when uncapped; when paced, once the
// next refresh is due (and then the one after it is awaited).
bool composesThisPass();

// How often the window thread looks for events while the game shows frames, in ms: every
// millisecond uncapped; paced, every 4 (a quarter of a frame at 60 Hz), so that the thread
// does not wake a thousand times a second to show sixty frames.
std::uint32_t eventPollMs();

// How many passes have composed so far in this process (composesThisPass answered true).
std::uint64_t passesComposed();

// Between passes: when paced, rests until the next world update (due updateDueMs of the
// game's time after this pass asked whether it composes) or the next refresh, whichever
// comes first; uncapped, returns at once.
constexpr std::uint64_t kNoUpdateDue = ~std::uint64_t(0);
void restBeforeNextPass(std::uint64_t updateDueMs);

}  // namespace platform
