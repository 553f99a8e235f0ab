// GraphicsState: the graphics layer's one process-wide record (reference count, devices,
// current draw target, window object) and the recursive graphics lock that guards every
// drawing context, block copy to the screen and change of the draw target.
// The layer starts when the first reference is taken (the first IMAGE or openGraphics)
// and shuts down when only the working image's own reference is left. Start-up: the lock,
// the image device, the window device, then the window object (whose IMAGE part takes the
// second reference); shut-down: the window object, the window device, the image device,
// the lock. Both may run during static construction and destruction.
#pragma once
#include <mutex>

class IMAGE;

namespace gfx {

class DrawOnImg;
class DrawOnWnd;
class GraphWnd;
struct DrawContext;

struct GraphicsState {
  int referenceCount;
  DrawOnImg* imageDevice;
  DrawOnWnd* windowDevice;
  DrawOnImg* currentDevice;     // null while there is no draw target
  IMAGE* currentTarget;         // the GraphWnd itself while the window is the target
  DrawContext* currentContext;  // currentTarget's drawing context
  bool targetIsWindow;          // the window is the draw target
  GraphWnd* window;
  std::recursive_mutex* lock;   // the graphics lock; exists while the layer is started
};

// Zero-initialised before any static constructor runs.
extern GraphicsState graphicsState;

// Takes a reference on the layer, starting it when it is the first. Game thread only (the
// count is a plain integer, as images are made and destroyed on that thread alone).
void takeLayerReference();

// Drops a reference; when the count falls to 1 (only the working image's own reference
// is left) the layer shuts down. Not under the graphics lock: shutting down joins the
// window thread, which takes that lock.
void dropLayerReference();

// The graphics lock (recursive).
std::recursive_mutex& graphicsLock();

}  // namespace gfx
