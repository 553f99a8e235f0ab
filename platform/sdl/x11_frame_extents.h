// The frame a window manager puts around a window, learnt before the window is first
// shown so that the window can be made to fit the desktop with it. Window thread only.
#pragma once
#include <X11/Xlib.h>

namespace platform {

struct FrameExtents {
  int left = 0;
  int right = 0;
  int top = 0;
  int bottom = 0;
};

// Asks the window manager for the frame it will give window (_NET_REQUEST_FRAME_EXTENTS)
// and waits up to timeoutMs for the answer. All zero when no window manager runs, when it
// cannot answer such a request, or when it does not answer in time. Called by the window
// backend once, after making the window and before showing it.
FrameExtents askFrameExtents(Display* display, Window window, int timeoutMs);

}  // namespace platform
