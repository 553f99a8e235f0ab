// The real window on a desktop smaller than the frame, managed by a window manager (run by
// tests/helpers/with_openbox.sh on a 1366 x 768 screen): the window and its frame fit the
// work area, the picture is the frame scaled, the cursor reads in frame coordinates and a
// shot flies where the cursor points; F11 and Alt+Enter toggle fullscreen, whose picture
// is centred between black bars, and the Enter of Alt+Enter never reaches the game.
#include <gtest/gtest.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "game/player/attacks.h"
#include "game/world/game_state.h"
#include "game/world/world_pass.h"
#include "graphics/draw.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "helpers/pixel_words.h"
#include "platform/seam/input.h"
#include "platform/seam/input_feed.h"
#include "platform/port/window.h"
#include "window/x11_probe.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 960;

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

// The colour of the test frame's cell (8 across, 5 down, 200 x 192 pixels each): every cell
// its own, so a picture shifted or scaled wrongly shows the wrong colour somewhere.
std::uint32_t cellColour(int column, int row) {
  return 0x00203040u + std::uint32_t(column) * 0x00180000u + std::uint32_t(row) * 0x00002C11u;
}

void drawCells() {
  std::uint32_t* pixels = pixelBuffer(nullptr);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) pixels[std::size_t(y) * kWidth + x] = 0xFF000000u | cellColour(x / 200, y / 192);
}

// A read-back client area of `client` size against the cells shown as `picture` between
// black bars. Window pixels within two frame pixels of a cell edge blend neighbours and are
// not compared; every other pixel must be exact. Names the first differing pixel.
::testing::AssertionResult showsCells(const std::vector<std::uint32_t>& screen, Rect client, Rect picture) {
  if (screen.size() != std::size_t(client.width) * client.height)
    return ::testing::AssertionFailure() << "read " << screen.size() << " pixels";
  for (int y = 0; y < client.height; ++y) {
    for (int x = 0; x < client.width; ++x) {
      const std::uint32_t got = screen[std::size_t(y) * client.width + x];
      const bool inside = x >= picture.x && x < picture.x + picture.width && y >= picture.y &&
                          y < picture.y + picture.height;
      std::uint32_t expected = 0;
      if (inside) {
        const double frameX = (x - picture.x + 0.5) * kWidth / picture.width;
        const double frameY = (y - picture.y + 0.5) * kHeight / picture.height;
        const double toEdgeX = std::fabs(frameX - 200 * std::round(frameX / 200));
        const double toEdgeY = std::fabs(frameY - 192 * std::round(frameY / 192));
        if (toEdgeX < 2 || toEdgeY < 2) continue;
        expected = cellColour(int(frameX) / 200, int(frameY) / 192);
      }
      if (got != expected)
        return ::testing::AssertionFailure() << "window pixel (" << x << ", " << y << ") is " << test_pixels::hex(got)
                                             << ", expected " << test_pixels::hex(expected)
                                             << (inside ? "" : " (a black bar)");
    }
  }
  return ::testing::AssertionSuccess();
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

bool xdotool(const std::string& arguments) {
  return std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str()) == 0;
}

// Four longs of a window's 32-bit CARDINAL property (the frame extents, the work area).
bool readCardinals(::Display* display, Window window, const char* name, long values[4]) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  const bool read = XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 4, False, XA_CARDINAL,
                                       &type, &format, &count, &after, &data) == Success &&
                    data && format == 32 && count == 4;
  if (read)
    for (int i = 0; i < 4; ++i) values[i] = reinterpret_cast<long*>(data)[i];
  if (data) XFree(data);
  return read;
}

class DesktopWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    display_ = x11probe::display();
    gfx::openGraphics(kWidth, kHeight, 0);
    gfx::beginDeferredShow();
    if (display_) window_ = x11probe::waitForWindow(display_, platform::programTitle(), 5000);
  }
  static void TearDownTestSuite() {
    gfx::endDeferredShow();
    gfx::closeGraphics();
  }
  void SetUp() override {
    ASSERT_NE(display_, nullptr) << "no X display: run under tests/helpers/with_openbox.sh";
    ASSERT_NE(window_, 0u) << "no window titled " << platform::programTitle();
    ASSERT_TRUE(xdotool("windowactivate --sync " + std::to_string(window_)));
    // The window manager places and maps the window after it first shows.
    ASSERT_TRUE(waitFor([] { return !fullscreen(); }, 3000)) << "a test left the window fullscreen";
    windowed_ = client();
  }

  // The client area on the screen.
  static Rect client() {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display_, window_, &attributes);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return Rect{x, y, attributes.width, attributes.height};
  }
  static Rect screen() {
    return Rect{0, 0, DisplayWidth(display_, DefaultScreen(display_)), DisplayHeight(display_, DefaultScreen(display_))};
  }
  static bool fullscreen() {
    const Rect c = client(), s = screen();
    return c.x == 0 && c.y == 0 && c.width == s.width && c.height == s.height;
  }

  // Shows the cells and waits until the client area shows them as picture.
  ::testing::AssertionResult cellsShownAs(Rect picture) {
    drawCells();
    gfx::showFrame();
    std::vector<std::uint32_t> pixels;
    Rect area;
    waitFor(
        [&] {
          area = client();
          pixels = x11probe::readPixels(display_, window_, area.width, area.height);
          return bool(showsCells(pixels, area, picture));
        },
        3000);
    return showsCells(pixels, area, picture);
  }

  // Moves the pointer to the client pixel (x, y) and waits until the latch has a cursor
  // reading other than the one before; returns the reading.
  // Moves the pointer to client pixel (x, y) and reads the frame point the game sees there,
  // looking again for up to 2 s until it is the one expected: a motion event of an earlier
  // move may still be on its way on a busy machine.
  static void cursorAt(int x, int y, int& frameX, int& frameY, int wantX, int wantY) {
    platform::recordCursor(-12345, -12345);
    xdotool("mousemove --window " + std::to_string(window_) + " " + std::to_string(x) + " " + std::to_string(y));
    waitFor(
        [&] {
          platform::cursorInClient(frameX, frameY);
          return frameX == wantX && frameY == wantY;
        },
        2000);
  }

  // The frame pixel under the centre of client pixel (x, y) of picture.
  static int frameX(Rect picture, int x) { return int(std::floor((x - picture.x + 0.5) * kWidth / picture.width)); }
  static int frameY(Rect picture, int y) { return int(std::floor((y - picture.y + 0.5) * kHeight / picture.height)); }

  static ::Display* display_;
  static Window window_;
  Rect windowed_;
};

::Display* DesktopWindow::display_ = nullptr;
Window DesktopWindow::window_ = 0;

TEST_F(DesktopWindow, TheWindowWithItsFrameIsTheLargestFiveByThreeOnTheWorkArea) {
  long frame[4] = {0, 0, 0, 0}, work[4] = {0, 0, 0, 0};
  ASSERT_TRUE(readCardinals(display_, window_, "_NET_FRAME_EXTENTS", frame)) << "the window manager frames it";
  ASSERT_TRUE(readCardinals(display_, DefaultRootWindow(display_), "_NET_WORKAREA", work));
  const Rect c = windowed_;
  EXPECT_EQ(c.width * 3, c.height * 5) << c.width << " x " << c.height;
  EXPECT_LT(c.width, kWidth);
  EXPECT_GE(c.x - frame[0], work[0]) << "left edge";
  EXPECT_GE(c.y - frame[2], work[1]) << "top edge";
  EXPECT_LE(c.x + c.width + frame[1], work[0] + work[2]) << "right edge";
  EXPECT_LE(c.y + c.height + frame[3], work[1] + work[3]) << "bottom edge: the status strip is on the screen";
  EXPECT_TRUE(c.width + 5 + frame[0] + frame[1] > work[2] || c.height + 3 + frame[2] + frame[3] > work[3])
      << "one step larger would fit too";
  XSizeHints hints{};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(display_, window_, &hints, &supplied));
  EXPECT_TRUE((hints.flags & PMinSize) && (hints.flags & PMaxSize) && hints.min_width == c.width &&
              hints.max_width == c.width && hints.min_height == c.height && hints.max_height == c.height)
      << "the user cannot resize it";
}

TEST_F(DesktopWindow, ThePictureIsTheWholeFrameScaled) {
  EXPECT_TRUE(cellsShownAs(Rect{0, 0, windowed_.width, windowed_.height}));
}

TEST_F(DesktopWindow, TheCursorReadsInFrameCoordinatesAndAShotFliesThere) {
  const Rect picture{0, 0, windowed_.width, windowed_.height};
  for (auto [x, y] : {std::pair{0, 0}, {windowed_.width - 1, windowed_.height - 1}, {321, 123}, {700, 600}}) {
    int fx = 0, fy = 0;
    cursorAt(x, y, fx, fy, frameX(picture, x), frameY(picture, y));
    EXPECT_EQ(fx, frameX(picture, x)) << "client x " << x;
    EXPECT_EQ(fy, frameY(picture, y)) << "client y " << y;
  }

  // The player stands left of the middle; the cursor sits over frame point (1400, 100).
  player.x = 600;
  player.y = 400;
  int fx = 0, fy = 0;
  const int cx = 1400 * windowed_.width / kWidth, cy = 100 * windowed_.height / kHeight;
  cursorAt(cx, cy, fx, fy, frameX(picture, cx), frameY(picture, cy));
  ASSERT_NEAR(fx, 1400, 2);
  ASSERT_NEAR(fy, 100, 2);
  fireShot();
  ASSERT_NE(playerShots, nullptr);
  double nearest = 1e9;
  for (int step = 0; step < 100 && playerShots; ++step) {
    nearest = std::min(nearest, std::hypot(double(playerShots->x - fx), double(playerShots->y - fy)));
    updateWorld();
  }
  EXPECT_LT(nearest, 20) << "the shot passes within one step of the cursor's frame point (" << fx << ", " << fy << ")";
}

TEST_F(DesktopWindow, F11ShowsThePictureFullscreenBetweenBlackBarsAndBack) {
  ASSERT_TRUE(xdotool("key F11"));
  ASSERT_TRUE(waitFor([] { return fullscreen(); }, 3000)) << "not fullscreen after F11";
  const Rect s = screen();
  const int steps = std::min(s.width / 5, s.height / 3);
  const Rect picture{(s.width - 5 * steps) / 2, (s.height - 3 * steps) / 2, 5 * steps, 3 * steps};
  EXPECT_TRUE(cellsShownAs(picture));
  for (auto [x, y] : {std::pair{picture.x, 0}, {picture.x + picture.width - 1, s.height - 1}, {683, 384}}) {
    int fx = 0, fy = 0;
    cursorAt(x, y, fx, fy, frameX(picture, x), frameY(picture, y));
    EXPECT_EQ(fx, frameX(picture, x)) << "client x " << x;
    EXPECT_EQ(fy, frameY(picture, y)) << "client y " << y;
  }
  int fx = 0, fy = 0;
  cursorAt(picture.x - 1, 10, fx, fy, frameX(picture, picture.x - 1), frameY(picture, 10));
  EXPECT_LT(fx, 0) << "left of the picture is left of the frame";

  ASSERT_TRUE(xdotool("key F11"));
  ASSERT_TRUE(waitFor([] { return !fullscreen(); }, 3000)) << "still fullscreen after the second F11";
  const Rect back = client();
  EXPECT_TRUE(back.x == windowed_.x && back.y == windowed_.y && back.width == windowed_.width &&
              back.height == windowed_.height)
      << "restored to " << back.width << " x " << back.height << " at (" << back.x << ", " << back.y << ")";
  EXPECT_TRUE(cellsShownAs(Rect{0, 0, back.width, back.height}));
}

TEST_F(DesktopWindow, AltEnterTogglesFullscreenAndItsEnterNeverReachesTheGame) {
  platform::keyPressed(platform::kVkReturn);
  // Alt is let go before Enter: the Enter still held, repeating, must not count as a press
  // either (the server repeats a key held past 660 ms).
  ASSERT_TRUE(xdotool("keydown alt keydown Return"));
  ASSERT_TRUE(waitFor([] { return fullscreen(); }, 3000)) << "not fullscreen after Alt+Enter";
  ASSERT_TRUE(xdotool("keyup alt"));
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  ASSERT_TRUE(xdotool("keyup Return"));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(platform::keyPressed(platform::kVkReturn)) << "the Enter of Alt+Enter reached the game";

  ASSERT_TRUE(xdotool("key alt+Return"));
  ASSERT_TRUE(waitFor([] { return !fullscreen(); }, 3000)) << "still fullscreen after the second Alt+Enter";
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(platform::keyPressed(platform::kVkReturn)) << "the Enter of Alt+Enter reached the game";

  ASSERT_TRUE(xdotool("key Return"));
  EXPECT_TRUE(waitFor([] { return platform::keyPressed(platform::kVkReturn); }, 2000)) << "a plain Enter is the game's";
}

}  // namespace
