// xwin: what the whole-program scripts need from the X display, through the window tests'
// Xlib helpers.
//   xwin wait TITLE [MS]                 wait for the window; print its id (exit 2: none)
//   xwin close TITLE [MS]                send WM_DELETE_WINDOW, as a window manager's close button
//   xwin pixel TITLE X Y [X Y ...]       print each client pixel as RRGGBB
//   xwin waitpixel TITLE X Y RRGGBB MS   wait until that pixel has that colour (exit 3: it never did;
//                                        the last colour seen is printed)
//   xwin waitcount TITLE L T R B RRGGBB N MS
//                                        wait until the box holds at least N pixels of that colour
//                                        (exit 3: it never did; the last count is printed)
// Exit 1 when the display cannot be opened.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "x11_probe.h"

#include <X11/Xutil.h>

namespace {

bool pixelAt(::Display* display, Window window, int x, int y, unsigned& colour) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) || x >= attributes.width || y >= attributes.height) return false;
  XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return false;
  colour = unsigned(XGetPixel(image, 0, 0)) & 0xFFFFFFu;
  XDestroyImage(image);
  return true;
}

int swallowErrors(::Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: xwin wait|close|pixel|waitpixel TITLE ...\n");
    return 64;
  }
  ::Display* display = x11probe::display();
  if (!display) {
    std::fprintf(stderr, "xwin: cannot open the display\n");
    return 1;
  }
  XSetErrorHandler(swallowErrors);  // the window may vanish between two requests
  const std::string command = argv[1], title = argv[2];
  const int waitMs = (command == "wait" || command == "close") && argc > 3 ? std::atoi(argv[3]) : 10000;
  Window window = x11probe::waitForWindow(display, title, waitMs);
  if (!window) {
    std::fprintf(stderr, "xwin: no window titled \"%s\"\n", title.c_str());
    return 2;
  }
  if (command == "wait") {
    std::printf("%lu\n", window);
    return 0;
  }
  if (command == "close") {
    x11probe::requestClose(display, window);
    return 0;
  }
  if (command == "pixel") {
    for (int i = 3; i + 1 < argc; i += 2) {
      unsigned colour = 0;
      if (!pixelAt(display, window, std::atoi(argv[i]), std::atoi(argv[i + 1]), colour)) return 2;
      std::printf("%06X%s", colour, i + 3 < argc ? " " : "\n");
    }
    return 0;
  }
  if (command == "waitpixel" && argc == 7) {
    const int x = std::atoi(argv[3]), y = std::atoi(argv[4]);
    const unsigned want = unsigned(std::strtoul(argv[5], nullptr, 16));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::atoi(argv[6]));
    unsigned colour = 0;
    for (;;) {
      if (pixelAt(display, window, x, y, colour) && colour == want) return 0;
      if (std::chrono::steady_clock::now() > deadline) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::printf("%06X\n", colour);
    return 3;
  }
  if (command == "waitcount" && argc == 10) {
    const int left = std::atoi(argv[3]), top = std::atoi(argv[4]), right = std::atoi(argv[5]), bottom = std::atoi(argv[6]);
    const unsigned want = unsigned(std::strtoul(argv[7], nullptr, 16));
    const long needed = std::atol(argv[8]);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::atoi(argv[9]));
    long count = 0;
    for (;;) {
      count = 0;
      if (XImage* image = XGetImage(display, window, left, top, unsigned(right - left), unsigned(bottom - top), AllPlanes, ZPixmap)) {
        for (int y = 0; y < bottom - top; ++y)
          for (int x = 0; x < right - left; ++x) count += (unsigned(XGetPixel(image, x, y)) & 0xFFFFFFu) == want;
        XDestroyImage(image);
      }
      if (count >= needed) return 0;
      if (std::chrono::steady_clock::now() > deadline) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::printf("%ld\n", count);
    return 3;
  }
  std::fprintf(stderr, "xwin: unknown command %s\n", command.c_str());
  return 64;
}
