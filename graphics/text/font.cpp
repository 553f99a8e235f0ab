// The fallbacks of face matching (the match itself is face_match's), face and size handling
// (FreeType), monochrome glyph cache, and the drawing of one line of text onto a surface.
#include "graphics/text/font.h"

#include "graphics/text/face_match.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

namespace gfx::text {

struct Glyph {
  struct Run {
    std::int32_t row;
    std::int32_t left;
    std::int32_t right;  // exclusive
  };
  int left = 0;     // bitmap left edge from the pen position
  int top = 0;      // bitmap top row above the baseline
  int advance = 0;  // pen movement in pixels
  int rows = 0;
  int cols = 0;
  std::vector<Run> runs;          // by row, left to right
  std::vector<std::uint32_t> rowStart;  // runs of row r: rowStart[r] .. rowStart[r + 1] - 1
};

namespace {

struct Library {
  std::mutex mutex;
  FT_Library freetype = nullptr;
  std::map<std::tuple<std::string, bool, bool>, FaceFile> matches;
  std::map<std::pair<std::string, int>, FT_Face> faces;
  std::map<std::string, std::unique_ptr<Font>> fonts;
};

Library& library() {
  static Library* lib = new Library;  // kept to process exit: fonts outlive every IMAGE
  return *lib;
}

std::string lower(const char* s) {
  std::string out;
  for (; *s; ++s) out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(*s))));
  return out;
}

bool isGenericFamily(const std::string& name) {
  static const char* const kGeneric[] = {"sans-serif", "sans", "serif", "monospace", "mono", "system-ui", "cursive", "fantasy"};
  return std::any_of(std::begin(kGeneric), std::end(kGeneric), [&](const char* g) { return name == g; });
}

bool isMonospacedName(const std::string& name) {
  static const char* const kMono[] = {"consolas", "courier", "courier new", "lucida console", "lucida sans typewriter",
                                      "fixedsys", "terminal", "monaco", "menlo", "inconsolata", "cascadia mono",
                                      "cascadia code", "source code pro", "fixed", "ocr a extended", "sfmono"};
  return std::any_of(std::begin(kMono), std::end(kMono), [&](const char* g) { return name == g; });
}

// Matches a requested face name; an unknown name falls back to "monospace" when it names
// a monospaced face and to the default sans face otherwise. Caller holds the mutex.
const FaceFile& resolveFace(const char* face, bool bold, bool italic) {
  Library& lib = library();
  std::string name = lower(face);
  auto key = std::make_tuple(name, bold, italic);
  auto it = lib.matches.find(key);
  if (it != lib.matches.end()) return it->second;
  FaceFile file;
  bool familyMatched = false;
  bool found = !name.empty() && matchFamily(face, bold, italic, file, familyMatched);
  if (!found || (!familyMatched && !isGenericFamily(name))) {
    const char* fallback = isMonospacedName(name) ? "monospace" : "sans-serif";
    matchFamily(fallback, bold, italic, file, familyMatched);
  }
  return lib.matches.emplace(key, file).first->second;
}

FT_Face openFace(const FaceFile& file) {
  Library& lib = library();
  auto key = std::make_pair(file.path, file.index);
  auto it = lib.faces.find(key);
  if (it != lib.faces.end()) return it->second;
  if (!lib.freetype && FT_Init_FreeType(&lib.freetype) != 0) return nullptr;
  FT_Face face = nullptr;
  if (FT_New_Face(lib.freetype, file.path.c_str(), file.index, &face) != 0) face = nullptr;
  if (face) FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  lib.faces.emplace(key, face);
  return face;
}

// Writes the font's cache key into key, appending piece by piece so that a string kept
// from call to call is reused without allocating.
void fontKey(const LOGFONTA& d, std::string& key) {
  char face[33] = {};
  std::memcpy(face, d.lfFaceName, 31);
  key = lower(face);
  for (long number : {long(d.lfHeight), long(d.lfWidth), long(d.lfWeight >= 600), long(d.lfItalic != 0),
                      long(d.lfUnderline != 0), long(d.lfStrikeOut != 0)}) {
    key += '|';
    key += std::to_string(number);
  }
}

}  // namespace

struct Font::Impl {
  FT_Face face = nullptr;
  FT_Size size = nullptr;
  bool embolden = false;
  bool oblique = false;
  FT_Pos emboldenStrength = 0;  // 26.6
};

Font::~Font() {
  if (impl_ && impl_->size) FT_Done_Size(impl_->size);
}

std::string resolvedFamily(const char* face, bool bold, bool italic) {
  std::lock_guard<std::mutex> guard(library().mutex);
  return resolveFace(face ? face : "", bold, italic).family;
}

Font* fontFor(const LOGFONTA& d) {
  Library& lib = library();
  std::lock_guard<std::mutex> guard(lib.mutex);
  static std::string key;  // guarded by lib.mutex
  fontKey(d, key);
  auto it = lib.fonts.find(key);
  if (it != lib.fonts.end()) return it->second.get();

  bool bold = d.lfWeight >= 600, italic = d.lfItalic != 0;
  char faceName[32] = {};
  std::memcpy(faceName, d.lfFaceName, 31);
  const FaceFile& file = resolveFace(faceName, bold, italic);
  auto font = std::unique_ptr<Font>(new Font);
  font->impl_ = std::make_unique<Font::Impl>();
  font->family = file.family;
  font->monospaced = file.monospaced;
  Font::Impl& impl = *font->impl_;
  impl.face = openFace(file);

  int height = d.lfHeight == 0 ? 16 : d.lfHeight;
  if (!impl.face) {
    // No face at all: a font that measures and draws nothing but keeps the cell height.
    font->cellHeight = std::abs(height);
    font->ascent = font->cellHeight;
    return lib.fonts.emplace(key, std::move(font)).first->second.get();
  }
  FT_Face face = impl.face;
  double upem = face->units_per_EM ? face->units_per_EM : 2048;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  double winAscent = os2 && os2->version != 0xFFFF ? os2->usWinAscent : face->ascender;
  double winDescent = os2 && os2->version != 0xFFFF ? os2->usWinDescent : -face->descender;
  if (winAscent + winDescent <= 0) {
    winAscent = upem * 0.8;
    winDescent = upem * 0.2;
  }
  double em;
  if (height > 0) {
    font->cellHeight = height;
    em = height * upem / (winAscent + winDescent);
  } else {
    em = -static_cast<double>(height);
    font->cellHeight = static_cast<int>(std::lround((winAscent + winDescent) * em / upem));
  }
  font->ascent = static_cast<int>(std::lround(font->cellHeight * winAscent / (winAscent + winDescent)));
  font->descent = font->cellHeight - font->ascent;
  font->internalLeading = std::max(0, font->cellHeight - static_cast<int>(std::lround(em)));

  double naturalAverage = (os2 && os2->xAvgCharWidth > 0 ? os2->xAvgCharWidth : upem / 2) * em / upem;
  double emWidth = em;
  if (d.lfWidth != 0 && naturalAverage > 0) emWidth = em * std::abs(d.lfWidth) / naturalAverage;
  font->averageWidth = d.lfWidth != 0 ? std::abs(d.lfWidth) : static_cast<int>(std::lround(naturalAverage));

  FT_New_Size(face, &impl.size);
  FT_Activate_Size(impl.size);
  FT_Set_Char_Size(face, static_cast<FT_F26Dot6>(std::lround(emWidth * 64)), static_cast<FT_F26Dot6>(std::lround(em * 64)),
                   72, 72);
  impl.embolden = bold && !file.bold;
  impl.oblique = italic && !file.italic;
  impl.emboldenStrength = static_cast<FT_Pos>(std::lround(em * 64 / 24));

  double scale = em / upem;
  font->underline_ = d.lfUnderline != 0;
  font->strikeOut_ = d.lfStrikeOut != 0;
  font->underlineHeight_ = std::max(1, static_cast<int>(std::lround(face->underline_thickness * scale)));
  font->underlineTop_ = font->ascent - static_cast<int>(std::lround(face->underline_position * scale));
  font->underlineTop_ = std::min(font->underlineTop_, font->cellHeight - font->underlineHeight_);
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    font->strikeHeight_ = std::max(1, static_cast<int>(std::lround(os2->yStrikeoutSize * scale)));
    font->strikeTop_ = font->ascent - static_cast<int>(std::lround(os2->yStrikeoutPosition * scale));
  } else {
    font->strikeHeight_ = font->underlineHeight_;
    font->strikeTop_ = font->ascent - font->ascent / 3;
  }
  return lib.fonts.emplace(key, std::move(font)).first->second.get();
}

// Loads and renders one glyph, monochrome, into row runs. Caller holds the library mutex.
const Glyph& Font::glyph(unsigned char ch) {
  std::unique_ptr<Glyph>& slot = glyphs_[ch];
  if (slot) return *slot;
  slot = std::make_unique<Glyph>();
  Glyph& g = *slot;
  FT_Face face = impl_->face;
  if (!face) return g;
  FT_Activate_Size(impl_->size);
  if (FT_Load_Char(face, ch, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0) return g;
  FT_GlyphSlot slotG = face->glyph;
  FT_Pos extraAdvance = 0;
  if (slotG->format == FT_GLYPH_FORMAT_OUTLINE) {
    if (impl_->oblique) {
      FT_Matrix shear{0x10000, 0x0366A, 0, 0x10000};
      FT_Outline_Transform(&slotG->outline, &shear);
    }
    if (impl_->embolden) {
      FT_Outline_Embolden(&slotG->outline, impl_->emboldenStrength);
      extraAdvance = impl_->emboldenStrength;
    }
  }
  g.advance = static_cast<int>((slotG->advance.x + extraAdvance + 32) >> 6);
  if (FT_Render_Glyph(slotG, FT_RENDER_MODE_MONO) != 0) return g;
  const FT_Bitmap& bm = slotG->bitmap;
  g.left = slotG->bitmap_left;
  g.top = slotG->bitmap_top;
  g.rows = static_cast<int>(bm.rows);
  g.cols = static_cast<int>(bm.width);
  for (unsigned row = 0; row < bm.rows; ++row) {
    g.rowStart.push_back(static_cast<std::uint32_t>(g.runs.size()));
    const unsigned char* bits = bm.buffer + static_cast<std::ptrdiff_t>(row) * bm.pitch;
    int start = -1;
    for (unsigned col = 0; col <= bm.width; ++col) {
      bool on = col < bm.width && ((bits[col >> 3] >> (7 - (col & 7))) & 1);
      if (on && start < 0) start = static_cast<int>(col);
      if (!on && start >= 0) {
        g.runs.push_back(Glyph::Run{static_cast<std::int32_t>(row), start, static_cast<std::int32_t>(col)});
        start = -1;
      }
    }
  }
  g.rowStart.push_back(static_cast<std::uint32_t>(g.runs.size()));
  return g;
}

std::int64_t Font::measure(const char* text, std::size_t length) {
  std::lock_guard<std::mutex> guard(library().mutex);
  std::int64_t width = 0;
  for (std::size_t i = 0; i < length; ++i) width += glyph(static_cast<unsigned char>(text[i])).advance;
  return width;
}

// Works row by row: the row's part of the cell box, then every glyph's runs on that row,
// so each row is written while it is still in the cache.
void Font::draw(const raster::Surface& surface, std::int64_t x, std::int64_t y, const char* text, std::size_t length,
                std::uint32_t textWord, bool opaque, std::uint32_t backWord) {
  std::lock_guard<std::mutex> guard(library().mutex);
  struct Placed {
    const Glyph* glyph;
    std::int64_t left;
    std::int64_t top;
  };
  // Kept from call to call (under the library lock): drawing text allocates nothing once
  // the longest text has been drawn.
  static std::vector<Placed> placed;
  placed.clear();
  placed.reserve(length);
  std::int64_t baseline = y + ascent;
  std::int64_t pen = x;
  std::int64_t first = y, last = y + cellHeight;  // rows touched, half-open
  for (std::size_t i = 0; i < length; ++i) {
    const Glyph& g = glyph(static_cast<unsigned char>(text[i]));
    std::int64_t top = baseline - g.top;
    if (g.rows > 0 && pen < surface.right && pen + g.left + g.cols > surface.left) {
      placed.push_back(Placed{&g, pen + g.left, top});
      first = std::min(first, top);
      last = std::max(last, top + g.rows);
    }
    pen += g.advance;
  }
  std::int64_t width = pen - x;
  raster::Paint ink;
  ink.word = textWord;
  raster::Paint back;
  back.word = backWord;
  for (std::int64_t row = std::max(first, surface.top); row < std::min(last, surface.bottom); ++row) {
    bool inCell = row >= y && row < y + cellHeight;
    if (opaque && inCell) raster::paintSpan(surface, row, x, x + width, back);
    // Glyph runs are short: without a clipping region they are written in place.
    std::uint32_t* words = surface.clip ? nullptr : surface.pixels + row * surface.width;
    for (const Placed& p : placed) {
      std::int64_t r = row - p.top;
      if (r < 0 || r >= p.glyph->rows) continue;
      for (std::uint32_t k = p.glyph->rowStart[r]; k < p.glyph->rowStart[r + 1]; ++k) {
        const Glyph::Run& run = p.glyph->runs[k];
        if (!words) {
          raster::paintSpan(surface, row, p.left + run.left, p.left + run.right, ink);
          continue;
        }
        std::int64_t a = std::max(p.left + run.left, surface.left), b = std::min(p.left + run.right, surface.right);
        if (a < b) raster::fillWords(words + a, b - a, textWord);
      }
    }
    if (inCell && ((underline_ && row - y >= underlineTop_ && row - y < underlineTop_ + underlineHeight_) ||
                   (strikeOut_ && row - y >= strikeTop_ && row - y < strikeTop_ + strikeHeight_)))
      raster::paintSpan(surface, row, x, x + width, ink);
  }
}

}  // namespace gfx::text
