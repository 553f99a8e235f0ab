// Plain frame buffers shown through SDL's window surface (see surface_frames.h): the
// fallback where the X server cannot read the frames from shared memory.
#include "platform/sdl/surface_frames.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/frame_copy.h"

namespace platform {

struct SurfaceFrames {
  SDL_Window* window;
  int width;
  int height;
  std::uint32_t* pixels[2];
};

SurfaceFrames* createSurfaceFrames(SDL_Window* window, int width, int height, std::string& error) {
  if (!SDL_GetWindowSurface(window)) {
    error = std::string("SDL gave the window no surface (") + SDL_GetError() + ")";
    return nullptr;
  }
  auto* frames = new SurfaceFrames{window, width, height, {nullptr, nullptr}};
  const std::size_t bytes = std::size_t(width) * std::size_t(height) * 4;
  for (std::uint32_t*& frame : frames->pixels) {
    frame = static_cast<std::uint32_t*>(std::aligned_alloc(64, (bytes + 63) / 64 * 64));
    if (!frame) {
      destroySurfaceFrames(frames);
      error = "no frame of " + std::to_string(width) + " x " + std::to_string(height) + " pixels can be made";
      return nullptr;
    }
    std::memset(frame, 0, bytes);
  }
  return frames;
}

std::uint32_t* surfaceFramePixels(SurfaceFrames* frames, int index) { return frames->pixels[index]; }

void putSurfaceFrame(SurfaceFrames* frames, int index) {
  SDL_Surface* surface = SDL_GetWindowSurface(frames->window);
  if (!surface) return;
  const std::uint32_t* pixels = frames->pixels[index];
  const int columns = std::min(frames->width, surface->w);
  const int rows = std::min(frames->height, surface->h);
  const int sourcePitch = frames->width * 4;
  auto* target = static_cast<std::uint8_t*>(surface->pixels);
  if (surface->format->format == SDL_PIXELFORMAT_RGB888) {
    if (surface->pitch == sourcePitch && columns == frames->width && rows == frames->height) {
      streamFrameWords(reinterpret_cast<std::uint32_t*>(target), pixels, std::size_t(frames->width) * frames->height);
    } else {
      for (int y = 0; y < rows; ++y)
        std::memcpy(target + std::size_t(y) * surface->pitch, pixels + std::size_t(y) * frames->width,
                    std::size_t(columns) * 4);
    }
  } else {
    SDL_ConvertPixels(columns, rows, SDL_PIXELFORMAT_RGB888, pixels, sourcePitch, surface->format->format, target,
                      surface->pitch);
  }
  SDL_UpdateWindowSurface(frames->window);
}

void destroySurfaceFrames(SurfaceFrames* frames) {
  if (!frames) return;
  for (std::uint32_t* frame : frames->pixels) std::free(frame);
  delete frames;
}

}  // namespace platform
