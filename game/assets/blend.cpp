// Row blending kernels: the scalar reference, SSE2 (x86-64 baseline) and AVX2 (picked at
// run time, compiled with a target attribute so the build needs no -mavx2).
// The divisions by 255 use (x * 0x8081) >> 23, which equals x / 255 for every x < 65536.
#include "game/assets/blend.h"

#include <immintrin.h>

namespace sprite_blend {

namespace {

constexpr std::uint32_t kColourMask = 0x00FFFFFF;

template <bool Mirror>
void rowScalar(std::uint32_t* d, const std::uint32_t* s, int n) {
  for (int j = 0; j < n; ++j) d[j] = blendWord(Mirror ? s[n - 1 - j] : s[j], d[j]);
}

// Four pixels by the rule; the alpha byte of the result is 0.
inline __m128i blend4(__m128i s, __m128i d) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i k255 = _mm_set1_epi16(255);
  const __m128i kDiv = _mm_set1_epi16(short(0x8081));
  const __m128i sl = _mm_unpacklo_epi8(s, zero), sh = _mm_unpackhi_epi8(s, zero);
  const __m128i dl = _mm_unpacklo_epi8(d, zero), dh = _mm_unpackhi_epi8(d, zero);
  const __m128i al = _mm_shufflehi_epi16(_mm_shufflelo_epi16(sl, 0xFF), 0xFF);
  const __m128i ah = _mm_shufflehi_epi16(_mm_shufflelo_epi16(sh, 0xFF), 0xFF);
  const __m128i il = _mm_sub_epi16(k255, al), ih = _mm_sub_epi16(k255, ah);
  const __m128i pl = _mm_srli_epi16(_mm_mulhi_epu16(_mm_mullo_epi16(sl, al), kDiv), 7);
  const __m128i ph = _mm_srli_epi16(_mm_mulhi_epu16(_mm_mullo_epi16(sh, ah), kDiv), 7);
  const __m128i ql = _mm_srli_epi16(_mm_mulhi_epu16(_mm_mullo_epi16(dl, il), kDiv), 7);
  const __m128i qh = _mm_srli_epi16(_mm_mulhi_epu16(_mm_mullo_epi16(dh, ih), kDiv), 7);
  const __m128i out = _mm_packus_epi16(_mm_add_epi16(pl, ql), _mm_add_epi16(ph, qh));
  return _mm_and_si128(out, _mm_set1_epi32(int(kColourMask)));
}

template <bool Mirror>
void rowSse2(std::uint32_t* d, const std::uint32_t* s, int n) {
  const __m128i colour = _mm_set1_epi32(int(kColourMask));
  const __m128i zero = _mm_setzero_si128();
  const __m128i ones = _mm_set1_epi32(-1);
  int j = 0;
  for (; j + 4 <= n; j += 4) {
    __m128i sv;
    if (Mirror) {
      sv = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + n - 4 - j)), 0x1B);
    } else {
      sv = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + j));
    }
    __m128i* dp = reinterpret_cast<__m128i*>(d + j);
    if ((_mm_movemask_epi8(_mm_cmpeq_epi8(sv, zero)) & 0x8888) == 0x8888) {
      _mm_storeu_si128(dp, _mm_and_si128(_mm_loadu_si128(dp), colour));
    } else if ((_mm_movemask_epi8(_mm_cmpeq_epi8(sv, ones)) & 0x8888) == 0x8888) {
      _mm_storeu_si128(dp, _mm_and_si128(sv, colour));
    } else {
      _mm_storeu_si128(dp, blend4(sv, _mm_loadu_si128(dp)));
    }
  }
  for (; j < n; ++j) d[j] = blendWord(Mirror ? s[n - 1 - j] : s[j], d[j]);
}

__attribute__((target("avx2"))) inline __m256i blend8(__m256i s, __m256i d) {
  const __m256i zero = _mm256_setzero_si256();
  const __m256i k255 = _mm256_set1_epi16(255);
  const __m256i kDiv = _mm256_set1_epi16(short(0x8081));
  const __m256i sl = _mm256_unpacklo_epi8(s, zero), sh = _mm256_unpackhi_epi8(s, zero);
  const __m256i dl = _mm256_unpacklo_epi8(d, zero), dh = _mm256_unpackhi_epi8(d, zero);
  const __m256i al = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sl, 0xFF), 0xFF);
  const __m256i ah = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(sh, 0xFF), 0xFF);
  const __m256i il = _mm256_sub_epi16(k255, al), ih = _mm256_sub_epi16(k255, ah);
  const __m256i pl = _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_mullo_epi16(sl, al), kDiv), 7);
  const __m256i ph = _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_mullo_epi16(sh, ah), kDiv), 7);
  const __m256i ql = _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_mullo_epi16(dl, il), kDiv), 7);
  const __m256i qh = _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_mullo_epi16(dh, ih), kDiv), 7);
  const __m256i out = _mm256_packus_epi16(_mm256_add_epi16(pl, ql), _mm256_add_epi16(ph, qh));
  return _mm256_and_si256(out, _mm256_set1_epi32(int(kColourMask)));
}

template <bool Mirror>
__attribute__((target("avx2"))) void rowAvx2(std::uint32_t* d, const std::uint32_t* s, int n) {
  const __m256i colour = _mm256_set1_epi32(int(kColourMask));
  const __m256i zero = _mm256_setzero_si256();
  const __m256i ones = _mm256_set1_epi32(-1);
  const __m256i reverse = _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0);
  int j = 0;
  for (; j + 8 <= n; j += 8) {
    __m256i sv;
    if (Mirror) {
      sv = _mm256_permutevar8x32_epi32(
          _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + n - 8 - j)), reverse);
    } else {
      sv = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + j));
    }
    __m256i* dp = reinterpret_cast<__m256i*>(d + j);
    const unsigned clear = unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(sv, zero)));
    const unsigned opaque = unsigned(_mm256_movemask_epi8(_mm256_cmpeq_epi8(sv, ones)));
    if ((clear & 0x88888888u) == 0x88888888u) {
      _mm256_storeu_si256(dp, _mm256_and_si256(_mm256_loadu_si256(dp), colour));
    } else if ((opaque & 0x88888888u) == 0x88888888u) {
      _mm256_storeu_si256(dp, _mm256_and_si256(sv, colour));
    } else {
      _mm256_storeu_si256(dp, blend8(sv, _mm256_loadu_si256(dp)));
    }
  }
  // The last 0..7 pixels: the remaining source words are s[0 .. n-1-j] when mirrored.
  rowSse2<Mirror>(d + j, Mirror ? s : s + j, n - j);
}

using RowFunction = void (*)(std::uint32_t*, const std::uint32_t*, int);

RowFunction rowFunction(BlendPath path, bool mirrored) {
  switch (path) {
    case BlendPath::kScalar:
      return mirrored ? rowScalar<true> : rowScalar<false>;
    case BlendPath::kSse2:
      return mirrored ? rowSse2<true> : rowSse2<false>;
    case BlendPath::kAvx2:
      if (avx2Available()) return mirrored ? rowAvx2<true> : rowAvx2<false>;
      return mirrored ? rowSse2<true> : rowSse2<false>;
  }
  return mirrored ? rowScalar<true> : rowScalar<false>;
}

}  // namespace

bool avx2Available() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available;
}

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
