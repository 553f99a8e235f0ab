// The AVX2 row kernels of the blend, for x86 alone: compiled with a target attribute so the
// build needs no -mavx2, taken only when the running CPU has AVX2.
#include <immintrin.h>

#include "game/assets/blend_avx2.h"
#include "game/assets/blend_sse2.h"

namespace sprite_blend {

namespace {

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

}  // namespace

bool avx2Available() {
  static const bool available = __builtin_cpu_supports("avx2");
  return available;
}

RowFunction avx2Row(bool mirrored) { return mirrored ? rowAvx2<true> : rowAvx2<false>; }

}  // namespace sprite_blend
