// The graphics layer's process-wide record and its life by reference counting: the first
// reference starts the layer (graphics lock, the two devices, the window object), and the
// layer shuts down when only the working image's own reference is left. The start and the
// shut-down make and destroy the window object, so the window layer defines them
// (layer_start.h).
#include "graphics/graphics_state.h"

#include "graphics/layer_start.h"

namespace gfx {

// Zero-initialised at load time, before any static constructor can take a reference.
GraphicsState graphicsState;

void takeLayerReference() {
  if (graphicsState.referenceCount++ == 0) startLayer();
}

void dropLayerReference() {
  if (--graphicsState.referenceCount == 1) shutDownLayer();
}

std::recursive_mutex& graphicsLock() { return *graphicsState.lock; }

}  // namespace gfx
