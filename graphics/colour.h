// Colours of the drawing state are 0x00BBGGRR (red in the low byte); pixel words of an
// IMAGE are 0xAARRGGBB. The two differ by a swap of the red and blue bytes.
#pragma once
#include <cstdint>

namespace gfx {

// Colour (0x00BBGGRR) to pixel word; the top byte is carried unchanged.
constexpr std::uint32_t colourToWord(std::uint32_t colour) {
  return (colour & 0xFF00FF00u) | ((colour >> 16) & 0xFFu) | ((colour & 0xFFu) << 16);
}

// Pixel word to colour; the swap is its own inverse.
constexpr std::uint32_t wordToColour(std::uint32_t word) { return colourToWord(word); }

}  // namespace gfx
