// The graphics window without a window thread, for a platform that runs the whole game on
// one thread (the browser): the native window is made and destroyed on the game's thread,
// its events reach the input latch between the game's passes by the platform's own hand, and
// showFrame presents the frame at once. Nothing is copied to the screen outside deferred
// mode. Depends on the platform's window backend and the layer's record.
#include "graphics/window.h"

#include "graphics/graphics_state.h"
#include "platform/port/window.h"

namespace gfx {

void* GraphWnd::openWindow(int width, int height, std::uint32_t) {
  if (!startOpening(width, height)) return nullptr;
  nativeWindow_ = platform::createNativeWindow(width, height, platform::programTitle(), openError_);
  if (!nativeWindow_) return nullptr;
  for (int index = 0; index < 2; ++index) presentBuffers_[index] = platform::nativeFrameBuffer(nativeWindow_, index);
  return finishOpening(width, height);
}

void GraphWnd::closeWindow() {
  if (!nativeWindow_) return;
  presentBuffers_[0] = presentBuffers_[1] = nullptr;
  platform::destroyNativeWindow(nativeWindow_);
  nativeWindow_ = nullptr;
}

void GraphWnd::flush(int left, int top, int right, int bottom) {
  if (!isOpen()) return;
  {
    std::lock_guard<std::recursive_mutex> guard(graphicsLock());
    stageFrame(left, top, right, bottom);
  }
  presentPending(nativeWindow_);
}

}  // namespace gfx
