// Picture loading: loadImageFile reads a whole file into a GlobalMemory block, decodes it
// (PNG, with libpng) into straight BGRA words, sizes the image, clears it and draws the
// picture into it. A file that is missing or no picture counts as a 0 x 0 picture:
// nothing is reported. Paths may use "\" or "/" as separators.
#pragma once
#include <cstdint>

class IMAGE;

namespace gfx {

class GlobalMemory {
 public:
  GlobalMemory();
  virtual ~GlobalMemory();
  GlobalMemory(const GlobalMemory&) = delete;
  GlobalMemory& operator=(const GlobalMemory&) = delete;

  // Reads the whole file; false (and no block) when it cannot be opened.
  bool readFile(const char* path);
  // Takes a copy of bytes already in memory (used by tests and the fuzzer).
  void assign(const std::uint8_t* data, std::uint32_t size);
  // Decodes the block and draws it into the image by the loading rules.
  void decodeInto(IMAGE* image, int width, int height, bool resize);

  std::uint8_t* block;
  std::uint32_t size;
};

// Loads the picture at path into image (null: the working image).
void loadImageFile(IMAGE* image, const char* path, int width = 0, int height = 0, bool resize = false);

}  // namespace gfx
