// The real window under Xvfb: its client area and title, what reaches the screen with and
// without deferred mode, input from the X server, a close request from outside, flag 2,
// the window destroyed from outside, other X errors, a lost display and a process with no
// display. Screens are read back through a separate X connection.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <X11/Xutil.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "graphics/device.h"
#include "graphics/draw.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "helpers/pixel_words.h"
#include "platform/seam/input.h"
#include "platform/seam/input_feed.h"
#include "platform/port/window.h"
#include "x11_probe.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 960;
// How long a test waits for the screen to show what it should. A passing wait ends as soon
// as the screen matches; in a ThreadSanitizer build on a loaded machine one read-back of
// the screen alone takes up to a second.
constexpr int kScreenWaitMs = 5000;

// Compares a read-back screen with one expected colour; names the first differing pixel.
::testing::AssertionResult screenIs(const std::vector<std::uint32_t>& screen, std::uint32_t rgb) {
  if (screen.size() != std::size_t(kWidth) * kHeight)
    return ::testing::AssertionFailure() << "read " << screen.size() << " pixels";
  for (std::size_t i = 0; i < screen.size(); ++i)
    if (screen[i] != rgb)
      return ::testing::AssertionFailure() << "pixel (" << i % kWidth << ", " << i / kWidth << ") is "
                                           << test_pixels::hex(screen[i]) << ", expected " << test_pixels::hex(rgb);
  return ::testing::AssertionSuccess();
}

// Under the graphics lock, as the layer's own drawing: outside deferred mode the window
// thread copies the working image by itself.
void fillWorkingImage(std::uint32_t word) {
  std::lock_guard<std::recursive_mutex> guard(gfx::graphicsLock());
  std::uint32_t* pixels = pixelBuffer(nullptr);
  for (int i = 0; i < kWidth * kHeight; ++i) pixels[i] = word;
}

// The game's window, opened once in this process for the tests that look at it.
class OpenWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    display_ = x11probe::display();
    handle_ = gfx::openGraphics(kWidth, kHeight, 0);
    if (display_) window_ = x11probe::waitForWindow(display_, platform::programTitle(), 5000);
  }
  static void TearDownTestSuite() {
    gfx::closeGraphics();
  }
  void SetUp() override {
    ASSERT_NE(display_, nullptr) << "no X display: run under xvfb-run";
    ASSERT_NE(window_, 0u) << "no window titled " << platform::programTitle();
  }

  std::vector<std::uint32_t> screen() { return x11probe::readPixels(display_, window_, kWidth, kHeight); }

  // Reads the screen until it is all rgb or timeoutMs have passed; returns the last reading.
  std::vector<std::uint32_t> waitForScreen(std::uint32_t rgb, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<std::uint32_t> pixels = screen();
    while (!screenIs(pixels, rgb) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      pixels = screen();
    }
    return pixels;
  }

  // Runs an xdotool command against the window; true when it succeeded.
  static bool xdotool(const std::string& arguments) {
    return std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str()) == 0;
  }

  static ::Display* display_;
  static Window window_;
  static void* handle_;
};

::Display* OpenWindow::display_ = nullptr;
Window OpenWindow::window_ = 0;
void* OpenWindow::handle_ = nullptr;

TEST_F(OpenWindow, ClientAreaIs1600By960AndNotResizable) {
  EXPECT_NE(handle_, nullptr);
  XWindowAttributes attributes{};
  ASSERT_TRUE(XGetWindowAttributes(display_, window_, &attributes));
  EXPECT_EQ(attributes.width, kWidth);
  EXPECT_EQ(attributes.height, kHeight);
  EXPECT_EQ(attributes.map_state, IsViewable);
  XSizeHints hints{};
  long supplied = 0;
  ASSERT_TRUE(XGetWMNormalHints(display_, window_, &hints, &supplied));
  ASSERT_TRUE((hints.flags & PMinSize) && (hints.flags & PMaxSize)) << "size hints fix the size";
  EXPECT_EQ(hints.min_width, kWidth);
  EXPECT_EQ(hints.max_width, kWidth);
  EXPECT_EQ(hints.min_height, kHeight);
  EXPECT_EQ(hints.max_height, kHeight);
}

TEST_F(OpenWindow, TitleIsTheProgramFileNameWithoutExtension) {
  EXPECT_EQ(platform::programTitle(), "window_tests");
  char* name = nullptr;
  ASSERT_TRUE(XFetchName(display_, window_, &name));
  EXPECT_STREQ(name, "window_tests");
  XFree(name);
}

TEST_F(OpenWindow, DeferredModeKeepsDrawingOffTheScreenUntilShowFrame) {
  gfx::beginDeferredShow();
  fillWorkingImage(0xFF000000);
  gfx::showFrame();
  ASSERT_TRUE(screenIs(waitForScreen(0x000000, kScreenWaitMs), 0x000000));

  fillWorkingImage(0xFFFF0000);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_TRUE(screenIs(screen(), 0x000000)) << "drawn but not shown";

  gfx::showFrame();
  EXPECT_TRUE(screenIs(waitForScreen(0xFF0000, kScreenWaitMs), 0xFF0000)) << "shown with showFrame";
}

TEST_F(OpenWindow, ShowFrameOfARectangleShowsOnlyThatRectangle) {
  gfx::beginDeferredShow();
  fillWorkingImage(0x00000000);
  gfx::showFrame();
  ASSERT_TRUE(screenIs(waitForScreen(0x000000, kScreenWaitMs), 0x000000));
  fillWorkingImage(0x0000FF00);
  gfx::graphicsState.windowDevice->showFrame(10, 20, 19, 24);  // both corners included
  std::vector<std::uint32_t> expected(std::size_t(kWidth) * kHeight, 0);
  for (int y = 20; y <= 24; ++y)
    for (int x = 10; x <= 19; ++x) expected[std::size_t(y) * kWidth + x] = 0x00FF00;
  std::vector<std::uint32_t> pixels;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kScreenWaitMs);
  do {
    pixels = screen();
  } while (pixels != expected && std::chrono::steady_clock::now() < deadline);
  EXPECT_TRUE(pixels == expected) << "the 10 x 5 rectangle at (10, 20) turns green, nothing else";
}

TEST_F(OpenWindow, OutsideDeferredModeTheScreenFollowsByItself) {
  gfx::beginDeferredShow();
  fillWorkingImage(0x00000000);
  gfx::endDeferredShow();
  ASSERT_TRUE(screenIs(waitForScreen(0x000000, kScreenWaitMs), 0x000000));
  fillWorkingImage(0x000000FF);
  EXPECT_TRUE(screenIs(waitForScreen(0x0000FF, kScreenWaitMs), 0x0000FF)) << "copied without showFrame";
}

TEST_F(OpenWindow, AnUncoveredWindowShowsItsLastFrameAgain) {
  gfx::beginDeferredShow();
  fillWorkingImage(0x00123456);
  gfx::showFrame();
  ASSERT_TRUE(screenIs(waitForScreen(0x123456, kScreenWaitMs), 0x123456));
  // Another client paints over the window, as a window passing over it would leave it.
  GC gc = XCreateGC(display_, window_, 0, nullptr);
  XSetForeground(display_, gc, 0x000000);
  XFillRectangle(display_, window_, gc, 0, 0, kWidth, kHeight);
  XFreeGC(display_, gc);
  XSync(display_, False);
  ASSERT_TRUE(screenIs(waitForScreen(0x000000, kScreenWaitMs), 0x000000)) << "the probe's paint";
  XClearArea(display_, window_, 0, 0, 0, 0, True);  // an Expose event, as when uncovered
  XSync(display_, False);
  EXPECT_TRUE(screenIs(waitForScreen(0x123456, kScreenWaitMs), 0x123456)) << "the last frame is put back, with no showFrame";
}

// With no window manager to act on it, F11 changes nothing on the screen: the picture
// stays whole at 1:1 (the backend goes by the window's real size, not by the request).
TEST_F(OpenWindow, F11WithoutAWindowManagerLeavesThePictureAsItWas) {
  gfx::beginDeferredShow();
  ASSERT_TRUE(xdotool("windowfocus --sync " + std::to_string(window_)) || xdotool("windowfocus " + std::to_string(window_)));
  ASSERT_TRUE(xdotool("key F11"));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  fillWorkingImage(0x00345678);
  gfx::showFrame();
  EXPECT_TRUE(screenIs(waitForScreen(0x345678, kScreenWaitMs), 0x345678));
  ASSERT_TRUE(xdotool("key F11"));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  fillWorkingImage(0x00876543);
  gfx::showFrame();
  EXPECT_TRUE(screenIs(waitForScreen(0x876543, kScreenWaitMs), 0x876543));
}

// Where the display shares memory with us, the two frame buffers are shared segments of
// exactly one frame each, so the server reads frames without a copy in between.
TEST_F(OpenWindow, FrameBuffersAreSharedWithTheServerWhenItCan) {
  int opcode = 0, event = 0, error = 0;
  const bool serverShares = XQueryExtension(display_, "MIT-SHM", &opcode, &event, &error);
  std::ifstream maps("/proc/self/maps");
  std::string line;
  int frameSegments = 0;
  while (std::getline(maps, line)) {
    if (line.find("/SYSV") == std::string::npos) continue;
    unsigned long start = 0, end = 0;
    if (std::sscanf(line.c_str(), "%lx-%lx", &start, &end) == 2 && end - start == std::size_t(kWidth) * kHeight * 4)
      ++frameSegments;
  }
  EXPECT_EQ(frameSegments, serverShares ? 2 : 0) << (serverShares ? "display with MIT-SHM" : "display without it");
}

TEST_F(OpenWindow, KeysButtonsAndCursorReachTheInputLatch) {
  platform::resetInput();
  ASSERT_TRUE(xdotool("mousemove --window " + std::to_string(window_) + " 321 123"));
  int x = 0, y = 0;
  for (int i = 0; i < 200 && !(x == 321 && y == 123); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    platform::cursorInClient(x, y);
  }
  EXPECT_EQ(x, 321);
  EXPECT_EQ(y, 123);

  struct Press {
    const char* xdotoolKey;
    int virtualKey;
  };
  const Press presses[] = {{"w", 'W'}, {"a", 'A'}, {"3", '3'}, {"Return", platform::kVkReturn},
                           {"Left", platform::kVkLeft}, {"Up", platform::kVkUp}, {"Right", platform::kVkRight},
                           {"Down", platform::kVkDown}};
  for (const Press& press : presses) {
    ASSERT_TRUE(xdotool(std::string("key ") + press.xdotoolKey));
    bool seen = false;
    for (int i = 0; i < 200 && !seen; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      seen = platform::keyPressed(press.virtualKey);
    }
    EXPECT_TRUE(seen) << press.xdotoolKey << " reads as pressed";
    // Once its release has arrived the key reads as up: the latch was cleared by the reads.
    bool released = false;
    for (int i = 0; i < 200 && !released; ++i) {
      released = !platform::keyPressed(press.virtualKey);
      if (!released) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_TRUE(released) << press.xdotoolKey << " still reads as pressed after its release";
  }

  for (auto [xdotoolButton, virtualKey] : {std::pair{"1", int(platform::kVkLButton)}, {"3", int(platform::kVkRButton)}}) {
    ASSERT_TRUE(xdotool(std::string("click ") + xdotoolButton));
    bool seen = false;
    for (int i = 0; i < 200 && !seen; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      seen = platform::keyPressed(virtualKey);
    }
    EXPECT_TRUE(seen) << "button " << xdotoolButton;
  }
}

TEST_F(OpenWindow, CursorOutsideTheWindowIsFollowed) {
  XWindowAttributes attributes{};
  ASSERT_TRUE(XGetWindowAttributes(display_, window_, &attributes));
  int rootX = 0, rootY = 0;
  Window child = 0;
  XTranslateCoordinates(display_, window_, DefaultRootWindow(display_), 0, 0, &rootX, &rootY, &child);
  ASSERT_TRUE(xdotool("mousemove " + std::to_string(rootX + 1700) + " " + std::to_string(rootY + 40)));
  int x = 0, y = 0;
  for (int i = 0; i < 200 && !(x == 1700 && y == 40); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    platform::cursorInClient(x, y);
  }
  EXPECT_EQ(x, 1700);
  EXPECT_EQ(y, 40);
}

// A child process running window_child, its standard output on a pipe (standard error
// stays the test's own: libraries may talk there).
struct Child {
  pid_t pid = -1;
  int output = -1;
};

// Starts window_child with the arguments; withDisplay false removes DISPLAY and
// WAYLAND_DISPLAY, a non-empty display names the X display to use instead of ours.
Child startChild(const std::vector<std::string>& arguments, bool withDisplay, const std::string& display = "") {
  int fds[2];
  if (pipe(fds) != 0) return {};
  pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    if (!withDisplay) {
      unsetenv("DISPLAY");
      unsetenv("WAYLAND_DISPLAY");
    }
    if (!display.empty()) setenv("DISPLAY", display.c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(DA_WINDOW_CHILD)};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(fds[1]);
  return Child{pid, fds[0]};
}

// Reads the child's output until it contains `until` or timeoutMs pass (or the pipe ends).
std::string readOutput(const Child& child, const std::string& until, int timeoutMs) {
  std::string text;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (until.empty() || text.find(until) == std::string::npos) {
    int left = int(std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
                       .count());
    if (left <= 0) break;
    pollfd p{child.output, POLLIN, 0};
    if (poll(&p, 1, left) <= 0) break;
    char buffer[512];
    ssize_t n = read(child.output, buffer, sizeof buffer);
    if (n <= 0) break;
    text.append(buffer, std::size_t(n));
  }
  return text;
}

// Waits up to timeoutMs for the child to end; true with its status when it did.
bool waitForExit(const Child& child, int timeoutMs, int& status) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  do {
    if (waitpid(child.pid, &status, WNOHANG) == child.pid) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  } while (std::chrono::steady_clock::now() < deadline);
  return false;
}

void killChild(Child& child) {
  int status = 0;
  if (child.pid > 0 && waitpid(child.pid, &status, WNOHANG) == 0) {
    kill(child.pid, SIGKILL);
    waitpid(child.pid, &status, 0);
  }
  if (child.output >= 0) close(child.output);
  child = Child{};
}

class ChildWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    display_ = x11probe::display();
    ASSERT_NE(display_, nullptr) << "no X display: run under xvfb-run";
  }
  void TearDown() override { killChild(child_); }
  ::Display* display_ = nullptr;
  Child child_;
};

TEST_F(ChildWindow, CloseRequestEndsTheProcessWithStatusZeroWithinASecond) {
  child_ = startChild({"show", "0"}, true);
  ASSERT_GT(child_.pid, 0);
  std::string output = readOutput(child_, "ready\n", 10000);
  ASSERT_NE(output.find("ready\n"), std::string::npos) << output;
  Window window = x11probe::waitForWindow(display_, "window_child", 5000);
  ASSERT_NE(window, 0u);
  x11probe::requestClose(display_, window);
  int status = 0;
  ASSERT_TRUE(waitForExit(child_, 1000, status)) << "still running a second after the close request";
  EXPECT_TRUE(WIFEXITED(status)) << "status " << status;
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(readOutput(child_, "", 1000), "tail without newline") << "standard output is flushed first";
}

TEST_F(ChildWindow, FlagTwoIgnoresCloseRequests) {
  child_ = startChild({"show", "2"}, true);
  ASSERT_GT(child_.pid, 0);
  ASSERT_NE(readOutput(child_, "ready\n", 10000).find("ready\n"), std::string::npos);
  Window window = x11probe::waitForWindow(display_, "window_child", 5000);
  ASSERT_NE(window, 0u);
  x11probe::requestClose(display_, window);
  x11probe::requestClose(display_, window);
  int status = 0;
  EXPECT_FALSE(waitForExit(child_, 500, status)) << "ended with status " << status;
}

// Another program destroying the window (as xdotool windowclose does) ends the process as a
// close request does, flag 2 or not: status 0, standard output flushed, nothing printed.
// Xlib's own error handler would print the failed request and exit with status 1.
TEST_F(ChildWindow, DestroyedWindowEndsTheProcessAsACloseDoes) {
  for (const char* flags : {"0", "2"}) {
    child_ = startChild({"show", flags}, true);
    ASSERT_GT(child_.pid, 0);
    std::string output = readOutput(child_, "ready\n", 10000);
    ASSERT_NE(output.find("ready\n"), std::string::npos) << output;
    Window window = x11probe::waitForWindow(display_, "window_child", 5000);
    ASSERT_NE(window, 0u);
    XDestroyWindow(display_, window);
    XSync(display_, False);
    int status = 0;
    ASSERT_TRUE(waitForExit(child_, 1000, status)) << "flags " << flags << ": running a second after the destruction";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "flags " << flags << ": status " << status;
    EXPECT_EQ(readOutput(child_, "", 1000), "tail without newline") << "flags " << flags;
    killChild(child_);
  }
}

// Frees every graphics context among the first ids of the client that owns window, through
// a connection of its own: the server lets any client free any resource, and xcb takes bare
// ids. Requests on ids that are not graphics contexts fail unread.
bool freeGraphicsContextsOfOwner(Window window) {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    return false;
  }
  const std::uint32_t base = std::uint32_t(window) & ~0x1FFFFFu;  // Xvfb gives each client 21 bits of ids
  for (std::uint32_t id = base + 1; id < base + 0x400; ++id)
    if (id != window) xcb_free_gc(connection, id);
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));  // a round trip
  xcb_disconnect(connection);
  return true;
}

// An X error that is not about a window gone (here BadGC, once another client has freed the
// window's graphics contexts) prints one line naming the error and its request on standard
// output and ends the process with status 1.
TEST_F(ChildWindow, OtherXErrorPrintsOneLineAndExitsWithStatusOne) {
  child_ = startChild({"show", "0"}, true);
  ASSERT_GT(child_.pid, 0);
  ASSERT_NE(readOutput(child_, "ready\n", 10000).find("ready\n"), std::string::npos);
  Window window = x11probe::waitForWindow(display_, "window_child", 5000);
  ASSERT_NE(window, 0u);
  ASSERT_TRUE(freeGraphicsContextsOfOwner(window));
  int status = 0;
  ASSERT_TRUE(waitForExit(child_, 3000, status)) << "still running with its graphics contexts freed";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "status " << status;
  const std::string output = readOutput(child_, "", 1000);
  const std::regex oneLine(
      "tail without newlineX error 13, BadGC \\([^\n]*\\), in request [0-9]+\\.[0-9]+ \\(X_[A-Za-z]+\\) on resource "
      "0x[0-9a-f]+\n");
  EXPECT_TRUE(std::regex_match(output, oneLine)) << output;
}

// A private X server of the test's own, so that it can be killed under a running window.
struct PrivateServer {
  pid_t pid = -1;
  std::string display;  // ":N"
};

PrivateServer startPrivateServer() {
  int fds[2];
  if (pipe(fds) != 0) return {};
  pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    int devnull = open("/dev/null", O_WRONLY);
    dup2(devnull, STDOUT_FILENO);
    dup2(devnull, STDERR_FILENO);
    std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1600x960x24", "-nolisten", "tcp",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string number = readOutput(Child{pid, fds[0]}, "\n", 10000);
  close(fds[0]);
  if (number.empty() || number.back() != '\n') {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return {};
  }
  number.pop_back();
  return PrivateServer{pid, ":" + number};
}

TEST_F(ChildWindow, LostDisplayPrintsOneLineAndExitsWithStatusOne) {
  PrivateServer server = startPrivateServer();
  ASSERT_GT(server.pid, 0) << "Xvfb did not start";
  child_ = startChild({"show", "0"}, true, server.display);
  ASSERT_GT(child_.pid, 0);
  std::string ready = readOutput(child_, "ready\n", 10000);
  kill(server.pid, SIGKILL);
  waitpid(server.pid, nullptr, 0);
  ASSERT_NE(ready.find("ready\n"), std::string::npos) << ready;
  int status = 0;
  ASSERT_TRUE(waitForExit(child_, 3000, status)) << "still running after its display was killed";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "status " << status;
  EXPECT_EQ(readOutput(child_, "", 1000), "tail without newlinedisplay connection lost\n");
}

TEST_F(ChildWindow, NoDisplayPrintsOneLineAndExitsWithStatusOne) {
  child_ = startChild({"open"}, false);
  ASSERT_GT(child_.pid, 0);
  std::string output = readOutput(child_, "", 10000);
  int status = 0;
  ASSERT_TRUE(waitForExit(child_, 5000, status));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "status " << status;
  EXPECT_EQ(output.rfind("cannot open window: ", 0), 0u) << output;
  EXPECT_EQ(output.find('\n'), output.size() - 1) << "exactly one line: " << output;
}

}  // namespace
