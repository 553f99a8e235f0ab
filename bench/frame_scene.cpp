// drawFrame of the busy scene (bench/scene.h) on the headless window, against a hot memcpy
// of the 1600 x 960 frame measured in the same run ("ratio_to_memcpy", best of seven
// alternating rounds each); drawFrame followed by showFrame; and the heap allocations per frame in the steady
// state, counted over every thread of the process.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/heap_counter.h"
#include "bench/scene.h"
#include "bench/timing.h"
#include "game/render/frame.h"
#include "game/shell/frame.h"
#include "game/shell/screens.h"
#include "platform/fake/fake_platform.h"

namespace {

bool prepare(benchmark::State& state) {
  std::string why;
  if (!bench_scene::openGame(why)) {
    state.SkipWithError(why.c_str());
    return false;
  }
  bench_scene::buildBusyScene();
  drawFrame();
  return true;
}

void BM_FrameMemcpy(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(bench_timing::frameMemcpyNs());
}

void BM_DrawFrameBusyScene(benchmark::State& state) {
  if (!prepare(state)) return;
  for (auto _ : state) drawFrame();
  double copyNs = 0;
  const double frameNs = bench_timing::bestNsAgainstMemcpy([] { drawFrame(); }, copyNs);
  state.counters["best_frame_us"] = frameNs / 1e3;
  state.counters["memcpy_us"] = copyNs / 1e3;
  state.counters["ratio_to_memcpy"] = frameNs / copyNs;
}

void BM_DrawAndShowFrameBusyScene(benchmark::State& state) {
  if (!prepare(state)) return;
  for (auto _ : state) {
    drawFrame();
    gfx::showFrame();
  }
  double copyNs = 0;
  const double frameNs = bench_timing::bestNsAgainstMemcpy(
      [] {
        drawFrame();
        gfx::showFrame();
      },
      copyNs);
  state.counters["best_frame_us"] = frameNs / 1e3;
  state.counters["memcpy_us"] = copyNs / 1e3;
  state.counters["ratio_to_memcpy"] = frameNs / copyNs;
}

// Steady state: after warm-up frames, count every allocation of drawFrame + showFrame, and
// separately of whole playing passes with the clock moving 11 ms a pass (updates included:
// shots and meat are allocated one by one by the game's rules when they come into being).
void BM_AllocationsPerFrame(benchmark::State& state) {
  if (!prepare(state)) return;
  constexpr int kFrames = 200;
  for (int i = 0; i < 50; ++i) {
    drawFrame();
    gfx::showFrame();
  }
  std::uint64_t frameAllocations = 0, frames = 0;
  for (auto _ : state) {
    heap_counter::startCounting();
    for (int i = 0; i < kFrames; ++i) {
      drawFrame();
      gfx::showFrame();
    }
    frameAllocations += heap_counter::stopCounting();
    frames += kFrames;
  }
  bench_scene::buildBusyScene();
  RoundTimer timer;
  for (int i = 0; i < 50; ++i) {
    platform::fake::advanceTicks(11);
    playingPass(timer);
  }
  heap_counter::startCounting();
  for (int i = 0; i < kFrames; ++i) {
    platform::fake::advanceTicks(11);
    playingPass(timer);
  }
  const std::uint64_t passAllocations = heap_counter::stopCounting();
  state.counters["allocations_per_frame"] = double(frameAllocations) / double(frames);
  state.counters["allocations_per_pass_with_update"] = double(passAllocations) / kFrames;
}

BENCHMARK(BM_FrameMemcpy)->Unit(benchmark::kMicrosecond)->Iterations(3);
BENCHMARK(BM_DrawFrameBusyScene)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawAndShowFrameBusyScene)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AllocationsPerFrame)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
