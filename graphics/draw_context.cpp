// Drawing contexts, the default drawing state of an IMAGE, and the making of pens,
// brushes and fonts from the drawing state.
#include <cstring>

#include "graphics/colour.h"
#include "graphics/draw_context.h"
#include "graphics/image.h"
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

void applyLineStyle(IMAGE& image) {
  if (!image.context) return;
  LINESTYLE& style = image.lineStyle;
  PenObject pen;
  pen.style = style.style;
  pen.width = style.thickness;
  pen.colour = image.lineColour;
  if ((style.style & 0xF) == 7) {
    if (!style.userStyle || style.userStyleCount == 0)
      pen.style = (pen.style & ~0xFu) | 5;
    else
      pen.pattern.assign(style.userStyle, style.userStyle + style.userStyleCount);
  } else {
    delete[] style.userStyle;
    style.userStyle = nullptr;
    style.userStyleCount = 0;
  }
  image.context->pen = std::move(pen);
}

void applyFillStyle(IMAGE& image) {
  if (!image.context) return;
  const FILLSTYLE& style = image.fillStyle;
  BrushObject brush;
  brush.colour = image.fillColour;
  switch (style.style) {
    case 0:
      brush.kind = BrushObject::kSolid;
      break;
    case 1:
      brush.kind = BrushObject::kNone;
      break;
    case 2:
      brush.kind = BrushObject::kHatch;
      brush.hatch = style.hatch;
      break;
    case 3:
    case 5: {
      IMAGE* pattern = style.pattern;
      const std::uint32_t* words = pattern ? pixelBuffer(pattern) : nullptr;
      if (!words || pattern->width() <= 0 || pattern->height() <= 0) return;
      brush.patternWidth = pattern->width();
      brush.patternHeight = pattern->height();
      std::size_t count = static_cast<std::size_t>(brush.patternWidth) * brush.patternHeight;
      if (style.style == 3) {
        brush.kind = BrushObject::kMono;
        brush.bits.resize(count);
        for (std::size_t i = 0; i < count; ++i) brush.bits[i] = words[i] == 0 ? 1 : 0;
      } else {
        brush.kind = BrushObject::kColourPattern;
        brush.colours.resize(count);
        for (std::size_t i = 0; i < count; ++i) brush.colours[i] = words[i] & 0x00FFFFFFu;
      }
      break;
    }
    default:
      return;
  }
  image.context->brush = std::move(brush);
}

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
  lineStyle = LINESTYLE();
  fillStyle = FILLSTYLE();
  if (!context) return;
  context->textColour = textColour;
  context->backColour = backColour;
  context->backMode = 2;
  context->clip.reset();
  gfx::applyLineStyle(*this);
  gfx::applyFillStyle(*this);
  gfx::selectFont(*context, gfx::defaultFont());
}
