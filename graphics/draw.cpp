// Front functions: each forwards to the current device with its own arguments.
#include "graphics/draw.h"

#include "graphics/device.h"
#include "graphics/graphics_state.h"

namespace gfx {
namespace {
DrawOnWnd* windowDevice() { return static_cast<DrawOnWnd*>(graphicsState.currentDevice); }
}  // namespace

void beginDeferredShow() { windowDevice()->beginDeferredShow(); }
void showFrame() { windowDevice()->showFrame(); }
void endDeferredShow() { windowDevice()->endDeferredShow(); }

void drawRectangle(int left, int top, int right, int bottom) {
  graphicsState.currentDevice->drawRectangle(left, top, right, bottom);
}

void drawText(int x, int y, const char* text) { graphicsState.currentDevice->drawText(x, y, text); }

void drawChar(int x, int y, char ch) {
  const char text[2] = {ch, '\0'};
  graphicsState.currentDevice->drawText(x, y, text);
}

void setTextColour(std::uint32_t colour) { graphicsState.currentDevice->setTextColour(colour); }
void setBackColour(std::uint32_t colour) { graphicsState.currentDevice->setBackColour(colour); }
void setFillColour(std::uint32_t colour) { graphicsState.currentDevice->setFillColour(colour); }
void setFont(int height, int width, const char* face) { graphicsState.currentDevice->setFont(height, width, face); }

}  // namespace gfx
