// A small program on the real SDL window, started by the window tests for the cases that
// end the process. Modes:
//   window_child show FLAGS  opens the window with FLAGS, shows a grey frame, prints "ready",
//                            leaves "tail without newline" in the stdout buffer, then keeps
//                            showing frames until something ends it.
//   window_child open        opens the window and prints "opened" (with no display it never does).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "graphics/draw.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/seam/clock.h"

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "open") == 0) {
    gfx::openGraphics(1600, 960, 0);
    std::printf("opened\n");
    return 0;
  }
  if (argc >= 3 && std::strcmp(argv[1], "show") == 0) {
    gfx::openGraphics(1600, 960, std::uint32_t(std::strtoul(argv[2], nullptr, 0)));
    gfx::beginDeferredShow();
    std::uint32_t* pixels = pixelBuffer(nullptr);
    for (int i = 0; i < 1600 * 960; ++i) pixels[i] = 0x00808080;
    gfx::showFrame();
    std::printf("tail without newline");
    // "ready" goes straight to the pipe once the tail is in the buffer, so a close request
    // sent on reading it always finds the tail there to flush.
    const char ready[] = "ready\n";
    if (write(STDOUT_FILENO, ready, sizeof ready - 1) != ssize_t(sizeof ready - 1)) return 1;
    for (;;) {
      gfx::showFrame();
      platform::sleepMs(10);
    }
  }
  std::fprintf(stderr, "usage: window_child show FLAGS | open\n");
  return 2;
}
