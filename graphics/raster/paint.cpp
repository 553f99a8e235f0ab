// Span painting with mix modes and brushes, and the flood fill.
#include "graphics/raster/raster.h"

#include <algorithm>
#include <cmath>
#include <limits>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "graphics/raster/raster_parts.h"

namespace gfx::raster {

// ---- Painting ----

// 16 bytes a store where SSE2 is there (the compiler keeps plain fill loops scalar at -O2).
void fillWords(std::uint32_t* p, std::int64_t n, std::uint32_t w) {
#if defined(__x86_64__)
  // Long runs: the string store writes whole cache lines without reading them first.
  if (n >= 256) {
    asm volatile("rep stosl" : "+D"(p), "+c"(n) : "a"(w) : "memory");
    return;
  }
#endif
#ifdef __SSE2__
  __m128i v = _mm_set1_epi32(static_cast<int>(w));
  for (; n >= 16; n -= 16, p += 16) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 4), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 8), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p + 12), v);
  }
  for (; n >= 4; n -= 4, p += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
#endif
  for (; n > 0; --n) *p++ = w;
}

namespace {

// Hatch lines within each 8 x 8 cell of the device: horizontal on row 3, vertical on
// column 4 (where GDI draws them), diagonals through the cell's corners.
std::uint32_t hatchBit(int hatch, std::int64_t x, std::int64_t y) {
  int cx = static_cast<int>(x & 7), cy = static_cast<int>(y & 7);
  switch (hatch) {
    case 0: return cy == 3;
    case 1: return cx == 4;
    case 2: return cx == cy;
    case 3: return cx + cy == 7;
    case 4: return cx == 4 || cy == 3;
    case 5: return cx == cy || cx + cy == 7;
    default: return 0;
  }
}

std::int64_t wrap(std::int64_t v, int size) {
  std::int64_t r = v % size;
  return r < 0 ? r + size : r;
}

void paintRun(std::uint32_t* row, std::int64_t y, std::int64_t l, std::int64_t r, const Paint& paint) {
  if (paint.kind == Paint::kSolid) {
    if (paint.mixMode == 13) {
      fillWords(row + l, r - l, paint.word);
    } else {
      for (std::int64_t x = l; x < r; ++x) row[x] = mixWords(paint.mixMode, paint.word, row[x]);
    }
    return;
  }
  for (std::int64_t x = l; x < r; ++x) {
    std::uint32_t source;
    switch (paint.kind) {
      case Paint::kHatch:
        if (hatchBit(paint.hatch, x, y)) source = paint.word;
        else if (paint.opaqueGaps) source = paint.backWord;
        else continue;
        break;
      case Paint::kMono:
        source = paint.bits[wrap(y, paint.patternHeight) * paint.patternWidth + wrap(x, paint.patternWidth)]
                     ? paint.backWord : paint.textWord;
        break;
      default:
        source = paint.colours[wrap(y, paint.patternHeight) * paint.patternWidth + wrap(x, paint.patternWidth)];
        break;
    }
    row[x] = paint.mixMode == 13 ? source : mixWords(paint.mixMode, source, row[x]);
  }
}

}  // namespace

void paintSpan(const Surface& s, std::int64_t y, std::int64_t l, std::int64_t r, const Paint& paint) {
  if (y < s.top || y >= s.bottom) return;
  l = std::max(l, s.left);
  r = std::min(r, s.right);
  if (l >= r) return;
  std::uint32_t* row = s.pixels + y * s.width;
  if (!s.clip) {
    paintRun(row, y, l, r, paint);
    return;
  }
  const Region::Band* band = s.clip->bandAt(y);
  if (!band) return;
  for (const Region::Run& run : band->runs) {
    std::int64_t a = std::max(l, run.left), b = std::min(r, run.right);
    if (a < b) paintRun(row, y, a, b, paint);
  }
}

void paintCoverage(const Surface& s, const Coverage& coverage, const Paint& paint) {
  for (const Span& span : coverage.spans()) paintSpan(s, span.y, span.left, span.right, paint);
}

// ---- Flood fill ----

void floodRegion(const Surface& s, std::int64_t x, std::int64_t y, std::uint32_t word, int mode, Coverage& out) {
  if (x < s.left || x >= s.right || y < s.top || y >= s.bottom) return;
  if (s.clip && !s.clip->contains(x, y)) return;
  auto fillable = [&](std::int64_t px, std::int64_t py) {
    if (s.clip && !s.clip->contains(px, py)) return false;
    std::uint32_t w = s.pixels[py * s.width + px];
    return mode == 0 ? w != word : w == word;
  };
  if (!fillable(x, y)) return;
  std::int64_t w = s.right - s.left, h = s.bottom - s.top;
  std::vector<std::uint8_t> seen(static_cast<std::size_t>(w * h), 0);
  auto mark = [&](std::int64_t px, std::int64_t py) -> std::uint8_t& { return seen[(py - s.top) * w + (px - s.left)]; };
  std::vector<std::pair<std::int64_t, std::int64_t>> stack{{x, y}};
  while (!stack.empty()) {
    auto [sx, sy] = stack.back();
    stack.pop_back();
    if (mark(sx, sy) || !fillable(sx, sy)) continue;
    std::int64_t l = sx, r = sx;
    while (l - 1 >= s.left && !mark(l - 1, sy) && fillable(l - 1, sy)) --l;
    while (r + 1 < s.right && !mark(r + 1, sy) && fillable(r + 1, sy)) ++r;
    for (std::int64_t px = l; px <= r; ++px) mark(px, sy) = 1;
    out.add(sy, l, r + 1);
    for (std::int64_t ny : {sy - 1, sy + 1}) {
      if (ny < s.top || ny >= s.bottom) continue;
      bool inRun = false;
      for (std::int64_t px = l; px <= r; ++px) {
        bool ok = !mark(px, ny) && fillable(px, ny);
        if (ok && !inRun) stack.push_back({px, ny});
        inRun = ok;
      }
    }
  }
}


}  // namespace gfx::raster
