// The front functions the game calls. Each forwards to graphicsState.currentDevice:
// the window device while the window is the draw target, the image device otherwise.
// The three deferred-showing functions always act on the window, through the window device.
#pragma once
#include <cstdint>

namespace gfx {

void beginDeferredShow();
void showFrame();
void endDeferredShow();

void drawRectangle(int left, int top, int right, int bottom);
void drawText(int x, int y, const char* text);
void drawChar(int x, int y, char ch);
void setTextColour(std::uint32_t colour);
void setBackColour(std::uint32_t colour);
void setFillColour(std::uint32_t colour);
void setFont(int height, int width, const char* face);
// Width in pixels of text in the current font, one line.
int measureTextWidth(const char* text);

}  // namespace gfx
