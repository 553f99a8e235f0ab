// The graphics window: GraphWnd is the window's IMAGE (its pixels are the working image)
// plus the native window driven by its own window thread. openGraphics opens it and waits
// until it is shown; closing it by the user ends the process at once with status 0.
// If the window cannot be made, openGraphics prints "cannot open window: <reason>" and
// ends the process with status 1.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "graphics/image.h"

namespace platform {
struct NativeWindow;
}

namespace gfx {

// openGraphics flags. Flags 1, 4 and 8 are accepted and change nothing on this platform.
enum GraphicsFlags : std::uint32_t {
  kShowConsole = 1,
  kNoCloseButton = 2,
  kNoMinimiseButton = 4,
  kDoubleClicks = 8,
};

class GraphWnd : public IMAGE {
 public:
  GraphWnd();
  ~GraphWnd() override;
  void resize(int width, int height) override;

  // Opens the native window (closing a previous one) and waits until it is shown.
  void* openWindow(int width, int height, std::uint32_t flags);
  // Hides and destroys the native window; nothing when none is open.
  void closeWindow();
  // Copies the rectangle (both corners inclusive) of the working image to the screen.
  void flush(int left, int top, int right, int bottom);

  std::atomic<bool> deferring;

 private:
  void windowThreadMain(int width, int height, std::uint32_t flags);

  platform::NativeWindow* nativeWindow_;
  std::thread thread_;
  std::mutex readyMutex_;
  std::condition_variable readyEvent_;
  bool ready_;
  std::atomic<bool> stopRequested_;
};

// Opens the window with a client area of width x height; returns its handle.
void* openGraphics(int width, int height, std::uint32_t flags);

// Closes the window and drops the reference openGraphics took.
void closeGraphics();

}  // namespace gfx
