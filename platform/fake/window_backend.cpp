// Headless window backend: opens nothing, never asks to close, keeps its two frame
// buffers in memory (or none, for runs that compose no frames) and counts presented frames.
#include "platform/fake/fake_platform.h"
#include "platform/port/frames.h"
#include "platform/port/window.h"

#include <atomic>
#include <string>
#include <vector>

namespace platform {

struct NativeWindow {
  std::vector<std::uint32_t> frames[2];
};

namespace {
std::atomic<std::uint64_t> framesPresented{0};
std::string nextFailure;
bool keepFrames = true;
}  // namespace

NativeWindow* createNativeWindow(int width, int height, const std::string&, std::string& error) {
  if (!nextFailure.empty()) {
    error = nextFailure;
    nextFailure.clear();
    return nullptr;
  }
  const std::size_t words = keepFrames ? std::size_t(width) * std::size_t(height) : 0;
  return new NativeWindow{{std::vector<std::uint32_t>(words), std::vector<std::uint32_t>(words)}};
}

void destroyNativeWindow(NativeWindow* window) { delete window; }

bool pumpNativeEvents(NativeWindow*) { return false; }

std::uint32_t* nativeFrameBuffer(NativeWindow* window, int index) {
  return window->frames[index].empty() ? nullptr : window->frames[index].data();
}

void presentNativeBuffer(NativeWindow*, int) {
  framesPresented.fetch_add(1, std::memory_order_relaxed);
}

std::string programTitle() { return "dream-arena"; }

bool framesShown() { return keepFrames; }

namespace fake {
std::uint64_t presentedFrames() { return framesPresented.load(std::memory_order_relaxed); }
void failNextWindow(const char* reason) { nextFailure = reason ? reason : ""; }
void keepNoFrames() { keepFrames = false; }
}  // namespace fake

}  // namespace platform
