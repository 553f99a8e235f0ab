// The window device's own operations: opening and closing the window and deferred showing.
// They act on the window object (window.h), whatever the current draw target is.
#include <algorithm>

#include "graphics/device.h"
#include "graphics/graphics_state.h"
#include "graphics/window.h"

namespace gfx {

void* DrawOnWnd::initWindow(int width, int height, std::uint32_t flags) {
  GraphWnd* window = graphicsState.window;
  void* handle = window->openWindow(width, height, flags);
  if (!handle) return nullptr;
  {
    std::lock_guard<std::recursive_mutex> guard(graphicsLock());
    window->resetState();
    std::fill_n(pixelBuffer(window), std::size_t(window->width()) * window->height(), 0u);
  }
  showFrame();
  return handle;
}

void DrawOnWnd::closeWindow() { graphicsState.window->closeWindow(); }

void DrawOnWnd::beginDeferredShow() {
  graphicsState.window->deferring.store(true, std::memory_order_relaxed);
  // An automatic copy the window thread had already begun ends before the game draws on:
  // the thread copies under this lock and looks at the flag again once it holds it.
  std::lock_guard<std::recursive_mutex> guard(graphicsLock());
}

void DrawOnWnd::showFrame(int left, int top, int right, int bottom) {
  graphicsState.window->flush(left, top, right, bottom);
}

void DrawOnWnd::showFrame() {
  GraphWnd* window = graphicsState.window;
  window->flush(0, 0, window->width() - 1, window->height() - 1);
}

void DrawOnWnd::endDeferredShow(int left, int top, int right, int bottom) {
  showFrame(left, top, right, bottom);
  graphicsState.window->deferring.store(false, std::memory_order_relaxed);
}

void DrawOnWnd::endDeferredShow() {
  showFrame();
  graphicsState.window->deferring.store(false, std::memory_order_relaxed);
}

}  // namespace gfx
