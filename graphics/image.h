// IMAGE: an off-screen picture of 32-bit pixel words (blue bits 0-7, green 8-15, red 16-23,
// alpha 24-31; rows top to bottom, no gaps) with its own drawing state. The window's
// working image is an IMAGE too (gfx::GraphWnd). Every IMAGE holds one reference on the
// graphics layer: the first one constructed starts the layer.
// Also here: pixelBuffer, the draw target, and the two block copies drawImage / captureImage.
// Pixel buffers are 64-byte aligned. A size with a negative side, a side over 16384 or more
// than 256 MiB of pixels is refused: no buffer is made and the image stays as it was.
// Construction, copies, resizes and the draw target are for the game thread; the window
// thread only reads the working image under the graphics lock.
#pragma once
#include <cstdint>

#include "graphics/styles.h"

namespace gfx {
struct DrawContext;
}

class IMAGE {
 public:
  // An image of width x height; with a zero side it has that size but no pixels.
  explicit IMAGE(int width = 0, int height = 0);
  IMAGE(const IMAGE& other);
  virtual void resetState();
  virtual ~IMAGE();
  // Gives the image width x height pixels; old words are kept where the sizes overlap,
  // new words take the background colour. A zero width or height changes nothing.
  virtual void resize(int width, int height);
  // Copies size and pixels (not the drawing state); self-assignment does nothing.
  IMAGE& operator=(const IMAGE& other);

  int width() const { return width_; }
  int height() const { return height_; }

  // Drawing state (defaults: white line, fill and text colours, black background).
  float transform[6];
  std::uint32_t lineColour;
  std::uint32_t fillColour;
  std::uint32_t textColour;
  std::uint32_t backColour;
  LINESTYLE lineStyle;
  FILLSTYLE fillStyle;
  gfx::DrawContext* context;

 protected:
  // Replaces the pixel buffer by a fresh width x height one filled with fill (no copy).
  // False, and nothing changed, when the size is refused or the memory cannot be had.
  bool replaceBuffer(int width, int height, std::uint32_t fill);

  int width_;
  int height_;
  std::uint32_t* pixels;

  friend std::uint32_t* pixelBuffer(IMAGE* image);
  friend void captureImage(IMAGE* image, int x, int y, int width, int height);
  friend void drawImage(int x, int y, const IMAGE* image, std::uint32_t rasterOperation);
};

namespace gfx {

// True when width x height pixels are a size images may have (see above).
bool isPixelSizeAllowed(int width, int height);
// True when an image may report this side: 0 to the largest side, with or without pixels.
bool isSideAllowed(int side);

// A 64-byte aligned block of width x height pixel words, not initialised; null when the
// size is refused (see above) or the memory cannot be had. Freed with freePixelWords.
std::uint32_t* allocatePixelWords(int width, int height);
void freePixelWords(std::uint32_t* words);

}  // namespace gfx

// The first word of the image's pixels (the working image's for null); null without pixels.
std::uint32_t* pixelBuffer(IMAGE* image);

// Makes the image the draw target; null means the window's working image.
void setDrawTarget(IMAGE* image);

// Size of the current draw target.
int targetWidth();
int targetHeight();

// Copies the whole image onto the current target at (x, y) with a ternary raster
// operation (0x00CC0020 copies words exactly, alpha included). Codes that combine only the
// source and the target (SRCPAINT 0x00EE0086, SRCAND 0x008800C6, SRCINVERT 0x00660046,
// SRCERASE 0x00440328, NOTSRCCOPY 0x00330008, NOTSRCERASE 0x001100A6, DSTINVERT 0x00550009,
// BLACKNESS 0x00000042, WHITENESS 0x00FF0062, MERGEPAINT 0x00BB0226, ...) act bitwise on
// whole words; codes that need a brush draw nothing. The part outside the target is dropped.
void drawImage(int x, int y, const IMAGE* image, std::uint32_t rasterOperation = 0x00CC0020);

// Replaces the image's pixels with the rectangle (x, y, width, height) of the current target;
// words outside the target are 0. A width or height of 0 or less leaves a 0 x 0 image.
void captureImage(IMAGE* image, int x, int y, int width, int height);
