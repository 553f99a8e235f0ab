// The drawing context of an IMAGE: the state the primitives read that is not kept in the
// IMAGE's own fields: the selected pen, brush and font, the text and background colours,
// the background, mix and poly fill modes, and the clipping region.
// Pens and brushes are values made from LINESTYLE / FILLSTYLE (by the image device's state,
// image_state.cpp) and replaced whole, never edited; fonts are shared from the font cache
// (text/font.h).
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/region.h"
#include "graphics/styles.h"

namespace gfx {

namespace text {
class Font;
}

// A pen as selected into a context: dash style (0..7, 5 draws nothing), end cap and join
// bits, width in pixels, colour, and the user pattern for dash style 7.
struct PenObject {
  std::uint32_t style = 0;
  int width = 1;
  std::uint32_t colour = 0xFFFFFF;
  std::vector<std::uint32_t> pattern;
};

// A brush as selected into a context. Mono patterns keep one byte per pixel (1 where the
// pattern image's word was 0: painted in the background colour); colour patterns keep
// the image's words.
struct BrushObject {
  enum Kind { kSolid, kNone, kHatch, kMono, kColourPattern };
  Kind kind = kSolid;
  std::uint32_t colour = 0xFFFFFF;
  int hatch = 0;
  int patternWidth = 0;
  int patternHeight = 0;
  std::vector<std::uint8_t> bits;
  std::vector<std::uint32_t> colours;
};

struct DrawContext {
  std::uint32_t textColour;
  std::uint32_t backColour;
  int backMode;      // 1 transparent, 2 opaque
  int mixMode;       // 1..16, 13 copy
  int polyFillMode;  // 1 alternate, 2 winding
  LOGFONTA font;
  text::Font* fontFace;  // the cached font for `font`
  PenObject pen;
  BrushObject brush;
  std::unique_ptr<Region> clip;  // device pixels; null: no clipping
};

// A context with the initial state of a fresh drawing context (copy mix mode, alternate
// fill, opaque background, white pen and brush, the default font).
DrawContext* createDrawContext();
void destroyDrawContext(DrawContext* context);

// The default font description: height 16, width 0, weight 0, charset 1, quality 3, "System".
LOGFONTA defaultFont();

// Selects a font described by `font` into the context (the cache supplies the face).
void selectFont(DrawContext& context, const LOGFONTA& font);

}  // namespace gfx
