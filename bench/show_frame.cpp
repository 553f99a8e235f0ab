// What showFrame costs the game thread, against a plain memcpy of the 1600 x 960 frame in
// the same run. Linked with the headless window (bench_show_frame) it measures the game
// thread's side alone; bench_show_frame_sdl runs it on the real window (under xvfb-run),
// with the window thread presenting every frame on the other core.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

#include "graphics/draw.h"
#include "graphics/image.h"
#include "graphics/window.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 960;
constexpr std::size_t kFrameBytes = std::size_t(kWidth) * kHeight * 4;

// The window stays open for the whole program; the first benchmark opens it.
void openWindowOnce() {
  static bool opened = [] {
    gfx::openGraphics(kWidth, kHeight, 0);
    gfx::beginDeferredShow();
    std::uint32_t* pixels = pixelBuffer(nullptr);
    for (int i = 0; i < kWidth * kHeight; ++i) pixels[i] = 0x00102030u + std::uint32_t(i);
    return true;
  }();
  (void)opened;
}

void BM_MemcpyFrame(benchmark::State& state) {
  openWindowOnce();
  const std::uint32_t* source = pixelBuffer(nullptr);
  std::uint32_t* target = gfx::allocatePixelWords(kWidth, kHeight);
  std::memset(target, 0, kFrameBytes);
  for (auto _ : state) {
    std::memcpy(target, source, kFrameBytes);
    benchmark::DoNotOptimize(target);
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kFrameBytes));
  gfx::freePixelWords(target);
}
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMicrosecond);

void BM_ShowFrame(benchmark::State& state) {
  openWindowOnce();
  for (auto _ : state) {
    gfx::showFrame();
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kFrameBytes));
}
BENCHMARK(BM_ShowFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
