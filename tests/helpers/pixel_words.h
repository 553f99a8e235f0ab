// Pixel-word helpers shared by the drawing, copying and picture tests: a word in hex, an
// image's words as a flat list, and a whole-image comparison that names the first
// differing pixel.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"

namespace test_pixels {

inline std::string hex(std::uint32_t v) {
  std::ostringstream out;
  out << "0x" << std::hex << v;
  return out.str();
}

// The image's words (the working image's for null), rows top to bottom; empty without pixels.
inline std::vector<std::uint32_t> wordsOf(IMAGE* image) {
  const std::uint32_t* p = pixelBuffer(image);
  if (!p) return {};
  const IMAGE& owner = image ? *image : *gfx::graphicsState.window;
  return std::vector<std::uint32_t>(p, p + std::size_t(owner.width()) * std::size_t(owner.height()));
}

// Compares two word lists of an image of the given width.
inline ::testing::AssertionResult sameWords(const std::vector<std::uint32_t>& actual,
                                            const std::vector<std::uint32_t>& expected, int width) {
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure() << actual.size() << " words, expected " << expected.size();
  for (std::size_t i = 0; i < actual.size(); ++i)
    if (actual[i] != expected[i])
      return ::testing::AssertionFailure() << "pixel (" << i % width << ", " << i / width << ") is " << hex(actual[i])
                                           << ", expected " << hex(expected[i]);
  return ::testing::AssertionSuccess();
}

}  // namespace test_pixels
