// One world update (updateTick, with the player) of the busy scene of bench/scene.h: the
// scene is rebuilt and the clock moved 11 ms before every timed update, outside the timing.
// For scale, also reported against a hot memcpy of the 1600 x 960 frame.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/scene.h"
#include "bench/timing.h"
#include "game/shell/update_tick.h"
#include "platform/fake/fake_platform.h"

namespace {

void BM_UpdateTickBusyScene(benchmark::State& state) {
  std::string why;
  if (!bench_scene::openGame(why)) {
    state.SkipWithError(why.c_str());
    return;
  }
  double totalNs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    bench_scene::buildBusyScene();
    platform::fake::advanceTicks(11);
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    updateTick(true);
    totalNs += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
  }
  const double updateNs = totalNs / double(state.iterations());
  state.counters["update_us"] = updateNs / 1e3;
  state.counters["ratio_to_memcpy"] = updateNs / bench_timing::frameMemcpyNs();
}

BENCHMARK(BM_UpdateTickBusyScene)->Unit(benchmark::kMicrosecond);

}  // namespace
