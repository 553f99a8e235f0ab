// Two frames in X shared memory for one X window. The window thread puts one on screen
// while the game copies the next into the other, so a frame crosses memory once on its way
// to the server, which reads it straight from the shared segment. Window thread only,
// except that the pixels of the frame not being put may be written from any thread.
#pragma once
#include <X11/Xlib.h>

#include <cstdint>

namespace platform {

struct SharedFrames;

// Null when this display cannot share memory with the process: no MIT-SHM extension, a
// display that is not local, a window whose pixels are not 0x00RRGGBB words in 32 bits,
// or a segment the server refuses. The caller then presents another way.
SharedFrames* createSharedFrames(Display* display, Window window, int width, int height);

// Frame index (0 or 1): width x height words, rows top to bottom, no gaps; zero at first.
std::uint32_t* sharedFramePixels(SharedFrames* frames, int index);

// Puts frame index on screen and returns once the server has read it, so the frame may be
// written again.
void putSharedFrame(SharedFrames* frames, int index);

void destroySharedFrames(SharedFrames* frames);

}  // namespace platform
