// The graphics window: GraphWnd is the window's IMAGE (its pixels are the working image)
// plus the native window driven by its own window thread. openGraphics opens it and waits
// until it is shown; closing it by the user ends the process at once with status 0
// (standard output is flushed, no static destructor runs). If the window cannot be made,
// openGraphics prints "cannot open window: <reason>" and ends the process with status 1.
//
// Frames reach the screen through the native window's two frame buffers: showFrame
// copies the working image under the graphics lock into the buffer the window thread is
// not presenting from and wakes the thread, so the game never waits for the display.
// Outside deferred mode the window thread makes such a copy by itself at most every 17 ms.
// The window thread presents the newest frame shown as soon as its last present is done;
// frames shown in between are never put on screen. A mark set by markShownFrames
// (frame_mark.h) is laid over each frame in its buffer, never in the working image.
// The native window's frame buffers keep the size the window was opened with (the platform
// may show them scaled, on a small screen or in fullscreen); a resized working image shows
// the part that fits.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
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

  // Opens the native window (closing a previous one) and waits until it is shown; the
  // working image becomes width x height and the draw target. Null when the window cannot
  // be made; openError() then says why.
  void* openWindow(int width, int height, std::uint32_t flags);
  // Hides and destroys the native window and ends the window thread; nothing when none
  // is open. Game thread only.
  void closeWindow();
  // Copies the rectangle (both corners inclusive) of the working image to the screen:
  // the window thread presents it as soon as it wakes.
  void flush(int left, int top, int right, int bottom);

  bool isOpen() const { return nativeWindow_ != nullptr; }
  const std::string& openError() const { return openError_; }

  // Deferred mode: the window thread copies nothing by itself. Read without the lock.
  std::atomic<bool> deferring;

 private:
  void windowThreadMain(int width, int height, std::uint32_t flags, std::string title);
  // Copies the rectangle of the working image into the buffer the window thread is not
  // presenting from and marks it pending. Under the graphics lock.
  void stageFrame(int left, int top, int right, int bottom);
  // Presents the pending frame, if any; true when it did. Window thread only.
  bool presentPending(platform::NativeWindow* window);
  // The two ends of openWindow that do not depend on what drives the window: the start
  // closes an open window and checks the size (false, with openError_, for one no frame can
  // have); the end sizes the working image to the window and draws on it.
  bool startOpening(int width, int height);
  void* finishOpening(int width, int height);

  platform::NativeWindow* nativeWindow_;
  std::thread thread_;
  std::string openError_;
  bool threadFailed_;
  std::atomic<bool> stopRequested_;

  // The native window's frame buffers, frameWidth_ x frameHeight_ each, guarded by
  // frameMutex_ (the window thread presents presentBuffers_[displayIndex_] without it:
  // nobody writes that one). Null while no window is open.
  std::uint32_t* presentBuffers_[2];
  int frameWidth_;
  int frameHeight_;
  int displayIndex_;
  bool framePending_;
  bool ready_;
  std::mutex frameMutex_;
  std::condition_variable readyEvent_;  // the window thread has made its window, or failed
  std::condition_variable frameEvent_;  // wakes the window thread: frame pending, stop
};

// Opens the window with a client area of width x height; returns its handle.
void* openGraphics(int width, int height, std::uint32_t flags);

// Closes the window and drops the reference openGraphics took.
void closeGraphics();

}  // namespace gfx
