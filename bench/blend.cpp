// Sprite blending throughput: the SIMD path and the scalar reference on 64, 128 and 256
// pixel square sprites drawn into a 1600-word-wide target, for random alpha and for
// sprite-like pictures (bench/sprite_pictures.h). Each run also times a plain memcpy of the
// sprite's bytes and reports the blend time over it ("x_memcpy").
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

#include "bench/sprite_pictures.h"
#include "game/assets/blend.h"

namespace {

using sprite_blend::BlendPath;
using bench_sprites::kTargetWidth;
using bench_sprites::makeSprite;

double memcpyNanoseconds(int size, std::int64_t repetitions) {
  std::vector<std::uint32_t> from(std::size_t(size) * size, 0x12345678u), to(from.size());
  const auto start = std::chrono::steady_clock::now();
  for (std::int64_t i = 0; i < repetitions; ++i) {
    std::memcpy(to.data(), from.data(), from.size() * 4);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() /
         double(repetitions);
}

void blendBench(benchmark::State& state, BlendPath path, bool spriteLike) {
  const int size = int(state.range(0));
  const std::vector<std::uint32_t> sprite = makeSprite(size, spriteLike);
  std::vector<std::uint32_t> target(std::size_t(kTargetWidth) * size, 0xFF808080u);
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    sprite_blend::blendRect(path, target.data(), kTargetWidth, sprite.data(), size, size, size, false);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  const double blendNs = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() /
                         double(state.iterations());
  state.counters["x_memcpy"] = blendNs / memcpyNanoseconds(size, std::max<std::int64_t>(state.iterations(), 1000));
  state.SetBytesProcessed(state.iterations() * std::int64_t(size) * size * 4);
}

void BM_BlendFastRandomAlpha(benchmark::State& s) { blendBench(s, sprite_blend::fastestPath(), false); }
void BM_BlendScalarRandomAlpha(benchmark::State& s) { blendBench(s, BlendPath::kScalar, false); }
void BM_BlendFastSpriteLike(benchmark::State& s) { blendBench(s, sprite_blend::fastestPath(), true); }
void BM_BlendScalarSpriteLike(benchmark::State& s) { blendBench(s, BlendPath::kScalar, true); }
void BM_BlendSse2RandomAlpha(benchmark::State& s) { blendBench(s, BlendPath::kSse2, false); }

BENCHMARK(BM_BlendFastRandomAlpha)->Arg(64)->Arg(128)->Arg(256);
BENCHMARK(BM_BlendScalarRandomAlpha)->Arg(64)->Arg(128)->Arg(256);
BENCHMARK(BM_BlendFastSpriteLike)->Arg(64)->Arg(128)->Arg(256);
BENCHMARK(BM_BlendScalarSpriteLike)->Arg(64)->Arg(128)->Arg(256);
BENCHMARK(BM_BlendSse2RandomAlpha)->Arg(64)->Arg(128)->Arg(256);

}  // namespace
