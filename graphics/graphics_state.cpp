// The graphics layer's process-wide record and its life by reference counting: the first
// reference starts the layer (graphics lock, the two devices, the window object), and the
// layer shuts down when only the working image's own reference is left.
// Depends on the devices (device.h) and the window object (window.h).
#include "graphics/graphics_state.h"

#include "graphics/device.h"
#include "graphics/window.h"

namespace gfx {

// Zero-initialised at load time, before any static constructor can take a reference.
GraphicsState graphicsState;

namespace {

void startLayer() {
  graphicsState.lock = new std::recursive_mutex;
  graphicsState.currentContext = nullptr;
  graphicsState.imageDevice = new DrawOnImg;
  graphicsState.windowDevice = new DrawOnWnd;
  // The window object's IMAGE part takes its own reference: the count becomes 2.
  graphicsState.window = new GraphWnd;
}

void shutDownLayer() {
  // Destroying the working image drops its reference to 0 without a second shut-down.
  GraphWnd* window = graphicsState.window;
  delete window;
  graphicsState.window = nullptr;
  delete graphicsState.windowDevice;
  graphicsState.windowDevice = nullptr;
  delete graphicsState.imageDevice;
  graphicsState.imageDevice = nullptr;
  graphicsState.currentDevice = nullptr;
  graphicsState.currentTarget = nullptr;
  graphicsState.currentContext = nullptr;
  graphicsState.targetIsWindow = false;
  delete graphicsState.lock;
  graphicsState.lock = nullptr;
}

}  // namespace

void takeLayerReference() {
  if (graphicsState.referenceCount++ == 0) startLayer();
}

void dropLayerReference() {
  if (--graphicsState.referenceCount == 1) shutDownLayer();
}

std::recursive_mutex& graphicsLock() { return *graphicsState.lock; }

}  // namespace gfx
