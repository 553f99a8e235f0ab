// Frame buffers in plain memory for a window whose display cannot share memory with the
// process, presented by copying them into SDL's window surface. Window thread only, except
// that the pixels of a frame not being presented may be written from any thread.
#pragma once
#include <SDL.h>

#include <cstdint>
#include <string>

namespace platform {

struct SurfaceFrames;

// Two zeroed frames of width x height words for the window; null with a reason when SDL
// gives the window no surface or the memory cannot be had.
SurfaceFrames* createSurfaceFrames(SDL_Window* window, int width, int height, std::string& error);

// Frame index (0 or 1): width x height words of the working image's layout.
std::uint32_t* surfaceFramePixels(SurfaceFrames* frames, int index);

// Copies frame index into the window surface and shows it.
void putSurfaceFrame(SurfaceFrames* frames, int index);

void destroySurfaceFrames(SurfaceFrames* frames);

}  // namespace platform
