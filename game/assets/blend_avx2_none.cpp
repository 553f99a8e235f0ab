// A build without x86's AVX2 (WebAssembly): the AVX2 path is never available, so the blend
// takes its SSE2 kernels.
#include "game/assets/blend.h"
#include "game/assets/blend_avx2.h"
#include "game/assets/blend_sse2.h"

namespace sprite_blend {

bool avx2Available() { return false; }

RowFunction avx2Row(bool mirrored) { return mirrored ? rowSse2<true> : rowSse2<false>; }

}  // namespace sprite_blend
