// The SSE2 row kernels of the blend, shared by blend.cpp and the AVX2 kernels' tails, on
// x86-64 (in WebAssembly the SSE2 path takes blend_wasm.h's kernel). The divisions by 255
// use (x * 0x8081) >> 23, which equals x / 255 for every x < 65536.
#pragma once
#include <emmintrin.h>

#include <cstdint>

#include "game/assets/blend.h"

namespace sprite_blend {

constexpr std::uint32_t kColourMask = 0x00FFFFFF;

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
inline void rowSse2(std::uint32_t* d, const std::uint32_t* s, int n) {
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

}  // namespace sprite_blend
