// Fonts for text drawing: a LOGFONTA description is matched through fontconfig to a face
// file, opened once with FreeType, sized so that a positive height is the character cell
// height (ascent + descent) and a negative one the em height, and its glyphs are rendered
// monochrome (no antialiasing) and cached per font and character as row runs.
// Byte strings are Latin-1: byte b is the character U+00bb.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "graphics/raster/raster.h"
#include "graphics/styles.h"

namespace gfx::text {

struct Glyph;

class Font {
 public:
  ~Font();
  int ascent = 0;
  int descent = 0;
  int cellHeight = 0;       // ascent + descent
  int internalLeading = 0;  // cell height minus em height
  int averageWidth = 0;
  std::string family;       // family of the face file actually used
  bool monospaced = false;

  // Width of the string in pixels, one line.
  std::int64_t measure(const char* text, std::size_t length);
  // Draws one line with the top-left of the first character cell at (x, y). With opaque,
  // the cell box is first filled with backWord. Glyph pixels become textWord; no mix mode.
  void draw(const raster::Surface& surface, std::int64_t x, std::int64_t y, const char* text, std::size_t length,
            std::uint32_t textWord, bool opaque, std::uint32_t backWord);

 private:
  friend Font* fontFor(const LOGFONTA& description);
  const Glyph& glyph(unsigned char ch);

  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::unique_ptr<Glyph> glyphs_[256];
  bool underline_ = false;
  bool strikeOut_ = false;
  int underlineTop_ = 0, underlineHeight_ = 0;
  int strikeTop_ = 0, strikeHeight_ = 0;
};

// The font for a description, made on first use and kept for the life of the process.
Font* fontFor(const LOGFONTA& description);

// The family fontconfig resolves a requested face name to (after the fallbacks).
std::string resolvedFamily(const char* face, bool bold, bool italic);

}  // namespace gfx::text
