// Two frames in X shared memory for one X window. The window thread puts one on screen
// while the game copies the next into the other, so a frame crosses memory once on its way
// to the server, which reads it straight from the shared segment; at another size the
// server scales it (x11_scaled_put.h). Window thread only, except that the pixels of the
// frame not being put may be written from any thread.
#pragma once
#include <X11/Xlib.h>

#include <cstdint>

#include "platform/base/picture_fit.h"

namespace platform {

struct SharedFrames;

// Null when this display cannot share memory with the process: no MIT-SHM extension, a
// display that is not local, a window whose pixels are not 0x00RRGGBB words in 32 bits,
// or a segment the server refuses. The caller then presents another way.
SharedFrames* createSharedFrames(Display* display, Window window, int width, int height);

// Frame index (0 or 1): width x height words, rows top to bottom, no gaps; zero at first.
std::uint32_t* sharedFramePixels(SharedFrames* frames, int index);

// Whether the server can put the frames on screen at another size than their own; asked
// by the window backend's present.
bool sharedFramesScale(SharedFrames* frames);

// Puts frame index on screen as picture, a rectangle of the client area of clientWidth x
// clientHeight whose rest turns black, and returns once the server has read the frame, so
// it may be written again. A picture of another size than the frame's needs
// sharedFramesScale. Called by the window backend's present.
void putSharedFrame(SharedFrames* frames, int index, const PictureRect& picture, int clientWidth, int clientHeight);

void destroySharedFrames(SharedFrames* frames);

}  // namespace platform
