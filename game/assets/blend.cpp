// Row blending: the scalar reference and the choice of kernel for a path. The SSE2 kernels
// are blend_sse2.h's (x86-64's baseline, WebAssembly SIMD under emcc -msse2); the AVX2 ones
// blend_avx2.cpp's, on x86 alone (elsewhere blend_avx2_none.cpp says there are none).
#include "game/assets/blend.h"

#include "game/assets/blend_avx2.h"
#include "game/assets/blend_sse2.h"

namespace sprite_blend {

namespace {

template <bool Mirror>
void rowScalar(std::uint32_t* d, const std::uint32_t* s, int n) {
  for (int j = 0; j < n; ++j) d[j] = blendWord(Mirror ? s[n - 1 - j] : s[j], d[j]);
}

RowFunction rowFunction(BlendPath path, bool mirrored) {
  switch (path) {
    case BlendPath::kScalar:
      return mirrored ? rowScalar<true> : rowScalar<false>;
    case BlendPath::kSse2:
      return mirrored ? rowSse2<true> : rowSse2<false>;
    case BlendPath::kAvx2:
      if (avx2Available()) return avx2Row(mirrored);
      return mirrored ? rowSse2<true> : rowSse2<false>;
  }
  return mirrored ? rowScalar<true> : rowScalar<false>;
}

}  // namespace

BlendPath fastestPath() { return avx2Available() ? BlendPath::kAvx2 : BlendPath::kSse2; }

void blendRect(BlendPath path, std::uint32_t* dst, int dstStride, const std::uint32_t* src,
               int srcStride, int width, int height, bool mirrored) {
  if (dst == nullptr || src == nullptr || width <= 0 || height <= 0) return;
  const RowFunction row = rowFunction(path, mirrored);
  for (int i = 0; i < height; ++i) {
    row(dst + std::ptrdiff_t(i) * dstStride, src + std::ptrdiff_t(i) * srcStride, width);
  }
}

}  // namespace sprite_blend
