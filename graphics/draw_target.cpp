// The draw target and pixelBuffer, declared in image.h: both take null for the window's
// working image, so they stand above the window object (window.h). Depends on the layer's
// record and lock (graphics_state.h) and the two devices (device.h).
#include <mutex>

#include "graphics/device.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"

using gfx::graphicsState;

std::uint32_t* pixelBuffer(IMAGE* image) {
  if (!image) image = graphicsState.window;
  return image ? image->pixels : nullptr;
}

void setDrawTarget(IMAGE* image) {
  std::lock_guard<std::recursive_mutex> guard(gfx::graphicsLock());
  if (image) {
    graphicsState.currentDevice = graphicsState.imageDevice;
    graphicsState.currentTarget = image;
    graphicsState.currentContext = image->context;
    graphicsState.targetIsWindow = false;
  } else if (graphicsState.window && graphicsState.window->isOpen()) {
    graphicsState.currentDevice = graphicsState.windowDevice;
    graphicsState.currentTarget = graphicsState.window;
    graphicsState.currentContext = graphicsState.window->context;
    graphicsState.targetIsWindow = true;
  } else {
    graphicsState.currentDevice = nullptr;
    graphicsState.currentTarget = nullptr;
    graphicsState.currentContext = nullptr;
    graphicsState.targetIsWindow = false;
  }
}

int targetWidth() { return graphicsState.currentTarget ? graphicsState.currentTarget->width() : 0; }

int targetHeight() { return graphicsState.currentTarget ? graphicsState.currentTarget->height() : 0; }
