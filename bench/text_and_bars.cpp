// The game-over screen's text and the four status bars drawn into the 1600 x 960 working
// image (headless window of the fake platform), against a memcpy of the whole frame.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

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
  gfx::setBackColour(0xFFFFFF);
  gfx::setFont(100, 0, "Consolas");
  gfx::setTextColour(0xFF9600);
  open = true;
}

void drawGameOverText() {
  gfx::drawText(450, 192, "Another Dream?");
  gfx::drawText(275, 384, "Click to dream again.");
  gfx::drawText(450, 576, "Enter to exit.");
  gfx::setFont(50, 0, "Consolas");
  gfx::drawText(375, 768, "Or close the window yourself(doge)");
  gfx::setFont(100, 0, "Consolas");
}

void drawStatusBars() {
  gfx::setFillColour(0x0000FF);
  gfx::drawRectangle(100, 810, 600, 840);
  gfx::setFillColour(0x00FF00);
  gfx::drawRectangle(100, 860, 600, 890);
  gfx::setFillColour(0xFF0000);
  gfx::drawRectangle(100, 910, 600, 940);
  gfx::setFillColour(0x00FFFF);
  gfx::drawRectangle(1000, 910, 1500, 940);
}

void BM_GameOverText(benchmark::State& state) {
  openOnce();
  drawGameOverText();  // fills the glyph cache
  for (auto _ : state) {
    drawGameOverText();
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
  drawGameOverText();
  for (auto _ : state) {
    drawGameOverText();
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
