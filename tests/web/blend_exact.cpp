// The blend of the WebAssembly build against the blending rule, run under node (the desktop's
// gtest blend tests do not build here). Every path, read both ways, over one table of cases:
// every (alpha, source channel, destination channel) triple in rows of one alpha, then
// random rows of every width 1..70 mixing runs of alpha 0, runs of 255 and random alphas.
// Prints the first word that differs and exits 1 when any does.
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include "game/assets/blend.h"
#include "tests/game/assets/blend_rule.h"

namespace {

using sprite_blend::BlendPath;

struct Rows {
  const char* what;
  int width, height, srcStride, dstStride;
  std::vector<std::uint32_t> src, dst;
};

// For alpha a and source value s, one row of 256 words whose destination channel runs
// through 0..255; the three channels carry shifted values, so each meets every triple.
std::vector<Rows> everyTriple() {
  std::vector<Rows> cases;
  for (std::uint32_t a = 0; a < 256; ++a) {
    Rows rows{"every triple", 256, 256, 256, 256, {}, {}};
    for (std::uint32_t s = 0; s < 256; ++s)
      for (std::uint32_t d = 0; d < 256; ++d) {
        rows.src.push_back(a << 24 | s << 16 | ((s + 85) & 0xFF) << 8 | ((s + 170) & 0xFF));
        rows.dst.push_back(((d * 7) & 0xFF) << 24 | d << 16 | ((d + 37) & 0xFF) << 8 | ((d + 111) & 0xFF));
      }
    cases.push_back(std::move(rows));
  }
  return cases;
}

// Three rows of each width, strides wider than the rectangle, alphas in runs of about 8.
std::vector<Rows> randomRows() {
  std::mt19937 random(7);
  std::vector<Rows> cases;
  for (int width = 1; width <= 70; ++width) {
    Rows rows{"random rows", width, 3, width + 5, width + 9, {}, {}};
    rows.src.resize(std::size_t(rows.srcStride) * rows.height);
    rows.dst.resize(std::size_t(rows.dstStride) * rows.height);
    for (std::size_t i = 0; i < rows.src.size(); ++i) {
      const std::uint32_t kind = (i / 8 + random() % 2) % 3;
      const std::uint32_t alpha = kind == 0 ? 0 : kind == 1 ? 255 : random() & 0xFF;
      rows.src[i] = alpha << 24 | (random() & 0xFFFFFF);
    }
    for (auto& w : rows.dst) w = random();
    cases.push_back(std::move(rows));
  }
  return cases;
}

const char* nameOf(BlendPath path) {
  switch (path) {
    case BlendPath::kScalar: return "scalar";
    case BlendPath::kSse2: return "SSE2 (WebAssembly SIMD)";
    case BlendPath::kAvx2: return "AVX2 (its fallback)";
  }
  return "?";
}

// Blends one case on one path and compares every word of the target, rows and what lies
// beyond them; prints the first difference.
bool matchesRule(const Rows& rows, BlendPath path, bool mirrored) {
  std::vector<std::uint32_t> want = rows.dst, got = rows.dst;
  for (int r = 0; r < rows.height; ++r)
    for (int j = 0; j < rows.width; ++j) {
      const std::uint32_t s = rows.src[std::size_t(r) * rows.srcStride + (mirrored ? rows.width - 1 - j : j)];
      std::uint32_t& d = want[std::size_t(r) * rows.dstStride + j];
      d = test_blend::ruleWord(s, d);
    }
  sprite_blend::blendRect(path, got.data(), rows.dstStride, rows.src.data(), rows.srcStride, rows.width,
                          rows.height, mirrored);
  for (std::size_t i = 0; i < got.size(); ++i) {
    if (got[i] == want[i]) continue;
    const int row = int(i / rows.dstStride), column = int(i % rows.dstStride);
    std::printf("blend: %s, %s%s, width %d: row %d column %d", nameOf(path), rows.what,
                mirrored ? " mirrored" : "", rows.width, row, column);
    if (column < rows.width) {
      const int from = mirrored ? rows.width - 1 - column : column;
      std::printf(", source %08x", unsigned(rows.src[std::size_t(row) * rows.srcStride + from]));
    } else {
      std::printf(" (outside the rectangle)");
    }
    std::printf(" over %08x gave %08x, rule %08x\n", unsigned(rows.dst[i]), unsigned(got[i]), unsigned(want[i]));
    return false;
  }
  return true;
}

}  // namespace

int main() {
  std::vector<Rows> cases = everyTriple();
  for (Rows& rows : randomRows()) cases.push_back(std::move(rows));
  int failures = 0;
  std::uint64_t words = 0;
  for (BlendPath path : {BlendPath::kScalar, BlendPath::kSse2, BlendPath::kAvx2})
    for (bool mirrored : {false, true})
      for (const Rows& rows : cases) {
        if (!matchesRule(rows, path, mirrored)) ++failures;
        words += std::uint64_t(rows.width) * rows.height;
      }
  if (failures > 0) {
    std::printf("blend: %d of %zu cases differ from the rule\n", failures, cases.size() * 6);
    return 1;
  }
  std::printf("blend: every path equals the rule on %llu words\n", static_cast<unsigned long long>(words));
  return 0;
}
