// Frames shown through SDL's window surface (see surface_frames.h): the fallback where the
// X server cannot read the frames from shared memory, or cannot scale them.
#include "platform/sdl/surface_frames.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/base/frame_copy.h"

namespace platform {

struct SurfaceFrames {
  std::uint32_t* pixels[2];
};

SurfaceFrames* createSurfaceFrames(SDL_Window* window, int width, int height, std::string& error) {
  if (!SDL_GetWindowSurface(window)) {
    error = std::string("SDL gave the window no surface (") + SDL_GetError() + ")";
    return nullptr;
  }
  auto* frames = new SurfaceFrames{{nullptr, nullptr}};
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

void destroySurfaceFrames(SurfaceFrames* frames) {
  if (!frames) return;
  for (std::uint32_t* frame : frames->pixels) std::free(frame);
  delete frames;
}

namespace {

// The frame at its own size into the top-left corner of the surface.
void copyToSurface(SDL_Surface* surface, const std::uint32_t* pixels, int width, int height) {
  const int columns = std::min(width, surface->w);
  const int rows = std::min(height, surface->h);
  const int sourcePitch = width * 4;
  auto* target = static_cast<std::uint8_t*>(surface->pixels);
  if (surface->format->format == SDL_PIXELFORMAT_RGB888) {
    if (surface->pitch == sourcePitch && columns == width && rows == height) {
      streamFrameWords(reinterpret_cast<std::uint32_t*>(target), pixels, std::size_t(width) * height);
    } else {
      for (int y = 0; y < rows; ++y)
        std::memcpy(target + std::size_t(y) * surface->pitch, pixels + std::size_t(y) * width,
                    std::size_t(columns) * 4);
    }
  } else {
    SDL_ConvertPixels(columns, rows, SDL_PIXELFORMAT_RGB888, pixels, sourcePitch, surface->format->format, target,
                      surface->pitch);
  }
}

// The frame into the picture's rectangle of the surface: SDL's linear stretch where the
// surface has the frame's pixel format, else its plain scaled blit, which converts.
void stretchToSurface(SDL_Surface* surface, const std::uint32_t* pixels, int width, int height,
                      const PictureRect& picture) {
  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels), width, height, 32,
                                                          width * 4, SDL_PIXELFORMAT_RGB888);
  if (!frame) return;
  SDL_Rect place{picture.x, picture.y, picture.width, picture.height};
  if (surface->format->format == SDL_PIXELFORMAT_RGB888)
    SDL_SoftStretchLinear(frame, nullptr, surface, &place);
  else
    SDL_BlitScaled(frame, nullptr, surface, &place);
  SDL_FreeSurface(frame);
}

}  // namespace

void putOnSurface(SDL_Window* window, const std::uint32_t* pixels, int width, int height, const PictureRect& picture) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (!surface) return;
  // The window's size may have changed since picture was laid out: never draw outside.
  const PictureRect place = picture.x >= 0 && picture.y >= 0 && picture.x + picture.width <= surface->w &&
                                    picture.y + picture.height <= surface->h
                                ? picture
                                : fitPicture(width, height, surface->w, surface->h);
  if (place.x == 0 && place.y == 0 && place.width == width && place.height == height)
    copyToSurface(surface, pixels, width, height);
  else
    stretchToSurface(surface, pixels, width, height, place);
  PictureRect bars[4];
  const int count = barsAround(place, surface->w, surface->h, bars);
  for (int i = 0; i < count; ++i) {
    SDL_Rect bar{bars[i].x, bars[i].y, bars[i].width, bars[i].height};
    SDL_FillRect(surface, &bar, SDL_MapRGB(surface->format, 0, 0, 0));
  }
  SDL_UpdateWindowSurface(window);
}

}  // namespace platform
