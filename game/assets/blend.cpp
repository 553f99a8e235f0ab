// Row blending: the scalar reference and the choice of kernel for a path. The SSE2 path's
// kernels are blend_sse2.h's on x86-64 (its baseline) and blend_wasm.h's in WebAssembly; the
// AVX2 ones blend_avx2.cpp's, on x86 alone (elsewhere blend_avx2_none.cpp says there are none).
#include "game/assets/blend.h"

#include <cstddef>

#include "game/assets/blend_avx2.h"
#if defined(__wasm_simd128__)
#include "game/assets/blend_wasm.h"
#else
#include "game/assets/blend_sse2.h"
#endif

namespace sprite_blend {

namespace {

template <bool Mirror>
void rowScalar(std::uint32_t* d, const std::uint32_t* s, int n) {
  for (int j = 0; j < n; ++j) d[j] = blendWord(Mirror ? s[n - 1 - j] : s[j], d[j]);
}

RowFunction sse2Row(bool mirrored) {
#if defined(__wasm_simd128__)
  return mirrored ? rowWasm<true> : rowWasm<false>;
#else
  return mirrored ? rowSse2<true> : rowSse2<false>;
#endif
}

RowFunction rowFunction(BlendPath path, bool mirrored) {
  switch (path) {
    case BlendPath::kScalar:
      return mirrored ? rowScalar<true> : rowScalar<false>;
    case BlendPath::kSse2:
      return sse2Row(mirrored);
    case BlendPath::kAvx2:
      return avx2Available() ? avx2Row(mirrored) : sse2Row(mirrored);
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
