// The server-side scaling of shared frames on both of its ways: the server reading the
// segments as pixmaps, and (for servers that cannot) a copy into a pixmap of its own
// first. Both must put the same picture: the frame's cells at their scaled places.
#include <gtest/gtest.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdint>
#include <vector>

#include "platform/sdl/x11_scaled_put.h"
#include "window/x11_probe.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 960;

// One frame in a shared segment, attached to the server, filled with 200 x 192 cells of
// distinct colours.
struct SharedFrame {
  XShmSegmentInfo segment{};
  XImage* image = nullptr;
};

bool makeFrame(::Display* display, Visual* visual, int depth, SharedFrame& frame) {
  frame.image = XShmCreateImage(display, visual, unsigned(depth), ZPixmap, nullptr, &frame.segment, kWidth, kHeight);
  if (!frame.image) return false;
  frame.segment.shmid = shmget(IPC_PRIVATE, std::size_t(frame.image->bytes_per_line) * kHeight, IPC_CREAT | 0600);
  frame.segment.shmaddr = static_cast<char*>(shmat(frame.segment.shmid, nullptr, 0));
  shmctl(frame.segment.shmid, IPC_RMID, nullptr);
  frame.image->data = frame.segment.shmaddr;
  frame.segment.readOnly = False;
  if (!XShmAttach(display, &frame.segment)) return false;
  XSync(display, False);
  auto* words = reinterpret_cast<std::uint32_t*>(frame.segment.shmaddr);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) words[y * kWidth + x] = 0x00102030u + std::uint32_t(x / 200) * 0x1F0000u + std::uint32_t(y / 192) * 0x2B11u;
  return true;
}

void freeFrame(::Display* display, SharedFrame& frame) {
  if (frame.segment.shmaddr) {
    XShmDetach(display, &frame.segment);
    XSync(display, False);
    shmdt(frame.segment.shmaddr);
  }
  if (frame.image) {
    frame.image->data = nullptr;
    XDestroyImage(frame.image);
  }
}

// Puts frame 1 scaled into a 640 x 384 window the way given, and reads the window back.
std::vector<std::uint32_t> putAndRead(::Display* display, bool sharedPixmaps) {
  const int screen = DefaultScreen(display);
  Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 640, 384, 0, 0, 0);
  XSetWindowAttributes override{};
  override.override_redirect = True;  // not framed or moved by the window manager
  XChangeWindowAttributes(display, window, CWOverrideRedirect, &override);
  XMapRaised(display, window);
  XSync(display, False);
  XWindowAttributes attributes{};
  XGetWindowAttributes(display, window, &attributes);
  SharedFrame frames[2];
  std::vector<std::uint32_t> pixels;
  if (makeFrame(display, attributes.visual, attributes.depth, frames[0]) &&
      makeFrame(display, attributes.visual, attributes.depth, frames[1])) {
    XImage* images[2] = {frames[0].image, frames[1].image};
    XShmSegmentInfo segments[2] = {frames[0].segment, frames[1].segment};
    platform::ScaledPut* put =
        platform::createScaledPut(display, window, attributes, images, segments, kWidth, kHeight, sharedPixmaps);
    if (put) {
      platform::putScaled(put, 1, platform::PictureRect{0, 0, 640, 384});
      XSync(display, False);
      pixels = x11probe::readPixels(display, window, 640, 384);
      platform::destroyScaledPut(put);
    }
  }
  freeFrame(display, frames[0]);
  freeFrame(display, frames[1]);
  XDestroyWindow(display, window);
  XSync(display, False);
  return pixels;
}

TEST(ScaledPut, ServerPixmapsAndACopyFirstPutTheSameScaledCells) {
  ::Display* display = x11probe::display();
  ASSERT_NE(display, nullptr) << "no X display";
  int opcode = 0, event = 0, error = 0;
  if (!XQueryExtension(display, "MIT-SHM", &opcode, &event, &error)) GTEST_SKIP() << "the display has no MIT-SHM";
  const std::vector<std::uint32_t> copied = putAndRead(display, false);
  ASSERT_EQ(copied.size(), 640u * 384u) << "no scaled put without shared pixmaps";
  // Cell centres, 2.5 times smaller: every cell's middle shows that cell's colour.
  for (int row = 0; row < 5; ++row)
    for (int column = 0; column < 8; ++column) {
      const int x = column * 80 + 40, y = row * 76 + 38;
      EXPECT_EQ(copied[std::size_t(y) * 640 + x], 0x00102030u + std::uint32_t(column) * 0x1F0000u + std::uint32_t(row) * 0x2B11u)
          << "window pixel (" << x << ", " << y << ")";
    }
  if (!platform::serverSharesPixmaps(display)) GTEST_SKIP() << "the server shares no pixmaps";
  const std::vector<std::uint32_t> shared = putAndRead(display, true);
  ASSERT_EQ(shared.size(), copied.size());
  for (std::size_t i = 0; i < shared.size(); ++i)
    ASSERT_EQ(shared[i], copied[i]) << "window pixel (" << i % 640 << ", " << i / 640 << ") differs between the two ways";
}

}  // namespace
