// The blend's SSE2 path on one build, without Google Benchmark (which the WebAssembly build
// lacks): 128-pixel sprites, random alpha and sprite-like, blended into a 1600-word-wide
// target; prints the best nanoseconds per sprite of each. bench/web/compare.sh runs it on
// the desktop (x86's SSE2 kernel) and under node (the WebAssembly SIMD kernel).
#include <cstdio>
#include <vector>

#include "bench/sprite_pictures.h"
#include "bench/timing.h"
#include "game/assets/blend.h"

int main() {
  constexpr int kSize = 128;
  for (bool spriteLike : {false, true}) {
    const std::vector<std::uint32_t> sprite = bench_sprites::makeSprite(kSize, spriteLike);
    std::vector<std::uint32_t> target(std::size_t(bench_sprites::kTargetWidth) * kSize, 0xFF808080u);
    const double ns = bench_timing::bestNsPerCall([&] {
      sprite_blend::blendRect(sprite_blend::BlendPath::kSse2, target.data(), bench_sprites::kTargetWidth,
                              sprite.data(), kSize, kSize, kSize, false);
    });
    std::printf("blend %s: %.0f ns per %dx%d sprite (checksum %08x)\n", spriteLike ? "sprite-like" : "random alpha", ns,
                kSize, kSize, unsigned(target[kSize / 2 * bench_sprites::kTargetWidth + kSize / 2]));
  }
}
