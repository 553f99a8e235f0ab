// The image device's state: colours, modes, origin, clip, line and fill styles, scale and
// the reset, each kept in the target IMAGE and its drawing context; an IMAGE's default
// drawing state, and the pen and brush made from its line and fill styles.
#include "graphics/image_paint.h"

namespace gfx {

using namespace image_paint;

namespace {

// Makes the pen from the image's lineStyle and lineColour and selects it.
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

// Makes the brush from the image's fillStyle and fillColour and selects it; a style
// outside 0, 1, 2, 3 and 5 (or a pattern style without pattern pixels) keeps the old brush.
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

}  // namespace

DrawOnImg::~DrawOnImg() = default;

void DrawOnImg::clearTarget() {
  IMAGE* image = target();
  if (!image) return;
  std::uint32_t* words = pixelBuffer(image);
  if (!words) return;
  std::fill_n(words, static_cast<std::size_t>(image->width()) * image->height(), colourToWord(image->backColour));
}

std::uint32_t DrawOnImg::getLineColour() { return target() ? target()->lineColour : 0; }

void DrawOnImg::setLineColour(std::uint32_t colour) {
  IMAGE* image = target();
  if (!image) return;
  image->lineColour = colour;
  setLineStyle(image->lineStyle);
}

std::uint32_t DrawOnImg::getTextColour() { return target() ? target()->textColour : 0; }

void DrawOnImg::setTextColour(std::uint32_t colour) {
  IMAGE* image = target();
  if (!image) return;
  image->textColour = colour;
  if (image->context) image->context->textColour = colour;
}

std::uint32_t DrawOnImg::getBackColour() { return target() ? target()->backColour : 0; }

void DrawOnImg::setBackColour(std::uint32_t colour) {
  IMAGE* image = target();
  if (!image) return;
  image->backColour = colour;
  if (image->context) image->context->backColour = colour;
}

int DrawOnImg::getBackMode() {
  DrawContext* c = contextOf(target());
  return c ? c->backMode : 0;
}

void DrawOnImg::setBackMode(int mode) {
  DrawContext* c = contextOf(target());
  if (c && (mode == 1 || mode == 2)) c->backMode = mode;
}

void DrawOnImg::setOrigin(int x, int y) {
  IMAGE* image = target();
  if (!image) return;
  image->transform[4] = static_cast<float>(x);
  image->transform[5] = static_cast<float>(y);
}

void DrawOnImg::setClipRegion(const Region* region) {
  DrawContext* c = contextOf(target());
  if (!c) return;
  if (region)
    c->clip = std::make_unique<Region>(*region);
  else
    c->clip.reset();
}

void DrawOnImg::clearClipArea() {
  IMAGE* image = target();
  DrawContext* c = contextOf(image);
  if (!c) return;
  if (!c->clip) {
    clearTarget();
    return;
  }
  raster::Surface surface = surfaceOf(image);
  raster::Paint paint;
  paint.word = paintWord(image->backColour);
  paint.mixMode = c->mixMode;
  for (const Region::Band& band : c->clip->bands())
    for (std::int64_t y = std::max(band.top, surface.top); y < std::min(band.bottom, surface.bottom); ++y)
      for (const Region::Run& run : band.runs) raster::paintSpan(surface, y, run.left, run.right, paint);
}

void DrawOnImg::getLineStyle(LINESTYLE& style) {
  if (target()) style = target()->lineStyle;
}

void DrawOnImg::setLineStyle(std::uint32_t style, int thickness, const std::uint32_t* userStyle,
                             std::uint32_t userStyleCount) {
  IMAGE* image = target();
  if (!image) return;
  LINESTYLE& own = image->lineStyle;
  own.style = style;
  own.thickness = thickness;
  delete[] own.userStyle;
  own.userStyle = nullptr;
  own.userStyleCount = 0;
  if ((style & 0xF) == 7 && userStyle && userStyleCount > 0) {
    own.userStyle = new std::uint32_t[userStyleCount];
    std::copy(userStyle, userStyle + userStyleCount, own.userStyle);
    own.userStyleCount = userStyleCount;
  }
  setLineStyle(own);
}

void DrawOnImg::setLineStyle(const LINESTYLE& style) {
  IMAGE* image = target();
  if (!image) return;
  if (&style != &image->lineStyle) image->lineStyle = style;
  applyLineStyle(*image);
}

void DrawOnImg::getFillStyle(FILLSTYLE& style) {
  if (target()) style = target()->fillStyle;
}

void DrawOnImg::setFillStyle(int style, int hatch, const IMAGE* patternImage) {
  IMAGE* image = target();
  if (!image) return;
  FILLSTYLE& own = image->fillStyle;
  own.style = style;
  if (style == 2) own.hatch = hatch;
  if ((style == 3 || style == 5) && patternImage) {
    if (!own.pattern) own.pattern = new IMAGE();
    *own.pattern = *patternImage;
  }
  setFillStyle(own);
}

void DrawOnImg::setFillStyle(const std::uint8_t* pattern8x8) {
  if (!target() || !pattern8x8) return;
  IMAGE pattern(8, 8);
  std::uint32_t* words = pixelBuffer(&pattern);
  if (!words) return;
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) words[y * 8 + x] = (pattern8x8[y] >> (7 - x)) & 1 ? 0xFFFFFFu : 0u;
  setFillStyle(3, 0, &pattern);
}

void DrawOnImg::setFillStyle(const FILLSTYLE& style) {
  IMAGE* image = target();
  if (!image) return;
  if (&style != &image->fillStyle) image->fillStyle = style;
  applyFillStyle(*image);
}

std::uint32_t DrawOnImg::getFillColour() { return target() ? target()->fillColour : 0; }

void DrawOnImg::setFillColour(std::uint32_t colour) {
  IMAGE* image = target();
  if (!image) return;
  image->fillColour = colour;
  if (image->fillStyle.style == 0)
    applyFillStyle(*image);
  else if (image->fillStyle.style == 2)
    setFillStyle(image->fillStyle);
}

void DrawOnImg::getScale(float& xScale, float& yScale) {
  IMAGE* image = target();
  if (!image) return;
  xScale = image->transform[0];
  yScale = image->transform[3];
}

void DrawOnImg::setScale(float xScale, float yScale) {
  IMAGE* image = target();
  if (!image) return;
  image->transform[0] = xScale;
  image->transform[3] = yScale;
}

int DrawOnImg::getMixMode() {
  DrawContext* c = contextOf(target());
  return c ? c->mixMode : 0;
}

void DrawOnImg::setMixMode(int mode) {
  DrawContext* c = contextOf(target());
  if (c && mode >= 1 && mode <= 16) c->mixMode = mode;
}

int DrawOnImg::getPolyFillMode() {
  DrawContext* c = contextOf(target());
  return c ? c->polyFillMode : 0;
}

void DrawOnImg::setPolyFillMode(int mode) {
  DrawContext* c = contextOf(target());
  if (c && (mode == 1 || mode == 2)) c->polyFillMode = mode;
}

void DrawOnImg::resetState() {
  if (target()) target()->resetState();
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
