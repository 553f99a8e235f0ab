// The blend's row kernel in WebAssembly SIMD, taken by the SSE2 path when the build targets
// it (blend.cpp): emscripten's translation of the SSE2 kernels spends most of its time on
// intrinsics WebAssembly lacks (16-bit high multiply, 16-bit lane shuffles, packs). Here
// each step is one WebAssembly SIMD instruction. Words equal blendWord's.
#pragma once
#include <wasm_simd128.h>

#include <cstdint>

#include "game/assets/blend.h"

namespace sprite_blend {

// x / 255 in each 16-bit lane, exact for every x < 65535 (a product of two bytes is at most
// 65025): (x + (x >> 8) + 1) >> 8, the rounding average taking the first shift.
inline v128_t divideBy255(v128_t x) { return wasm_u16x8_shr(wasm_u16x8_avgr(x, wasm_u16x8_shr(x, 8)), 7); }

// Four pixels by the rule. Each pixel's alpha is spread to its colour bytes and zeroed in
// its alpha byte, as is its complement, so both products of the alpha byte are 0 and so
// is the result's alpha.
inline v128_t blend4Wasm(v128_t s, v128_t d) {
  const v128_t colour = wasm_i32x4_splat(0x00FFFFFF);
  const v128_t alphas = wasm_i8x16_shuffle(s, s, 3, 3, 3, 3, 7, 7, 7, 7, 11, 11, 11, 11, 15, 15, 15, 15);
  const v128_t a = wasm_v128_and(alphas, colour), inverse = wasm_v128_andnot(colour, alphas);
  const v128_t low = wasm_i16x8_add(divideBy255(wasm_u16x8_extmul_low_u8x16(s, a)),
                                    divideBy255(wasm_u16x8_extmul_low_u8x16(d, inverse)));
  const v128_t high = wasm_i16x8_add(divideBy255(wasm_u16x8_extmul_high_u8x16(s, a)),
                                     divideBy255(wasm_u16x8_extmul_high_u8x16(d, inverse)));
  return wasm_u8x16_narrow_i16x8(low, high);
}

template <bool Mirror>
inline void rowWasm(std::uint32_t* d, const std::uint32_t* s, int n) {
  const v128_t colour = wasm_i32x4_splat(0x00FFFFFF);
  const v128_t zero = wasm_i64x2_splat(0), ones = wasm_i64x2_splat(-1);
  int j = 0;
  for (; j + 4 <= n; j += 4) {
    v128_t sv;
    if (Mirror) {
      const v128_t v = wasm_v128_load(s + n - 4 - j);
      sv = wasm_i32x4_shuffle(v, v, 3, 2, 1, 0);
    } else {
      sv = wasm_v128_load(s + j);
    }
    // Bits 3, 7, 11 and 15 of a byte mask are the four alpha bytes.
    if ((wasm_i8x16_bitmask(wasm_i8x16_eq(sv, zero)) & 0x8888) == 0x8888) {
      wasm_v128_store(d + j, wasm_v128_and(wasm_v128_load(d + j), colour));
    } else if ((wasm_i8x16_bitmask(wasm_i8x16_eq(sv, ones)) & 0x8888) == 0x8888) {
      wasm_v128_store(d + j, wasm_v128_and(sv, colour));
    } else {
      wasm_v128_store(d + j, blend4Wasm(sv, wasm_v128_load(d + j)));
    }
  }
  for (; j < n; ++j) d[j] = blendWord(Mirror ? s[n - 1 - j] : s[j], d[j]);
}

}  // namespace sprite_blend
