// Placeholder bodies of the window-only operations; replaced by the window implementation.
#include "graphics/device.h"

namespace gfx {

void* DrawOnWnd::initWindow(int /*width*/, int /*height*/, std::uint32_t /*flags*/) { return nullptr; }
void DrawOnWnd::closeWindow() {}
void DrawOnWnd::beginDeferredShow() {}
void DrawOnWnd::showFrame(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnWnd::showFrame() {}
void DrawOnWnd::endDeferredShow(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
void DrawOnWnd::endDeferredShow() {}

}  // namespace gfx
