// Row blending of sprite pixels onto the working image: out_c = (s_c * a) / 255 +
// (d_c * (255 - a)) / 255 per colour channel, two truncated quotients, destination alpha 0.
// A scalar reference and SIMD versions (SSE2 always, AVX2 when the CPU has it) give
// identical words; runs of alpha 0 and 255 take exact shortcuts.
#pragma once
#include <cstdint>

namespace sprite_blend {

enum class BlendPath { kScalar, kSse2, kAvx2 };

// True when the running CPU can take the AVX2 path.
bool avx2Available();

// The path blendRect uses by default: AVX2 when available, else SSE2.
BlendPath fastestPath();

// One blended word: the rule above for source s over destination d.
inline std::uint32_t blendWord(std::uint32_t s, std::uint32_t d) {
  const std::uint32_t a = s >> 24;
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
    out |= ((sc * a) / 255 + (dc * (255 - a)) / 255) << shift;
  }
  return out;
}

// Blends a width x height rectangle of source words onto dst. Rows are srcStride and
// dstStride words apart. With mirrored, output column j of a row takes source word
// width - 1 - j of that row (the row read right to left).
void blendRect(BlendPath path, std::uint32_t* dst, int dstStride, const std::uint32_t* src,
               int srcStride, int width, int height, bool mirrored);

inline void blendRect(std::uint32_t* dst, int dstStride, const std::uint32_t* src, int srcStride,
                      int width, int height, bool mirrored) {
  blendRect(fastestPath(), dst, dstStride, src, srcStride, width, height, mirrored);
}

}  // namespace sprite_blend
