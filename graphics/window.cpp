// The graphics window driven by a window thread: GraphWnd's native window, the thread (event
// pump, present, the automatic copy outside deferred mode) and the present buffers. Depends
// on the platform's window backend, clock and the layer's record.
#include "graphics/window.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "graphics/graphics_state.h"
#include "platform/port/window.h"
#include "platform/seam/clock.h"
#include "platform/seam/frame_pacing.h"

namespace gfx {
namespace {

constexpr std::uint64_t kAutoCopyIntervalMs = 16;  // a copy when more than this has passed
constexpr auto kRestAfter = std::chrono::milliseconds(200);  // no frame for this long: resting
constexpr auto kRestingWait = std::chrono::milliseconds(16);

// The user closed the window: end the process now. This runs on the window thread while the
// main thread may still be drawing, so it cannot take the fatal path's exit: static
// destructors would free the images and buffers the main thread is using. Hence _exit.
[[noreturn]] void endProcessOnClose() {
  std::fflush(stdout);
  _exit(0);
}

}  // namespace

void* GraphWnd::openWindow(int width, int height, std::uint32_t flags) {
  if (!startOpening(width, height)) return nullptr;
  ready_ = false;
  threadFailed_ = false;
  stopRequested_ = false;
  thread_ = std::thread(&GraphWnd::windowThreadMain, this, width, height, flags, platform::programTitle());
  {
    std::unique_lock<std::mutex> lock(frameMutex_);
    readyEvent_.wait(lock, [this] { return ready_; });
  }
  if (threadFailed_) {
    thread_.join();
    return nullptr;
  }
  return finishOpening(width, height);
}

void GraphWnd::closeWindow() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(frameMutex_);
    stopRequested_ = true;
  }
  frameEvent_.notify_all();
  thread_.join();
  nativeWindow_ = nullptr;
}

void GraphWnd::flush(int left, int top, int right, int bottom) {
  if (!isOpen()) return;
  {
    std::lock_guard<std::recursive_mutex> guard(graphicsLock());
    stageFrame(left, top, right, bottom);
  }
  frameEvent_.notify_one();
}

void GraphWnd::windowThreadMain(int width, int height, std::uint32_t flags, std::string title) {
  std::string error;
  platform::NativeWindow* window = platform::createNativeWindow(width, height, title, error);
  {
    std::lock_guard<std::mutex> lock(frameMutex_);
    nativeWindow_ = window;
    for (int index = 0; index < 2; ++index)
      presentBuffers_[index] = window ? platform::nativeFrameBuffer(window, index) : nullptr;
    threadFailed_ = window == nullptr;
    openError_ = error;
    ready_ = true;
  }
  readyEvent_.notify_all();
  if (!window) return;

  std::uint64_t last = platform::tickCount();
  auto lastFrame = std::chrono::steady_clock::now();
  while (!stopRequested_.load()) {
    if (platform::pumpNativeEvents(window) && !(flags & kNoCloseButton)) endProcessOnClose();
    if (!deferring.load(std::memory_order_relaxed)) {
      std::uint64_t now = platform::tickCount();
      if (now - last > kAutoCopyIntervalMs) {
        last = now;
        std::lock_guard<std::recursive_mutex> guard(graphicsLock());
        if (!deferring.load(std::memory_order_relaxed)) stageFrame(0, 0, frameWidth_ - 1, frameHeight_ - 1);
      }
    }
    // The newest staged frame goes out as soon as the last present has finished; frames the
    // game showed in between are skipped, so the game never waits for the display.
    presentPending(window);
    // A game that has shown nothing for a while (paused, or its window minimised) is resting:
    // the thread then looks for events every 16 ms instead of every millisecond (every 4 when
    // play is paced to the display).
    const auto now = std::chrono::steady_clock::now();
    const bool resting = deferring.load(std::memory_order_relaxed) && now - lastFrame > kRestAfter;
    std::unique_lock<std::mutex> lock(frameMutex_);
    frameEvent_.wait_for(lock, resting ? kRestingWait : std::chrono::milliseconds(platform::eventPollMs()),
                         [&] { return stopRequested_.load() || framePending_; });
    if (framePending_) lastFrame = std::chrono::steady_clock::now();
  }
  {
    std::lock_guard<std::mutex> lock(frameMutex_);
    presentBuffers_[0] = presentBuffers_[1] = nullptr;
  }
  platform::destroyNativeWindow(window);
}

}  // namespace gfx
