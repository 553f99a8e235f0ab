// The window device: the image device's operations on the working image, each context
// operation run under the graphics lock because the window thread copies the working
// image to the screen through the same state (the lock is recursive); and its own
// operations, opening and closing the window and deferred showing, which act on the window
// object (window.h) whatever the current draw target is.
#include <algorithm>
#include <mutex>

#include "graphics/device.h"
#include "graphics/graphics_state.h"
#include "graphics/window.h"

namespace gfx {

#define DA_LOCKED std::lock_guard<std::recursive_mutex> guard(graphicsLock())

DrawOnWnd::~DrawOnWnd() = default;
void DrawOnWnd::clearTarget() { DA_LOCKED; DrawOnImg::clearTarget(); }
void DrawOnWnd::setTextColour(std::uint32_t colour) { DA_LOCKED; DrawOnImg::setTextColour(colour); }
void DrawOnWnd::setBackColour(std::uint32_t colour) { DA_LOCKED; DrawOnImg::setBackColour(colour); }
int DrawOnWnd::getBackMode() { DA_LOCKED; return DrawOnImg::getBackMode(); }
void DrawOnWnd::setBackMode(int mode) { DA_LOCKED; DrawOnImg::setBackMode(mode); }
void DrawOnWnd::setOrigin(int x, int y) { DA_LOCKED; DrawOnImg::setOrigin(x, y); }
void DrawOnWnd::setClipRegion(const Region* region) { DA_LOCKED; DrawOnImg::setClipRegion(region); }
void DrawOnWnd::clearClipArea() { DA_LOCKED; DrawOnImg::clearClipArea(); }
void DrawOnWnd::setLineStyle(const LINESTYLE& style) { DA_LOCKED; DrawOnImg::setLineStyle(style); }
void DrawOnWnd::setFillStyle(const FILLSTYLE& style) { DA_LOCKED; DrawOnImg::setFillStyle(style); }
void DrawOnWnd::setFillColour(std::uint32_t colour) { DA_LOCKED; DrawOnImg::setFillColour(colour); }
void DrawOnWnd::setScale(float xScale, float yScale) { DA_LOCKED; DrawOnImg::setScale(xScale, yScale); }
int DrawOnWnd::getMixMode() { DA_LOCKED; return DrawOnImg::getMixMode(); }
void DrawOnWnd::setMixMode(int mode) { DA_LOCKED; DrawOnImg::setMixMode(mode); }
int DrawOnWnd::getPolyFillMode() { DA_LOCKED; return DrawOnImg::getPolyFillMode(); }
void DrawOnWnd::setPolyFillMode(int mode) { DA_LOCKED; DrawOnImg::setPolyFillMode(mode); }
std::uint32_t DrawOnWnd::getPixel(int x, int y) { DA_LOCKED; return DrawOnImg::getPixel(x, y); }
void DrawOnWnd::setPixel(int x, int y, std::uint32_t colour) { DA_LOCKED; DrawOnImg::setPixel(x, y, colour); }
void DrawOnWnd::drawLine(int x1, int y1, int x2, int y2) { DA_LOCKED; DrawOnImg::drawLine(x1, y1, x2, y2); }

void DrawOnWnd::drawRectangle(int left, int top, int right, int bottom) {
  DA_LOCKED;
  DrawOnImg::drawRectangle(left, top, right, bottom);
}

void DrawOnWnd::drawCircle(int x, int y, int radius) { DA_LOCKED; DrawOnImg::drawCircle(x, y, radius); }

void DrawOnWnd::drawEllipse(int left, int top, int right, int bottom) {
  DA_LOCKED;
  DrawOnImg::drawEllipse(left, top, right, bottom);
}

void DrawOnWnd::drawRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  DA_LOCKED;
  DrawOnImg::drawRoundRect(left, top, right, bottom, cornerWidth, cornerHeight);
}

void DrawOnWnd::drawArc(int left, int top, int right, int bottom, double startAngle, double endAngle) {
  DA_LOCKED;
  DrawOnImg::drawArc(left, top, right, bottom, startAngle, endAngle);
}

void DrawOnWnd::drawPie(int left, int top, int right, int bottom, double startAngle, double endAngle) {
  DA_LOCKED;
  DrawOnImg::drawPie(left, top, right, bottom, startAngle, endAngle);
}

void DrawOnWnd::drawPolyline(const Point* points, int count) { DA_LOCKED; DrawOnImg::drawPolyline(points, count); }
void DrawOnWnd::drawPolygon(const Point* points, int count) { DA_LOCKED; DrawOnImg::drawPolygon(points, count); }
void DrawOnWnd::drawBezier(const Point* points, int count) { DA_LOCKED; DrawOnImg::drawBezier(points, count); }

void DrawOnWnd::floodFill(int x, int y, std::uint32_t colour, int mode) {
  DA_LOCKED;
  DrawOnImg::floodFill(x, y, colour, mode);
}

void DrawOnWnd::drawText(int x, int y, const char* text) { DA_LOCKED; DrawOnImg::drawText(x, y, text); }

int DrawOnWnd::drawTextInRect(const char* text, Rect& rect, std::uint32_t format) {
  DA_LOCKED;
  return DrawOnImg::drawTextInRect(text, rect, format);
}

int DrawOnWnd::measureTextWidth(const char* text) { DA_LOCKED; return DrawOnImg::measureTextWidth(text); }
int DrawOnWnd::measureTextHeight(const char* text) { DA_LOCKED; return DrawOnImg::measureTextHeight(text); }
void DrawOnWnd::setFont(const LOGFONTA& font) { DA_LOCKED; DrawOnImg::setFont(font); }
void DrawOnWnd::getFont(LOGFONTA& font) { DA_LOCKED; DrawOnImg::getFont(font); }

#undef DA_LOCKED

// ---- The window's own operations ----

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
