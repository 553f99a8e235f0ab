// Headless window backend: opens nothing, never asks to close, counts presented frames.
#include "platform/fake/fake_platform.h"
#include "platform/window_backend.h"

#include <atomic>
#include <string>

namespace platform {

struct NativeWindow {
  int width = 0;
  int height = 0;
};

namespace {
std::atomic<std::uint64_t> framesPresented{0};
std::string nextFailure;
}  // namespace

NativeWindow* createNativeWindow(int width, int height, const std::string&, std::string& error) {
  if (!nextFailure.empty()) {
    error = nextFailure;
    nextFailure.clear();
    return nullptr;
  }
  return new NativeWindow{width, height};
}

void destroyNativeWindow(NativeWindow* window) { delete window; }

bool pumpNativeEvents(NativeWindow*) { return false; }

void presentNativeFrame(NativeWindow*, const std::uint32_t*, int, int) {
  framesPresented.fetch_add(1, std::memory_order_relaxed);
}

std::string programTitle() { return "dream-arena"; }

namespace fake {
std::uint64_t presentedFrames() { return framesPresented.load(std::memory_order_relaxed); }
void failNextWindow(const char* reason) { nextFailure = reason ? reason : ""; }
}  // namespace fake

}  // namespace platform
