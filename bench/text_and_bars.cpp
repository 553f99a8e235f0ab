// The game's own game-over texts and four status bars (full) drawn into the 1600 x 960
// working image (headless window of the fake platform), against a memcpy of the whole frame.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "game/render/status_bars.h"
#include "game/shell/screens.h"
#include "game/shell/startup.h"
#include "game/world/game_state.h"
#include "graphics/draw.h"
#include "graphics/image.h"
#include "graphics/window.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 960;

// Opens the working image once with the game's start-up text settings.
void openOnce() {
  static bool open = false;
  if (open) return;
  gfx::openGraphics(kWidth, kHeight, 0);
  applyTextSettings();
  // Full bars: the widest each can be.
  player.hitPoints = 50;
  player.ammo = 30;
  player.energy = 150;
  player.specialCooldown = 60;
  open = true;
}

void BM_GameOverText(benchmark::State& state) {
  openOnce();
  drawGameOverTexts();  // fills the glyph cache
  for (auto _ : state) {
    drawGameOverTexts();
    benchmark::DoNotOptimize(pixelBuffer(nullptr)[0]);
  }
}
BENCHMARK(BM_GameOverText);

void BM_StatusBars(benchmark::State& state) {
  openOnce();
  for (auto _ : state) {
    drawStatusBars();
    benchmark::DoNotOptimize(pixelBuffer(nullptr)[0]);
  }
}
BENCHMARK(BM_StatusBars);

void BM_TextAndBars(benchmark::State& state) {
  openOnce();
  drawGameOverTexts();
  for (auto _ : state) {
    drawGameOverTexts();
    drawStatusBars();
    benchmark::DoNotOptimize(pixelBuffer(nullptr)[0]);
  }
}
BENCHMARK(BM_TextAndBars);

void BM_FrameMemcpy(benchmark::State& state) {
  openOnce();
  std::vector<std::uint32_t> copy(std::size_t(kWidth) * kHeight);
  const std::uint32_t* frame = pixelBuffer(nullptr);
  for (auto _ : state) {
    std::memcpy(copy.data(), frame, copy.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * std::int64_t(copy.size() * sizeof(std::uint32_t)));
}
BENCHMARK(BM_FrameMemcpy);

}  // namespace
