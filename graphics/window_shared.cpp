// The graphics window's parts that do not depend on what drives it: the copy of the working
// image into the present buffer the screen is not showing, the present of the newest one,
// the construction and openGraphics / closeGraphics, and the layer's start and shut-down
// (layer_start.h), which make and destroy the window object. Depends on the platform's window
// backend, frame copy and fatal path, and the layer's frame mark and record.
#include <algorithm>
#include <cstring>
#include <string>

#include "graphics/device.h"
#include "graphics/frame_mark.h"
#include "graphics/graphics_state.h"
#include "graphics/layer_start.h"
#include "graphics/window.h"
#include "platform/base/fatal.h"
#include "platform/base/frame_copy.h"
#include "platform/port/window.h"

namespace gfx {

GraphWnd::GraphWnd()
    : IMAGE(0, 0),
      deferring(false),
      nativeWindow_(nullptr),
      threadFailed_(false),
      stopRequested_(false),
      presentBuffers_{nullptr, nullptr},
      frameWidth_(0),
      frameHeight_(0),
      displayIndex_(0),
      framePending_(false),
      ready_(false) {}

GraphWnd::~GraphWnd() { closeWindow(); }

bool GraphWnd::startOpening(int width, int height) {
  if (isOpen()) {
    closeWindow();
    dropLayerReference();
  }
  openError_.clear();
  if (!isPixelSizeAllowed(width, height)) {
    openError_ = "no frame of " + std::to_string(width) + " x " + std::to_string(height) + " pixels can be made";
    return false;
  }
  frameWidth_ = width;
  frameHeight_ = height;
  displayIndex_ = 0;
  framePending_ = false;
  return true;
}

void* GraphWnd::finishOpening(int width, int height) {
  {
    std::lock_guard<std::recursive_mutex> guard(graphicsLock());
    IMAGE::resize(width, height);
  }
  setDrawTarget(nullptr);
  return nativeWindow_;
}

void GraphWnd::stageFrame(int left, int top, int right, int bottom) {
  std::lock_guard<std::mutex> lock(frameMutex_);
  std::uint32_t* staged = presentBuffers_[1 - displayIndex_];
  if (!staged) return;
  int x0 = std::max(0, std::min(left, right));
  int y0 = std::max(0, std::min(top, bottom));
  int x1 = std::min({std::max(left, right), width_ - 1, frameWidth_ - 1});
  int y1 = std::min({std::max(top, bottom), height_ - 1, frameHeight_ - 1});
  bool wholeFrame = x0 == 0 && y0 == 0 && x1 == frameWidth_ - 1 && y1 == frameHeight_ - 1;
  // A pending frame is already the newest picture; otherwise the staged buffer is older
  // than the screen and must first catch up with it.
  if (!framePending_ && !wholeFrame)
    std::memcpy(staged, presentBuffers_[displayIndex_], std::size_t(frameWidth_) * frameHeight_ * 4);
  if (pixels && x0 <= x1 && y0 <= y1) {
    if (wholeFrame && width_ == frameWidth_) {
      platform::streamFrameWords(staged, pixels, std::size_t(frameWidth_) * frameHeight_);
    } else {
      for (int y = y0; y <= y1; ++y)
        std::memcpy(staged + std::size_t(y) * frameWidth_ + x0, pixels + std::size_t(y) * width_ + x0,
                    std::size_t(x1 - x0 + 1) * 4);
    }
  }
  layMark(staged, frameWidth_, frameHeight_);
  framePending_ = true;
}

bool GraphWnd::presentPending(platform::NativeWindow* window) {
  {
    std::lock_guard<std::mutex> lock(frameMutex_);
    if (!framePending_) return false;
    displayIndex_ = 1 - displayIndex_;
    framePending_ = false;
  }
  // Nobody writes the display buffer: the game stages into the other one.
  platform::presentNativeBuffer(window, displayIndex_);
  return true;
}

void startLayer() {
  graphicsState.lock = new std::recursive_mutex;
  graphicsState.currentContext = nullptr;
  graphicsState.imageDevice = new DrawOnImg;
  graphicsState.windowDevice = new DrawOnWnd;
  // The window object's IMAGE part takes its own reference: the count becomes 2.
  graphicsState.window = new GraphWnd;
}

void shutDownLayer() {
  // Destroying the working image drops its reference to 0 without a second shut-down.
  GraphWnd* window = graphicsState.window;
  delete window;
  graphicsState.window = nullptr;
  delete graphicsState.windowDevice;
  graphicsState.windowDevice = nullptr;
  delete graphicsState.imageDevice;
  graphicsState.imageDevice = nullptr;
  graphicsState.currentDevice = nullptr;
  graphicsState.currentTarget = nullptr;
  graphicsState.currentContext = nullptr;
  graphicsState.targetIsWindow = false;
  delete graphicsState.lock;
  graphicsState.lock = nullptr;
}

void* openGraphics(int width, int height, std::uint32_t flags) {
  takeLayerReference();
  void* handle = graphicsState.windowDevice->initWindow(width, height, flags);
  if (!handle) platform::fatalError("cannot open window: " + graphicsState.window->openError() + "\n");
  return handle;
}

void closeGraphics() {
  if (graphicsState.windowDevice) graphicsState.windowDevice->closeWindow();
  dropLayerReference();
}

}  // namespace gfx
