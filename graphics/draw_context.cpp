// Drawing contexts and their fonts: a fresh context's state and the default font.
#include <cstring>

#include "graphics/colour.h"
#include "graphics/draw_context.h"
#include "graphics/text/font.h"

namespace gfx {

LOGFONTA defaultFont() {
  LOGFONTA font{};
  font.lfHeight = 16;
  font.lfCharSet = 1;
  font.lfQuality = 3;
  std::strcpy(font.lfFaceName, "System");
  return font;
}

void selectFont(DrawContext& context, const LOGFONTA& font) {
  context.font = font;
  context.font.lfFaceName[31] = '\0';
  // The face is looked up when text is first drawn or measured; most images never draw text.
  context.fontFace = nullptr;
}

DrawContext* createDrawContext() {
  auto* context = new DrawContext{};
  context->textColour = 0xFFFFFF;
  context->backColour = 0;
  context->backMode = 2;
  context->mixMode = 13;
  context->polyFillMode = 1;
  selectFont(*context, defaultFont());
  return context;
}

void destroyDrawContext(DrawContext* context) { delete context; }

}  // namespace gfx
