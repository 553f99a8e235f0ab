// Sprite compositing onto the working image. The visible rectangle of a sprite is blended
// straight from the sprite's own pixels (no temporary images); a mirrored sprite is read
// right to left, the mirror taken about the sprite's own centre before clipping.
// Depends on: the blend kernels (blend.h) and the layer's pixelBuffer and target size.
#include "game/assets/sprites.h"

#include <algorithm>
#include <cstdint>

#include "game/assets/blend.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"

namespace {

// Sprites are drawn onto the working image only; with another draw target nothing is drawn.
bool windowIsTarget() {
  return gfx::graphicsState.window != nullptr &&
         gfx::graphicsState.currentTarget == static_cast<IMAGE*>(gfx::graphicsState.window);
}

// Blends the part of the image (mirrored or not) at (x, y) that lies inside the target.
void compositeClipped(int x, int y, const IMAGE& image, bool mirrored) {
  if (!windowIsTarget()) return;
  const std::int64_t w = image.width(), h = image.height();
  const std::int64_t W = targetWidth(), H = targetHeight();
  if (w <= 0 || h <= 0) return;
  if (x >= W || y >= H || x + w <= 0 || y + h <= 0) return;
  const std::uint32_t* src = pixelBuffer(const_cast<IMAGE*>(&image));
  std::uint32_t* dst = pixelBuffer(nullptr);
  if (src == nullptr || dst == nullptr) return;

  // Visible columns [c0, c1) and rows [r0, r1) of the drawn (possibly mirrored) sprite.
  const std::int64_t c0 = std::max<std::int64_t>(0, -x), c1 = std::min<std::int64_t>(w, W - x);
  const std::int64_t r0 = std::max<std::int64_t>(0, -y), r1 = std::min<std::int64_t>(h, H - y);
  // Mirrored column c shows stored column w - 1 - c: the stored span is [w - c1, w - c0).
  const std::int64_t storedFirst = mirrored ? w - c1 : c0;
  sprite_blend::blendRect(dst + (y + r0) * W + (x + c0), int(W), src + r0 * w + storedFirst,
                          int(w), int(c1 - c0), int(r1 - r0), mirrored);
}

}  // namespace

void drawSprite(int x, int y, const IMAGE& image) { compositeClipped(x, y, image, false); }

void blendSprite(int x, int y, const IMAGE& image) {
  const std::uint32_t* src = pixelBuffer(const_cast<IMAGE*>(&image));
  std::uint32_t* dst = pixelBuffer(nullptr);
  if (src == nullptr || dst == nullptr || !windowIsTarget()) return;
  const int W = targetWidth();
  sprite_blend::blendRect(dst + std::int64_t(y) * W + x, W, src, image.width(), image.width(),
                          image.height(), false);
}

void drawSpriteMirrored(int x, int y, const IMAGE& image) { compositeClipped(x, y, image, true); }
