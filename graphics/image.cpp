// IMAGE: life (construction, resize, copy, destruction), its pixel buffer and the two block
// copies between images (drawImage, captureImage); and the life of FILLSTYLE, which owns
// its pattern IMAGE. pixelBuffer and the draw target name the window's working image when
// given null, so they are defined above the window (draw_target.cpp).
// Depends on the layer's record and lock (graphics_state.h) and the drawing contexts.
#include "graphics/image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>

#include "graphics/colour.h"
#include "graphics/draw_context.h"
#include "graphics/graphics_state.h"
#include "graphics/raster/raster.h"

using gfx::graphicsState;

namespace gfx {
namespace {

constexpr int kMaxSide = 16384;
constexpr std::uint64_t kMaxBufferBytes = 256ull << 20;
constexpr std::size_t kBufferAlignment = 64;

}  // namespace

// A side an image may report, with or without pixels.
bool isSideAllowed(int side) { return side >= 0 && side <= kMaxSide; }

bool isPixelSizeAllowed(int width, int height) {
  return width > 0 && height > 0 && isSideAllowed(width) && isSideAllowed(height) &&
         std::uint64_t(width) * std::uint64_t(height) * 4 <= kMaxBufferBytes;
}

std::uint32_t* allocatePixelWords(int width, int height) {
  if (!isPixelSizeAllowed(width, height)) return nullptr;
  std::uint64_t bytes = std::uint64_t(width) * std::uint64_t(height) * 4;
  // aligned_alloc wants a size that is a multiple of the alignment.
  bytes = (bytes + kBufferAlignment - 1) / kBufferAlignment * kBufferAlignment;
  return static_cast<std::uint32_t*>(std::aligned_alloc(kBufferAlignment, bytes));
}

void freePixelWords(std::uint32_t* words) { std::free(words); }

}  // namespace gfx

namespace {

// The block of a w x h image placed at (x, y) that lies inside a targetWidth x
// targetHeight target, in target coordinates; empty when nothing overlaps.
struct ClippedBlock {
  int left, top, right, bottom;  // right and bottom exclusive
  bool empty() const { return left >= right || top >= bottom; }
};

ClippedBlock clipBlock(int x, int y, int w, int h, int targetWidth, int targetHeight) {
  auto clamp = [](long long v, int hi) { return int(std::max(0LL, std::min<long long>(v, hi))); };
  return ClippedBlock{clamp(x, targetWidth), clamp(y, targetHeight), clamp(std::int64_t(x) + w, targetWidth),
                      clamp(std::int64_t(y) + h, targetHeight)};
}

// Copies a block of rows x cols words between buffers of the given strides; the two blocks
// may overlap (an image drawn onto itself), so rows run from the end when the copy goes
// forward in memory.
void copyBlock(std::uint32_t* dst, int dstStride, const std::uint32_t* src, int srcStride, int cols, int rows) {
  auto copyRow = [&](int r) {
    std::memmove(dst + std::size_t(r) * dstStride, src + std::size_t(r) * srcStride, std::size_t(cols) * 4);
  };
  if (std::greater<const std::uint32_t*>()(dst, src)) {
    for (int r = rows - 1; r >= 0; --r) copyRow(r);
  } else {
    for (int r = 0; r < rows; ++r) copyRow(r);
  }
}

// Applies one source-and-destination raster function to every covered word.
template <typename Op>
void blendRows(std::uint32_t* dst, int dstStride, const std::uint32_t* src, int srcStride, int width, int rows,
               Op op) {
  for (int r = 0; r < rows; ++r) {
    std::uint32_t* d = dst + std::size_t(r) * dstStride;
    const std::uint32_t* s = src + std::size_t(r) * srcStride;
    for (int i = 0; i < width; ++i) d[i] = op(s[i], d[i]);
  }
}

// Applies a raster operation that reads only the source and the target: the low four bits
// of its index (bits 16-23 of the code) are the same truth table over (source, target) as
// the mix mode one above them, so the rasteriser's mix rule gives each word. Copy moves
// whole rows; the no-op leaves the target as it is.
void applyRasterOperation(unsigned minterms, std::uint32_t* dst, int dstStride, const std::uint32_t* src,
                          int srcStride, int width, int rows) {
  if (minterms == 0xA) return;
  if (minterms == 0xC) {
    copyBlock(dst, dstStride, src, srcStride, width, rows);
    return;
  }
  int mode = static_cast<int>(minterms) + 1;
  blendRows(dst, dstStride, src, srcStride, width, rows,
            [mode](std::uint32_t s, std::uint32_t d) { return gfx::raster::mixWords(mode, s, d); });
}

}  // namespace

IMAGE::IMAGE(int width, int height)
    : transform{1, 0, 0, 1, 0, 0},
      lineColour(0xFFFFFF),
      fillColour(0xFFFFFF),
      textColour(0xFFFFFF),
      backColour(0),
      context(nullptr),
      width_(0),
      height_(0),
      pixels(nullptr) {
  gfx::takeLayerReference();
  std::lock_guard<std::recursive_mutex> guard(gfx::graphicsLock());
  context = gfx::createDrawContext();
  resetState();
  if (width != 0 && height != 0) {
    replaceBuffer(width, height, gfx::colourToWord(backColour));
  } else if (gfx::isSideAllowed(width) && gfx::isSideAllowed(height)) {
    // A zero side: the image has the size it was made with, but no pixels.
    width_ = width;
    height_ = height;
  }
}

IMAGE::IMAGE(const IMAGE& other) : IMAGE() { *this = other; }

IMAGE::~IMAGE() {
  {
    std::lock_guard<std::recursive_mutex> guard(gfx::graphicsLock());
    if (graphicsState.currentTarget == this) {
      graphicsState.currentTarget = nullptr;
      graphicsState.currentDevice = nullptr;
      graphicsState.currentContext = nullptr;
      graphicsState.targetIsWindow = false;
    }
    gfx::destroyDrawContext(context);
    context = nullptr;
    gfx::freePixelWords(pixels);
    pixels = nullptr;
  }
  gfx::dropLayerReference();
}

bool IMAGE::replaceBuffer(int width, int height, std::uint32_t fill) {
  std::uint32_t* fresh = gfx::allocatePixelWords(width, height);
  if (!fresh) return false;
  std::fill_n(fresh, std::size_t(width) * std::size_t(height), fill);
  gfx::freePixelWords(pixels);
  pixels = fresh;
  width_ = width;
  height_ = height;
  return true;
}

void IMAGE::resize(int width, int height) {
  if (width == 0 || height == 0) return;
  std::lock_guard<std::recursive_mutex> guard(gfx::graphicsLock());
  std::uint32_t* old = pixels;
  int oldWidth = width_;
  int oldHeight = height_;
  pixels = nullptr;  // replaceBuffer must not free the old words before they are copied
  if (!replaceBuffer(width, height, gfx::colourToWord(backColour))) {
    pixels = old;
    return;
  }
  if (old) {
    copyBlock(pixels, width, old, oldWidth, std::min(oldWidth, width), std::min(oldHeight, height));
    gfx::freePixelWords(old);
  }
}

IMAGE& IMAGE::operator=(const IMAGE& other) {
  if (this == &other) return *this;
  std::lock_guard<std::recursive_mutex> guard(gfx::graphicsLock());
  if (!context) {
    context = gfx::createDrawContext();
    resetState();
  }
  resize(other.width_, other.height_);
  if (pixels && other.pixels)
    copyBlock(pixels, width_, other.pixels, other.width_, std::min(width_, other.width_),
              std::min(height_, other.height_));
  return *this;
}

// A pattern fill style owns a copy of its pattern image.
FILLSTYLE::FILLSTYLE() : style(0), hatch(0), pattern(nullptr) {}
FILLSTYLE::FILLSTYLE(const FILLSTYLE& other) : FILLSTYLE() { *this = other; }
FILLSTYLE::~FILLSTYLE() { delete pattern; }

FILLSTYLE& FILLSTYLE::operator=(const FILLSTYLE& other) {
  if (this == &other) return *this;
  style = other.style;
  hatch = other.hatch;
  if (other.pattern && (other.style == 3 || other.style == 5)) {
    if (!pattern) pattern = new IMAGE();
    *pattern = *other.pattern;
  } else {
    delete pattern;
    pattern = nullptr;
  }
  return *this;
}

void drawImage(int x, int y, const IMAGE* image, std::uint32_t rasterOperation) {
  if (!image || !image->pixels) return;
  unsigned index = (rasterOperation >> 16) & 0xFF;
  if ((index >> 4) != (index & 0xF)) return;  // needs a brush, which block copies here do not have
  std::lock_guard<std::recursive_mutex> guard(gfx::graphicsLock());
  IMAGE* target = graphicsState.currentTarget;
  if (!target || !target->pixels) return;
  ClippedBlock block = clipBlock(x, y, image->width_, image->height_, target->width_, target->height_);
  if (block.empty()) return;
  const std::uint32_t* src =
      image->pixels + std::size_t(block.top - y) * image->width_ + std::size_t(block.left - x);
  std::uint32_t* dst = target->pixels + std::size_t(block.top) * target->width_ + block.left;
  int cols = block.right - block.left;
  int rows = block.bottom - block.top;
  if (target == image && (index & 0xF) != 0xC && (index & 0xF) != 0xA) {
    // An image drawn onto itself with a mixing code reads a copy of its own words.
    IMAGE copy(*image);
    src = copy.pixels + std::size_t(block.top - y) * image->width_ + std::size_t(block.left - x);
    applyRasterOperation(index & 0xF, dst, target->width_, src, image->width_, cols, rows);
    return;
  }
  applyRasterOperation(index & 0xF, dst, target->width_, src, image->width_, cols, rows);
}

void captureImage(IMAGE* image, int x, int y, int width, int height) {
  if (!image) return;
  std::lock_guard<std::recursive_mutex> guard(gfx::graphicsLock());
  if (width <= 0 || height <= 0) {
    gfx::freePixelWords(image->pixels);
    image->pixels = nullptr;
    image->width_ = 0;
    image->height_ = 0;
    return;
  }
  std::uint32_t* fresh = gfx::allocatePixelWords(width, height);
  if (!fresh) return;
  std::fill_n(fresh, std::size_t(width) * std::size_t(height), 0u);
  const IMAGE* source = graphicsState.currentTarget;
  if (source && source->pixels) {
    ClippedBlock block = clipBlock(x, y, width, height, source->width_, source->height_);
    if (!block.empty())
      copyBlock(fresh + std::size_t(block.top - y) * width + (block.left - x), width,
                source->pixels + std::size_t(block.top) * source->width_ + block.left, source->width_,
                block.right - block.left, block.bottom - block.top);
  }
  gfx::freePixelWords(image->pixels);
  image->pixels = fresh;
  image->width_ = width;
  image->height_ = height;
}
