// Front functions: each forwards to the current device with its own arguments; the
// deferred-showing ones to the window device.
#include "graphics/draw.h"

#include "graphics/device.h"
#include "graphics/graphics_state.h"

namespace gfx {

// The window's own operations go to the window device whatever the draw target is: the
// current device is the image device while an IMAGE is the target.
void beginDeferredShow() { graphicsState.windowDevice->beginDeferredShow(); }
void showFrame() { graphicsState.windowDevice->showFrame(); }
void endDeferredShow() { graphicsState.windowDevice->endDeferredShow(); }

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

int measureTextWidth(const char* text) { return graphicsState.currentDevice->measureTextWidth(text); }

}  // namespace gfx
