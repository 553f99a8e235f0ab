// Xlib helpers of the window tests (see x11_probe.h).
#include "x11_probe.h"

#include <X11/Xutil.h>

#include <chrono>
#include <cstring>
#include <deque>
#include <thread>

namespace x11probe {

::Display* display() {
  static ::Display* connection = XOpenDisplay(nullptr);
  return connection;
}

Window findWindowByTitle(::Display* display, const std::string& title) {
  std::deque<Window> queue{DefaultRootWindow(display)};
  while (!queue.empty()) {
    Window window = queue.front();
    queue.pop_front();
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
      bool match = title == name;
      XFree(name);
      if (match) return window;
    }
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
      for (unsigned i = 0; i < count; ++i) queue.push_back(children[i]);
      if (children) XFree(children);
    }
  }
  return 0;
}

Window waitForWindow(::Display* display, const std::string& title, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    if (Window window = findWindowByTitle(display, title)) return window;
    if (std::chrono::steady_clock::now() > deadline) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::vector<std::uint32_t> readPixels(::Display* display, Window window, int width, int height) {
  XImage* image = XGetImage(display, window, 0, 0, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
  std::vector<std::uint32_t> words;
  if (!image) return words;
  words.reserve(std::size_t(width) * height);
  bool plainWords = image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
  for (int y = 0; y < height; ++y) {
    const char* row = image->data + std::size_t(y) * image->bytes_per_line;
    for (int x = 0; x < width; ++x) {
      std::uint32_t word = 0;
      if (plainWords)
        std::memcpy(&word, row + std::size_t(x) * 4, 4);
      else
        word = std::uint32_t(XGetPixel(image, x, y));
      words.push_back(word & 0x00FFFFFFu);
    }
  }
  XDestroyImage(image);
  return words;
}

void requestClose(::Display* display, Window window) {
  XEvent event;
  std::memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  // Wait until the server has taken the request: a caller that exits at once must not
  // leave it unsent behind a closing connection.
  XSync(display, False);
}

}  // namespace x11probe
