// Drawing contexts and the default drawing state of an IMAGE.
#include <cstring>

#include "graphics/draw_context.h"
#include "graphics/image.h"

namespace gfx {

DrawContext* createDrawContext() {
  auto* context = new DrawContext{};
  context->textColour = 0xFFFFFF;
  context->backColour = 0;
  context->backMode = 2;
  context->mixMode = 13;
  context->polyFillMode = 1;
  context->font = LOGFONTA{};
  context->font.lfHeight = 16;
  context->font.lfCharSet = 1;
  context->font.lfQuality = 3;
  std::strcpy(context->font.lfFaceName, "System");
  return context;
}

void destroyDrawContext(DrawContext* context) { delete context; }

}  // namespace gfx

void IMAGE::resetState() {
  transform[0] = 1;
  transform[1] = 0;
  transform[2] = 0;
  transform[3] = 1;
  transform[4] = 0;
  transform[5] = 0;
  lineColour = 0xFFFFFF;
  fillColour = 0xFFFFFF;
  textColour = 0xFFFFFF;
  backColour = 0;
  if (context) {
    context->textColour = textColour;
    context->backColour = backColour;
    context->backMode = 2;
  }
}
