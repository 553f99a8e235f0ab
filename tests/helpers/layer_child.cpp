// A program with a static sprite image, as the game has: it reports the layer's reference
// count before main, with the (headless) window open and closed, and after the static
// images are destroyed. With the argument "fail-window" the headless window refuses to
// open instead. Run by the layer tests as a child process.
#include <cstdio>
#include <cstring>

#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/fake/fake_platform.h"

namespace {

using gfx::graphicsState;

const char* yesNo(bool value) { return value ? "yes" : "no"; }

bool reportAtExit = false;

// Constructed before the sprite below, so destroyed after it: it sees the shut-down.
struct AfterStaticImages {
  ~AfterStaticImages() {
    if (!reportAtExit) return;
    std::printf("after the static images: count %d, window object %s, devices %s, lock %s\n",
                graphicsState.referenceCount, yesNo(graphicsState.window), yesNo(graphicsState.imageDevice),
                yesNo(graphicsState.lock));
    std::fflush(stdout);
  }
} afterStaticImages;

IMAGE staticSprite;

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "fail-window") == 0) {
    platform::fake::failNextWindow("no display (test)");
    gfx::openGraphics(1600, 960, 0);
    std::printf("openGraphics returned\n");
    return 0;
  }
  reportAtExit = true;
  std::printf("before main: count %d, window object %s\n", graphicsState.referenceCount, yesNo(graphicsState.window));
  gfx::openGraphics(160, 96, 0);
  std::printf("with the window open: count %d, window open %s\n", graphicsState.referenceCount,
              yesNo(graphicsState.window->isOpen()));
  gfx::closeGraphics();
  std::printf("after closeGraphics: count %d, window object %s, window open %s\n", graphicsState.referenceCount,
              yesNo(graphicsState.window), yesNo(graphicsState.window->isOpen()));
  return 0;
}
