// The drawing context of an IMAGE: the state the primitives read that is not kept in the
// IMAGE's own fields (pen, brush, font, text and background colours, modes, clipping).
#pragma once
#include <cstdint>

#include "graphics/styles.h"

namespace gfx {

struct DrawContext {
  std::uint32_t textColour;
  std::uint32_t backColour;
  int backMode;      // 1 transparent, 2 opaque
  int mixMode;       // 1..16, 13 copy
  int polyFillMode;  // 1 alternate, 2 winding
  LOGFONTA font;
};

// A context with the initial state of a fresh drawing context (copy mix mode, alternate
// fill, opaque background, the default font).
DrawContext* createDrawContext();
void destroyDrawContext(DrawContext* context);

}  // namespace gfx
