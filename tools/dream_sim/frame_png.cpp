// The frame as a PNG (see frame_png.h), through libpng's simplified writer.
#include "tools/dream_sim/frame_png.h"

#include <png.h>

#include <vector>

bool writeFramePng(const std::string& path, const std::uint32_t* words, int width, int height, std::string& error) {
  std::vector<std::uint8_t> rgb(std::size_t(width) * std::size_t(height) * 3);
  for (std::size_t i = 0; i < std::size_t(width) * std::size_t(height); ++i) {
    rgb[3 * i] = std::uint8_t(words[i] >> 16);
    rgb[3 * i + 1] = std::uint8_t(words[i] >> 8);
    rgb[3 * i + 2] = std::uint8_t(words[i]);
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(width);
  image.height = png_uint_32(height);
  image.format = PNG_FORMAT_RGB;
  if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), width * 3, nullptr)) {
    error = path + ": " + image.message;
    return false;
  }
  return true;
}
