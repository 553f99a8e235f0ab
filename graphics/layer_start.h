// The graphics layer's start and shut-down, as the reference count calls them
// (graphics_state.cpp): the order is the one graphics_state.h gives. They make and destroy
// the window object, an IMAGE above this floor, so the window layer defines them
// (window_shared.cpp); the first IMAGE made thus starts the window through this seam.
#pragma once

namespace gfx {

// Makes the graphics lock, the image device, the window device and the window object.
// Called once, by the first takeLayerReference.
void startLayer();

// Destroys the window object, the window device, the image device and the lock, and
// clears the draw target. Called by dropLayerReference when only the working image's own
// reference is left.
void shutDownLayer();

}  // namespace gfx
