// The blend's AVX2 kernels, one file per build picked at link time: blend_avx2.cpp on x86,
// blend_avx2_none.cpp elsewhere (WebAssembly), where the CPU never offers them.
#pragma once
#include <cstdint>

namespace sprite_blend {

using RowFunction = void (*)(std::uint32_t*, const std::uint32_t*, int);

// The AVX2 row kernel, read right to left when mirrored; call only when avx2Available().
RowFunction avx2Row(bool mirrored);

}  // namespace sprite_blend
