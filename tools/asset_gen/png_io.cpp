// PNG writing and reading with libpng.
#include "tools/asset_gen/png_io.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace assetgen {

namespace {

struct FileCloser {
  FILE* f;
  ~FileCloser() {
    if (f) fclose(f);
  }
};

}  // namespace

bool writePng(const std::string& path, cairo_surface_t* surface, std::string& error) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);

  std::vector<unsigned char> rgba(static_cast<size_t>(w) * h * 4);
  for (int y = 0; y < h; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < w; ++x) {
      const uint32_t p = row[x];
      const unsigned a = p >> 24;
      unsigned char* o = &rgba[(static_cast<size_t>(y) * w + x) * 4];
      if (a == 0) {
        o[0] = o[1] = o[2] = o[3] = 0;
        continue;
      }
      const unsigned r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      o[0] = static_cast<unsigned char>((r * 255 + a / 2) / a);
      o[1] = static_cast<unsigned char>((g * 255 + a / 2) / a);
      o[2] = static_cast<unsigned char>((b * 255 + a / 2) / a);
      o[3] = static_cast<unsigned char>(a);
    }
  }

  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = w;
  image.height = h;
  image.format = PNG_FORMAT_RGBA;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), w * 4, nullptr)) {
    error = path + ": " + image.message;
    return false;
  }
  return true;
}

bool readPng(const std::string& path, PngInfo& info, std::string& error) {
  // The header must say 8-bit RGBA: the game relies on a real alpha channel.
  FileCloser file{fopen(path.c_str(), "rb")};
  if (!file.f) {
    error = path + ": cannot open";
    return false;
  }
  unsigned char head[26];
  static const unsigned char kSig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (fread(head, 1, sizeof head, file.f) != sizeof head || std::memcmp(head, kSig, 8) != 0 ||
      std::memcmp(head + 12, "IHDR", 4) != 0) {
    error = path + ": not a PNG file";
    return false;
  }
  if (head[24] != 8 || head[25] != 6) {
    error = path + ": not 8-bit RGBA";
    return false;
  }

  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    error = path + ": " + image.message;
    return false;
  }
  image.format = PNG_FORMAT_RGBA;
  std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
    error = path + ": " + image.message;
    return false;
  }
  info.width = static_cast<int>(image.width);
  info.height = static_cast<int>(image.height);
  info.opaquePixels = info.transparentPixels = 0;
  for (size_t i = 3; i < pixels.size(); i += 4) {
    if (pixels[i] == 255) ++info.opaquePixels;
    if (pixels[i] == 0) ++info.transparentPixels;
  }
  return true;
}

cairo_surface_t* loadPngSurface(const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return nullptr;
  }
  return s;
}

}  // namespace assetgen
