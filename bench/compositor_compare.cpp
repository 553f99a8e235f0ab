// Sprite blending against a well-kept compositor: the game's fast path (AVX2 or SSE2), its
// scalar reference and pixman's OVER (on a premultiplied copy of the sprite, made outside
// the timing) on 64, 128 and 256 pixel square sprites drawn into a 1600-word-wide target,
// for random alpha and for sprite-like pictures (opaque disc, soft edge, transparent
// outside). BM_Compare reports the best of five interleaved rounds of all three in the same
// run: "speedup_vs_pixman" (pixman time / fast time) and "speedup_vs_scalar".
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "bench/sprite_pictures.h"
#include "bench/timing.h"
#include "game/assets/blend.h"

namespace {

using sprite_blend::BlendPath;
using bench_sprites::kTargetWidth;
using bench_sprites::makeSprite;

std::vector<std::uint32_t> premultiplied(const std::vector<std::uint32_t>& straight) {
  std::vector<std::uint32_t> out(straight.size());
  for (std::size_t i = 0; i < straight.size(); ++i) {
    const std::uint32_t s = straight[i], a = s >> 24;
    std::uint32_t p = a << 24;
    for (int shift = 0; shift < 24; shift += 8) p |= ((((s >> shift) & 0xFF) * a + 127) / 255) << shift;
    out[i] = p;
  }
  return out;
}

// One sprite size and kind with the three blenders ready to run on their own targets.
struct Case {
  int size;
  std::vector<std::uint32_t> sprite, spritePremultiplied, target, pixmanTarget;
  pixman_image_t* pixmanSource = nullptr;
  pixman_image_t* pixmanDestination = nullptr;

  Case(int s, bool spriteLike)
      : size(s),
        sprite(makeSprite(s, spriteLike)),
        spritePremultiplied(premultiplied(sprite)),
        target(std::size_t(kTargetWidth) * s, 0x00808080u),
        pixmanTarget(target) {
    pixmanSource = pixman_image_create_bits(PIXMAN_a8r8g8b8, s, s, spritePremultiplied.data(), s * 4);
    pixmanDestination = pixman_image_create_bits(PIXMAN_x8r8g8b8, kTargetWidth, s, pixmanTarget.data(), kTargetWidth * 4);
  }
  ~Case() {
    pixman_image_unref(pixmanSource);
    pixman_image_unref(pixmanDestination);
  }

  void blend(BlendPath path) {
    sprite_blend::blendRect(path, target.data(), kTargetWidth, sprite.data(), size, size, size, false);
    benchmark::ClobberMemory();
  }
  void pixmanOver() {
    pixman_image_composite32(PIXMAN_OP_OVER, pixmanSource, nullptr, pixmanDestination, 0, 0, 0, 0, 0, 0, size, size);
    benchmark::ClobberMemory();
  }
};

void BM_Compare(benchmark::State& state) {
  Case c(int(state.range(0)), state.range(1) != 0);
  const BlendPath fast = sprite_blend::fastestPath();
  for (auto _ : state) c.blend(fast);
  double fastNs = 1e300, scalarNs = 1e300, pixmanNs = 1e300;
  for (int round = 0; round < 5; ++round) {
    fastNs = std::min(fastNs, bench_timing::bestNsPerCall([&] { c.blend(fast); }, 1, 15));
    scalarNs = std::min(scalarNs, bench_timing::bestNsPerCall([&] { c.blend(BlendPath::kScalar); }, 1, 15));
    pixmanNs = std::min(pixmanNs, bench_timing::bestNsPerCall([&] { c.pixmanOver(); }, 1, 15));
  }
  state.counters["fast_ns"] = fastNs;
  state.counters["scalar_ns"] = scalarNs;
  state.counters["pixman_ns"] = pixmanNs;
  state.counters["speedup_vs_pixman"] = pixmanNs / fastNs;
  state.counters["speedup_vs_scalar"] = scalarNs / fastNs;
  state.SetLabel(state.range(1) ? "sprite-like" : "random alpha");
}

void BM_BlendFast(benchmark::State& state) {
  Case c(int(state.range(0)), state.range(1) != 0);
  for (auto _ : state) c.blend(sprite_blend::fastestPath());
  state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(0) * 4);
}

void BM_BlendScalar(benchmark::State& state) {
  Case c(int(state.range(0)), state.range(1) != 0);
  for (auto _ : state) c.blend(BlendPath::kScalar);
  state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(0) * 4);
}

void BM_PixmanOver(benchmark::State& state) {
  Case c(int(state.range(0)), state.range(1) != 0);
  for (auto _ : state) c.pixmanOver();
  state.SetBytesProcessed(state.iterations() * state.range(0) * state.range(0) * 4);
}

// Arguments: sprite side, then 0 for random alpha or 1 for sprite-like.
void sizesAndKinds(benchmark::internal::Benchmark* b) {
  for (int kind : {0, 1})
    for (int size : {64, 128, 256}) b->Args({size, kind});
}

BENCHMARK(BM_Compare)->Apply(sizesAndKinds);
BENCHMARK(BM_BlendFast)->Apply(sizesAndKinds);
BENCHMARK(BM_BlendScalar)->Apply(sizesAndKinds);
BENCHMARK(BM_PixmanOver)->Apply(sizesAndKinds);

}  // namespace
