// Picture loading: the whole file is read into a GlobalMemory block, decoded by libpng's
// simplified API into straight BGRA words (the IMAGE pixel word), then sized, cleared and
// drawn into the image. Header sizes are checked before any pixel buffer is allocated.
#include "graphics/image_file.h"

#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <new>
#include <string>
#include <vector>

#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/base/paths.h"

namespace gfx {

namespace {

// A decoded picture: PW x PH straight BGRA words, fully transparent pixels are 0.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> words;
};

// A picture of a size no image may have is refused as no picture.
bool pictureSizeAllowed(std::uint64_t width, std::uint64_t height) {
  return width <= INT32_MAX && height <= INT32_MAX && isPixelSizeAllowed(int(width), int(height));
}

// libpng's simplified reader scrambles the pixels of Adam7-interlaced 16-bit pictures when
// it reduces them to 8 bits, while its 16-bit linear read of them is right. Such a file is
// recognised by its header (bit depth byte 24, interlace byte 28).
bool interlaced16Bit(const std::uint8_t* bytes, std::uint32_t size) {
  return size > 28 && std::memcmp(bytes + 12, "IHDR", 4) == 0 && bytes[24] == 16 && bytes[28] == 1;
}

// Reads an interlaced 16-bit picture at 16 bits and writes it back as a plain 16-bit PNG
// in memory, whose 8-bit read is the usual one. Empty when libpng fails either way.
std::vector<std::uint8_t> deinterlaced16Bit(png_image& png) {
  png.format = PNG_FORMAT_LINEAR_RGB_ALPHA;
  std::vector<std::uint16_t> linear;
  std::vector<std::uint8_t> file;
  try {
    linear.resize(std::size_t(png.width) * png.height * 4);
  } catch (const std::bad_alloc&) {
    png_image_free(&png);
    return file;
  }
  if (!png_image_finish_read(&png, nullptr, linear.data(), 0, nullptr)) return file;
  png_image out;
  std::memset(&out, 0, sizeof out);
  out.version = PNG_IMAGE_VERSION;
  out.width = png.width;
  out.height = png.height;
  out.format = PNG_FORMAT_LINEAR_RGB_ALPHA;
  png_alloc_size_t length = 0;
  if (!png_image_write_get_memory_size(out, length, 0, linear.data(), 0, nullptr)) return file;
  file.resize(length);
  if (!png_image_write_to_memory(&out, file.data(), &length, 0, linear.data(), 0, nullptr)) file.clear();
  file.resize(file.empty() ? 0 : length);
  return file;
}

Picture decodePng(const std::uint8_t* bytes, std::uint32_t size) {
  Picture picture;
  if (bytes == nullptr || size == 0) return picture;
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, bytes, size)) return picture;
  if (!pictureSizeAllowed(png.width, png.height)) {
    png_image_free(&png);
    return picture;
  }
  if (interlaced16Bit(bytes, size)) {
    const std::vector<std::uint8_t> plain = deinterlaced16Bit(png);
    return plain.empty() ? picture : decodePng(plain.data(), std::uint32_t(plain.size()));
  }
  png.format = PNG_FORMAT_BGRA;
  std::vector<std::uint32_t> words;
  try {
    words.resize(std::size_t(png.width) * png.height);
  } catch (const std::bad_alloc&) {
    png_image_free(&png);
    return picture;
  }
  if (!png_image_finish_read(&png, nullptr, words.data(), 0, nullptr)) {
    png_image_free(&png);
    return picture;
  }
  // Where the picture is fully transparent nothing is drawn: those words stay 0.
  for (std::uint32_t& word : words) {
    if ((word >> 24) == 0) word = 0;
  }
  picture.width = int(png.width);
  picture.height = int(png.height);
  picture.words = std::move(words);
  return picture;
}

// Bilinear stretch of straight BGRA words to width x height. Channels are weighted by
// opacity while mixing, so transparent neighbours lend no colour to an edge.
std::vector<std::uint32_t> stretch(const Picture& picture, int width, int height) {
  std::vector<std::uint32_t> out(std::size_t(width) * height);
  const int pw = picture.width, ph = picture.height;
  auto axis = [](int outSize, int inSize, std::vector<int>& i0, std::vector<int>& i1,
                 std::vector<int>& weight) {
    i0.resize(outSize);
    i1.resize(outSize);
    weight.resize(outSize);
    for (int o = 0; o < outSize; ++o) {
      double s = (o + 0.5) * inSize / outSize - 0.5;
      if (s < 0) s = 0;
      int base = int(s);
      if (base > inSize - 1) base = inSize - 1;
      i0[o] = base;
      i1[o] = std::min(base + 1, inSize - 1);
      weight[o] = int((s - base) * 256.0 + 0.5);  // weight of i1, in 1/256
    }
  };
  std::vector<int> x0, x1, wx, y0, y1, wy;
  axis(width, pw, x0, x1, wx);
  axis(height, ph, y0, y1, wy);
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* rowA = &picture.words[std::size_t(y0[y]) * pw];
    const std::uint32_t* rowB = &picture.words[std::size_t(y1[y]) * pw];
    for (int x = 0; x < width; ++x) {
      const std::uint32_t corner[4] = {rowA[x0[x]], rowA[x1[x]], rowB[x0[x]], rowB[x1[x]]};
      const int weight[4] = {(256 - wx[x]) * (256 - wy[y]), wx[x] * (256 - wy[y]),
                             (256 - wx[x]) * wy[y], wx[x] * wy[y]};
      std::uint64_t alpha = 0, colour[3] = {0, 0, 0};
      for (int k = 0; k < 4; ++k) {
        const std::uint64_t a = (corner[k] >> 24) * std::uint64_t(weight[k]);
        alpha += a;
        for (int c = 0; c < 3; ++c) colour[c] += a * ((corner[k] >> (8 * c)) & 0xFF);
      }
      const std::uint32_t outAlpha = std::uint32_t((alpha + 32768) >> 16);
      if (outAlpha == 0) {
        out[std::size_t(y) * width + x] = 0;
        continue;
      }
      std::uint32_t word = outAlpha << 24;
      for (int c = 0; c < 3; ++c) {
        const std::uint64_t value = (colour[c] + alpha / 2) / alpha;
        word |= std::uint32_t(std::min<std::uint64_t>(value, 255)) << (8 * c);
      }
      out[std::size_t(y) * width + x] = word;
    }
  }
  return out;
}

}  // namespace

GlobalMemory::GlobalMemory() : block(nullptr), size(0) {}

GlobalMemory::~GlobalMemory() { delete[] block; }

bool GlobalMemory::readFile(const char* path) {
  delete[] block;
  block = nullptr;
  size = 0;
  if (path == nullptr) return false;
  const std::string native = platform::nativePath(path);
  std::FILE* file = std::fopen(native.c_str(), "rb");
  if (file == nullptr) return false;
  bool read = false;
  if (std::fseek(file, 0, SEEK_END) == 0) {
    const long length = std::ftell(file);
    if (length > 0 && std::uint64_t(length) <= 0xFFFFFFFFull && std::fseek(file, 0, SEEK_SET) == 0) {
      block = new (std::nothrow) std::uint8_t[std::size_t(length)];
      if (block != nullptr) {
        // A short read is kept as it is: the decoder sees whatever was read.
        size = std::uint32_t(std::fread(block, 1, std::size_t(length), file));
        read = true;
      }
    } else if (length == 0) {
      read = true;
    }
  }
  std::fclose(file);
  return read;
}

void GlobalMemory::assign(const std::uint8_t* data, std::uint32_t length) {
  delete[] block;
  block = nullptr;
  size = 0;
  if (data == nullptr || length == 0) return;
  block = new (std::nothrow) std::uint8_t[length];
  if (block == nullptr) return;
  std::memcpy(block, data, length);
  size = length;
}

void GlobalMemory::decodeInto(IMAGE* image, int width, int height, bool resize) {
  if (image == nullptr) return;
  Picture picture = decodePng(block, size);
  delete[] block;
  block = nullptr;
  size = 0;

  const int w = width != 0 ? width : picture.width;
  const int h = height != 0 ? height : picture.height;
  // A requested size that the layer would refuse to allocate draws nothing.
  const bool sizeUsable = w > 0 && h > 0 && pictureSizeAllowed(std::uint64_t(w), std::uint64_t(h));

  std::vector<std::uint32_t> drawn;
  const std::vector<std::uint32_t>* source = &picture.words;
  if (picture.width > 0 && sizeUsable && (w != picture.width || h != picture.height)) {
    drawn = stretch(picture, w, h);
    source = &drawn;
  }

  std::lock_guard<std::recursive_mutex> hold(graphicsLock());
  const bool hasPixels = pixelBuffer(image) != nullptr;
  if (sizeUsable && (!hasPixels || (resize && (w != image->width() || h != image->height())))) {
    image->resize(w, h);
  }
  std::uint32_t* pixels = pixelBuffer(image);
  if (pixels == nullptr) return;
  const int iw = image->width(), ih = image->height();
  std::fill(pixels, pixels + std::size_t(iw) * ih, 0u);
  if (picture.width == 0 || !sizeUsable) return;
  const int copyW = std::min(w, iw), copyH = std::min(h, ih);
  for (int y = 0; y < copyH; ++y) {
    std::memcpy(pixels + std::size_t(y) * iw, source->data() + std::size_t(y) * w,
                std::size_t(copyW) * 4);
  }
}

void loadImageFile(IMAGE* image, const char* path, int width, int height, bool resize) {
  if (image == nullptr) image = graphicsState.window;
  GlobalMemory memory;
  memory.readFile(path);
  memory.decodeInto(image, width, height, resize);
}

}  // namespace gfx
