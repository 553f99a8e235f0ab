// Frames in X shared memory put on a window at another size, scaled by the X server with
// the Render extension (bilinear filter), so neither the game thread nor the window thread
// touches a pixel of the scaling. Window thread only.
#pragma once
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include "platform/base/picture_fit.h"

namespace platform {

struct ScaledPut;

// For the two width x height frames `images` over `segments`, shown on window (whose
// attributes are given). The server reads the segments as pixmaps when sharedPixmaps is
// true; otherwise each put first copies the frame into one pixmap of the server's own.
// Null when the server has no Render extension or no picture format for the window.
// Called by the shared frames once they are made.
ScaledPut* createScaledPut(Display* display, Window window, const XWindowAttributes& attributes, XImage* images[2],
                           XShmSegmentInfo segments[2], int width, int height, bool sharedPixmaps);

// Whether the server can read the frames' segments as pixmaps (MIT-SHM shared pixmaps);
// asked by the shared frames before createScaledPut.
bool serverSharesPixmaps(Display* display);

// Draws frame index scaled into the window's rectangle picture; called by the shared
// frames' put for every frame shown at another size. Returns at once; the caller syncs
// with the server before the frame is written again.
void putScaled(ScaledPut* put, int index, const PictureRect& picture);

// Called by the shared frames before their segments go.
void destroyScaledPut(ScaledPut* put);

}  // namespace platform
