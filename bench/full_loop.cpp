// The whole frame path in the real SDL window (run under Xvfb: xvfb-run -a): the playing
// loop on the real clock (update when due, drawFrame, showFrame) over the busy scene of
// bench/scene.h, counting the frames that reach the screen, against a bare present loop of
// a window of the same size and backend in the same run ("ratio_to_bare_present").
// Frames on screen are counted by wrapping the backend's present at link time. The window
// thread skips frames shown while it was presenting, so "loop_ratio_to_bare_present" also
// compares the loop's passes (each composes a whole frame and hands it to showFrame) with
// the bare presents. A bare present copies a frame from memory into a frame buffer of the
// window and puts it on screen: the same two steps a game frame takes after drawFrame.
// On a screen too small for a 1600 x 960 window (xvfb-run -a -s "-screen 0 1366x768x24")
// both windows open at the same smaller size and every present is scaled: the same ratios
// then set the scaled loop against a bare scaled present. "client_width" and
// "client_height" say which it was.
// Without a display it says so and exits 0 without measuring.
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/scene.h"
#include "game/render/frame.h"
#include "game/shell/frame.h"
#include "game/shell/screens.h"
#include "platform/base/frame_copy.h"
#include "platform/port/window.h"
#include "tests/window/x11_probe.h"

namespace {

std::atomic<std::uint64_t> presents{0};
std::atomic<std::uint64_t> presentNs{0};  // time spent in the backend's present

}  // namespace

extern "C" {
void __real__ZN8platform19presentNativeBufferEPNS_12NativeWindowEi(platform::NativeWindow* window, int index);

void __wrap__ZN8platform19presentNativeBufferEPNS_12NativeWindowEi(platform::NativeWindow* window, int index) {
  const auto start = std::chrono::steady_clock::now();
  __real__ZN8platform19presentNativeBufferEPNS_12NativeWindowEi(window, index);
  presentNs.fetch_add(std::uint64_t(std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count()),
                      std::memory_order_relaxed);
  presents.fetch_add(1, std::memory_order_relaxed);
}
}

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kRunSeconds = 3.0;
constexpr int kWidth = 1600, kHeight = 960;

double secondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Frames per second of present alone: a window of the same size, one frame word-for-word
// of the game's layout copied into the window's frame buffers in turn and put on screen as
// fast as the backend allows.
double barePresentFps(std::string& why, double& presentMs) {
  platform::NativeWindow* window = platform::createNativeWindow(kWidth, kHeight, "bench-bare-present", why);
  if (!window) return 0;
  std::vector<std::uint32_t> frame(std::size_t(kWidth) * kHeight);
  for (std::size_t i = 0; i < frame.size(); ++i) frame[i] = std::uint32_t(i * 2654435761u) & 0xFFFFFFu;
  auto presentCopy = [&](std::uint64_t n) {
    std::uint32_t* buffer = platform::nativeFrameBuffer(window, int(n % 2));
    platform::streamFrameWords(buffer, frame.data(), frame.size());
    platform::presentNativeBuffer(window, int(n % 2));
  };
  for (int i = 0; i < 10; ++i) presentCopy(std::uint64_t(i));
  std::uint64_t count = 0;
  const std::uint64_t presentsBefore = presents.load(), nsBefore = presentNs.load();
  const auto start = Clock::now();
  while (secondsSince(start) < kRunSeconds) {
    platform::pumpNativeEvents(window);
    frame[count % frame.size()] ^= 0xFFFFFF;
    presentCopy(count);
    ++count;
  }
  const double fps = double(count) / secondsSince(start);
  presentMs = double(presentNs.load() - nsBefore) / 1e6 / double(presents.load() - presentsBefore);
  platform::destroyNativeWindow(window);
  return fps;
}

// The game window's client size, read from the X server.
void gameClientSize(int& width, int& height) {
  width = height = 0;
  ::Display* display = x11probe::display();
  if (!display) return;
  const Window window = x11probe::findWindowByTitle(display, platform::programTitle());
  XWindowAttributes attributes{};
  if (window && XGetWindowAttributes(display, window, &attributes)) {
    width = attributes.width;
    height = attributes.height;
  }
}

void BM_FullLoopInWindow(benchmark::State& state) {
  std::string why;
  double bareFps = 0, passesPerSecond = 0, screenFps = 0, barePresentMs = 0, loopPresentMs = 0;
  int clientWidth = 0, clientHeight = 0;
  for (auto _ : state) {
    bareFps = barePresentFps(why, barePresentMs);
    if (bareFps == 0) {
      state.SkipWithError(("no window for the bare present loop: " + why).c_str());
      return;
    }
    if (!bench_scene::openGame(why)) {
      state.SkipWithError(why.c_str());
      return;
    }
    bench_scene::buildBusyScene();
    RoundTimer timer;
    for (int i = 0; i < 20; ++i) playingPass(timer);
    gameClientSize(clientWidth, clientHeight);
    const std::uint64_t presentsBefore = presents.load(), nsBefore = presentNs.load();
    std::uint64_t passes = 0;
    const auto start = Clock::now();
    auto lastRebuild = start;
    while (secondsSince(start) < kRunSeconds) {
      // Shots leave the field and bombs burn out: renew the busy scene four times a second.
      if (secondsSince(lastRebuild) > 0.25) {
        bench_scene::buildBusyScene();
        lastRebuild = Clock::now();
      }
      updateIfDue(timer, true);
      drawFrame();
      gfx::showFrame();
      ++passes;
    }
    const double seconds = secondsSince(start);
    passesPerSecond = double(passes) / seconds;
    screenFps = double(presents.load() - presentsBefore) / seconds;
    loopPresentMs = double(presentNs.load() - nsBefore) / 1e6 / double(presents.load() - presentsBefore);
  }
  state.counters["bare_present_fps"] = bareFps;
  state.counters["loop_passes_per_s"] = passesPerSecond;
  state.counters["frames_on_screen_per_s"] = screenFps;
  state.counters["ratio_to_bare_present"] = screenFps / bareFps;
  state.counters["loop_ratio_to_bare_present"] = passesPerSecond / bareFps;
  state.counters["present_ms_bare"] = barePresentMs;
  state.counters["present_ms_in_loop"] = loopPresentMs;
  state.counters["client_width"] = clientWidth;
  state.counters["client_height"] = clientHeight;
}

BENCHMARK(BM_FullLoopInWindow)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) {
    std::puts("bench_full_loop: skipped: no display (DISPLAY is not set); run it with xvfb-run -a");
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
