// The SIMD blend kernels against the blending rule: every (source channel, destination
// channel, alpha) triple, and random rows with mixed alpha runs, mirrored and not.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "game/assets/blend.h"
#include "tests/game/assets/blend_rule.h"

namespace {

using test_blend::ruleWord;

using sprite_blend::BlendPath;

std::vector<BlendPath> pathsToCheck() {
  std::vector<BlendPath> paths = {BlendPath::kScalar, BlendPath::kSse2};
  if (sprite_blend::avx2Available()) paths.push_back(BlendPath::kAvx2);
  return paths;
}

const char* nameOf(BlendPath path) {
  switch (path) {
    case BlendPath::kScalar: return "scalar";
    case BlendPath::kSse2: return "SSE2";
    case BlendPath::kAvx2: return "AVX2";
  }
  return "?";
}

TEST(BlendRule, HalfAlphaRedOverBlue) {
  EXPECT_EQ(ruleWord(0x80FF0000u, 0xFF0000FFu), 0x0080007Fu);
  for (BlendPath path : pathsToCheck()) {
    std::uint32_t dst = 0xFF0000FFu;
    const std::uint32_t src = 0x80FF0000u;
    sprite_blend::blendRect(path, &dst, 1, &src, 1, 1, 1, false);
    EXPECT_EQ(dst, 0x0080007Fu) << nameOf(path) << ": (255, 0, 0) at alpha 128 over (0, 0, 255)";
  }
}

// For each alpha a and source value s, one row of 256 pixels whose destination channel
// runs through 0..255. The three channels carry shifted values, so each channel meets
// every (s, d, a) triple. Rows of alpha 0 and 255 take the shortcut paths.
TEST(BlendRule, EveryPathMatchesTheRuleForAllTriples) {
  for (BlendPath path : pathsToCheck()) {
    std::vector<std::uint32_t> src(256), dst(256), expected(256);
    std::uint64_t mismatches = 0;
    std::uint32_t firstS = 0, firstD = 0, firstGot = 0, firstWant = 0;
    for (std::uint32_t a = 0; a < 256; ++a) {
      for (std::uint32_t s = 0; s < 256; ++s) {
        for (std::uint32_t d = 0; d < 256; ++d) {
          src[d] = a << 24 | s << 16 | ((s + 85) & 0xFF) << 8 | ((s + 170) & 0xFF);
          dst[d] = ((d * 7) & 0xFF) << 24 | d << 16 | ((d + 37) & 0xFF) << 8 | ((d + 111) & 0xFF);
          expected[d] = ruleWord(src[d], dst[d]);
        }
        std::vector<std::uint32_t> got = dst;
        sprite_blend::blendRect(path, got.data(), 256, src.data(), 256, 256, 1, false);
        for (int d = 0; d < 256; ++d) {
          if (got[d] != expected[d] && mismatches++ == 0) {
            firstS = src[d], firstD = dst[d], firstGot = got[d], firstWant = expected[d];
          }
        }
      }
    }
    EXPECT_EQ(mismatches, 0u) << nameOf(path) << ": first mismatch source 0x" << std::hex << firstS
                              << " over 0x" << firstD << " gave 0x" << firstGot << ", rule 0x" << firstWant;
  }
}

// Random rows: runs of alpha 0, runs of 255 and mixed alphas, every width 1..70, with
// source and destination strides wider than the rectangle.
TEST(BlendRule, FastPathsEqualTheReferenceOnRandomRectangles) {
  std::mt19937 random(99);
  for (int width = 1; width <= 70; ++width) {
    for (bool mirrored : {false, true}) {
      const int height = 3, srcStride = width + 5, dstStride = width + 9;
      std::vector<std::uint32_t> src(std::size_t(srcStride) * height), dst(std::size_t(dstStride) * height);
      for (std::size_t i = 0; i < src.size(); ++i) {
        const std::uint32_t kind = (i / 8 + random() % 2) % 3;  // runs of 8ish of one kind
        const std::uint32_t alpha = kind == 0 ? 0 : kind == 1 ? 255 : random() & 0xFF;
        src[i] = alpha << 24 | (random() & 0xFFFFFF);
      }
      for (auto& w : dst) w = random();
      std::vector<std::uint32_t> want = dst;
      for (int r = 0; r < height; ++r)
        for (int j = 0; j < width; ++j) {
          const std::uint32_t s = src[r * srcStride + (mirrored ? width - 1 - j : j)];
          want[r * dstStride + j] = ruleWord(s, want[r * dstStride + j]);
        }
      for (BlendPath path : pathsToCheck()) {
        std::vector<std::uint32_t> got = dst;
        sprite_blend::blendRect(path, got.data(), dstStride, src.data(), srcStride, width, height, mirrored);
        for (std::size_t i = 0; i < got.size(); ++i) {
          ASSERT_EQ(got[i], want[i]) << nameOf(path) << (mirrored ? " mirrored" : "") << " width " << width
                                     << ": word " << i << " (row " << i / dstStride << ", column "
                                     << i % dstStride << ")";
        }
      }
    }
  }
}

}  // namespace
