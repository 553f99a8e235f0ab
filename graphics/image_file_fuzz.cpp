// libFuzzer harness of picture loading: arbitrary bytes go through a GlobalMemory block
// into decodeInto, as loadImageFile does after reading the file. The first byte picks the
// call form: a fresh image at the picture's size, a reload into an image that already has
// pixels, or a small requested size with or without resizing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graphics/image.h"
#include "graphics/image_file.h"

namespace {

// Read by nobody: keeps the loop over every pixel from being optimised away.
volatile std::uint32_t pixelSink;

// An image's buffer must hold exactly width x height words, or be absent at 0 x 0.
void checkShape(IMAGE& image) {
  const int w = image.width(), h = image.height();
  if (w < 0 || h < 0) std::abort();
  if (w > 0 && h > 0 && pixelBuffer(&image) == nullptr) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0 || size > 0xFFFFFFFFu) return 0;
  const std::uint8_t form = data[0] % 4;
  const int requestW = size > 1 ? data[1] % 64 : 0;
  const int requestH = size > 2 ? data[2] % 64 : 0;

  IMAGE image;
  if (form == 1) image.resize(10, 10);
  gfx::GlobalMemory memory;
  memory.assign(data, std::uint32_t(size));
  switch (form) {
    case 0:
    case 1: memory.decodeInto(&image, 0, 0, false); break;
    case 2: memory.decodeInto(&image, requestW, requestH, false); break;
    default:
      image.resize(7, 5);
      memory.decodeInto(&image, requestW, requestH, true);
      break;
  }
  checkShape(image);
  if (form == 1 && (image.width() != 10 || image.height() != 10)) std::abort();  // a reload keeps the size
  // Touch every word so that a buffer shorter than its size shows up under ASan.
  if (const std::uint32_t* pixels = pixelBuffer(&image)) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < std::size_t(image.width()) * image.height(); ++i) sum += pixels[i];
    pixelSink = sum;
  }
  return 0;
}
