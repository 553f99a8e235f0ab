// Frame buffers in plain memory for a window whose display cannot share memory with the
// process, and frames presented by copying them into SDL's window surface: as they are,
// or scaled on the window thread (SDL's SSE2 linear stretch) where the display cannot
// scale shared frames itself. Window thread only, except that the pixels of a frame not
// being presented may be written from any thread.
#pragma once
#include <SDL.h>

#include <cstdint>
#include <string>

#include "platform/base/picture_fit.h"

namespace platform {

struct SurfaceFrames;

// Two zeroed frames of width x height words for the window; null with a reason when SDL
// gives the window no surface or the memory cannot be had. Called by the window backend
// when it makes a window whose display shares no memory.
SurfaceFrames* createSurfaceFrames(SDL_Window* window, int width, int height, std::string& error);

// Frame index (0 or 1): width x height words of the working image's layout.
std::uint32_t* surfaceFramePixels(SurfaceFrames* frames, int index);

void destroySurfaceFrames(SurfaceFrames* frames);

// Copies a frame of width x height words into the window surface as picture, a rectangle of
// the surface (the client area), turns the rest black, and shows the surface. Called by
// the window backend's present for these frames, and for shared ones the display cannot
// scale.
void putOnSurface(SDL_Window* window, const std::uint32_t* pixels, int width, int height, const PictureRect& picture);

}  // namespace platform
