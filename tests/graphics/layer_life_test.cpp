// The graphics layer's life by reference counting, and the window opened on the headless
// backend: openGraphics, deferred showing, closeGraphics, and a window that cannot be made.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "graphics/draw.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/fake/fake_platform.h"

namespace {

using gfx::graphicsState;

// Waits (up to two seconds) until the headless window thread has presented `count` frames.
bool waitForPresentedFrames(std::uint64_t count) {
  for (int i = 0; i < 2000; ++i) {
    if (platform::fake::presentedFrames() >= count) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

// Runs the layer child program with an argument; returns its standard output and error.
std::string runLayerChild(const std::string& argument, int& status) {
  std::string command = std::string(DA_LAYER_CHILD) + " " + argument + " 2>&1";
  FILE* child = popen(command.c_str(), "r");
  std::string output;
  if (!child) return output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, child)) output += buffer;
  status = pclose(child);
  return output;
}

TEST(LayerLife, FirstImageStartsTheLayerAndTheLastShutsItDown) {
  ASSERT_EQ(graphicsState.referenceCount, 0) << "something in this test program still holds the layer";
  ASSERT_EQ(graphicsState.window, nullptr);
  auto first = std::make_unique<IMAGE>();
  EXPECT_EQ(graphicsState.referenceCount, 2) << "the image's reference and the working image's own";
  EXPECT_NE(graphicsState.lock, nullptr);
  EXPECT_NE(graphicsState.imageDevice, nullptr);
  EXPECT_NE(graphicsState.windowDevice, nullptr);
  ASSERT_NE(graphicsState.window, nullptr);
  EXPECT_EQ(graphicsState.window->width(), 0);
  EXPECT_FALSE(graphicsState.window->isOpen());
  EXPECT_FALSE(graphicsState.window->deferring.load());
  gfx::GraphWnd* window = graphicsState.window;
  {
    IMAGE second(2, 2);
    EXPECT_EQ(graphicsState.referenceCount, 3);
  }
  EXPECT_EQ(graphicsState.referenceCount, 2);
  EXPECT_EQ(graphicsState.window, window) << "the layer stays started while an image lives";
  first.reset();
  EXPECT_EQ(graphicsState.referenceCount, 0);
  EXPECT_EQ(graphicsState.window, nullptr);
  EXPECT_EQ(graphicsState.imageDevice, nullptr);
  EXPECT_EQ(graphicsState.windowDevice, nullptr);
  EXPECT_EQ(graphicsState.lock, nullptr);
}

TEST(LayerLife, LayerStartsAgainAfterAShutDown) {
  for (int round = 0; round < 3; ++round) {
    IMAGE image(4, 4);
    EXPECT_EQ(graphicsState.referenceCount, 2) << "round " << round;
    EXPECT_NE(graphicsState.window, nullptr) << "round " << round;
  }
  EXPECT_EQ(graphicsState.referenceCount, 0);
}

TEST(LayerLife, OpenGraphicsStartsTheLayerAndCloseGraphicsEndsIt) {
  ASSERT_EQ(graphicsState.referenceCount, 0);
  gfx::openGraphics(32, 16, 0);
  EXPECT_EQ(graphicsState.referenceCount, 2);
  EXPECT_TRUE(graphicsState.window->isOpen());
  gfx::closeGraphics();
  EXPECT_EQ(graphicsState.referenceCount, 0);
  EXPECT_EQ(graphicsState.window, nullptr);
}

TEST(LayerLife, CloseGraphicsLeavesTheLayerToLivingImages) {
  IMAGE sprite(3, 3);
  gfx::openGraphics(32, 16, 0);
  EXPECT_EQ(graphicsState.referenceCount, 3);
  gfx::closeGraphics();
  EXPECT_EQ(graphicsState.referenceCount, 2);
  ASSERT_NE(graphicsState.window, nullptr);
  EXPECT_FALSE(graphicsState.window->isOpen());
  EXPECT_EQ(sprite.width(), 3);
}

TEST(LayerLife, StaticImagesStartTheLayerBeforeMainAndStopItAtExit) {
  int status = 0;
  std::string output = runLayerChild("", status);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status << ", output:\n" << output;
  EXPECT_EQ(output,
            "before main: count 2, window object yes\n"
            "with the window open: count 3, window open yes\n"
            "after closeGraphics: count 2, window object yes, window open no\n"
            "after the static images: count 0, window object no, devices no, lock no\n");
}

class HeadlessWindow : public ::testing::Test {
 protected:
  void SetUp() override { platform::fake::setTickCount(1000); }
};

TEST_F(HeadlessWindow, OpenGraphicsGivesABlackWorkingImageAsTheTarget) {
  IMAGE sprite(2, 2);
  setDrawTarget(&sprite);
  std::uint64_t framesBefore = platform::fake::presentedFrames();
  void* handle = gfx::openGraphics(1600, 960, 0);
  EXPECT_NE(handle, nullptr);
  gfx::GraphWnd* window = graphicsState.window;
  ASSERT_TRUE(window->isOpen());
  EXPECT_EQ(window->width(), 1600);
  EXPECT_EQ(window->height(), 960);
  EXPECT_EQ(graphicsState.currentTarget, window);
  EXPECT_TRUE(graphicsState.targetIsWindow);
  EXPECT_EQ(targetWidth(), 1600);
  EXPECT_EQ(targetHeight(), 960);
  const std::uint32_t* pixels = pixelBuffer(nullptr);
  ASSERT_NE(pixels, nullptr);
  EXPECT_EQ(pixels, pixelBuffer(window));
  std::size_t nonZero = 0;
  for (std::size_t i = 0; i < 1600u * 960u; ++i) nonZero += pixels[i] != 0;
  EXPECT_EQ(nonZero, 0u);
  EXPECT_TRUE(waitForPresentedFrames(framesBefore + 1)) << "openGraphics shows the cleared picture";
  gfx::closeGraphics();
  EXPECT_FALSE(window->isOpen());
}

TEST_F(HeadlessWindow, FlagsAreAcceptedAndReopeningReplacesTheWindow) {
  for (std::uint32_t flags : {1u, 2u, 4u, 8u, 15u}) {
    EXPECT_NE(gfx::openGraphics(40, 30, flags), nullptr) << "flags " << flags;
    EXPECT_EQ(targetWidth(), 40);
  }
  EXPECT_EQ(graphicsState.referenceCount, 2) << "each reopening dropped the previous window's reference";
  gfx::closeGraphics();
  EXPECT_EQ(graphicsState.referenceCount, 0);
}

TEST_F(HeadlessWindow, DeferredModeStopsTheAutomaticCopyUntilShowFrame) {
  std::uint64_t frames = platform::fake::presentedFrames();
  gfx::openGraphics(64, 32, 0);
  gfx::beginDeferredShow();
  EXPECT_TRUE(graphicsState.window->deferring.load());
  ASSERT_TRUE(waitForPresentedFrames(++frames)) << "the cleared picture of openGraphics";
  platform::fake::advanceTicks(100);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_EQ(platform::fake::presentedFrames(), frames) << "nothing is copied by itself in deferred mode";
  gfx::showFrame();
  EXPECT_TRUE(waitForPresentedFrames(frames + 1));
  gfx::endDeferredShow();
  EXPECT_FALSE(graphicsState.window->deferring.load());
  EXPECT_TRUE(waitForPresentedFrames(frames + 2));
  gfx::closeGraphics();
}

// The deferred-showing front functions act on the window even while an image is the draw
// target (under the sanitizer build, reaching them through the image device is reported).
TEST_F(HeadlessWindow, DeferredShowingReachesTheWindowWhileAnImageIsTheTarget) {
  std::uint64_t frames = platform::fake::presentedFrames();
  gfx::openGraphics(64, 32, 0);
  ASSERT_TRUE(waitForPresentedFrames(++frames)) << "the cleared picture of openGraphics";
  IMAGE sprite(4, 4);
  setDrawTarget(&sprite);
  gfx::beginDeferredShow();
  EXPECT_TRUE(graphicsState.window->deferring.load());
  gfx::showFrame();
  EXPECT_TRUE(waitForPresentedFrames(++frames));
  gfx::endDeferredShow();
  EXPECT_FALSE(graphicsState.window->deferring.load());
  EXPECT_TRUE(waitForPresentedFrames(++frames));
  EXPECT_EQ(graphicsState.currentTarget, &sprite) << "the draw target is left as it was";
  setDrawTarget(nullptr);
  gfx::closeGraphics();
}

TEST_F(HeadlessWindow, OutsideDeferredModeTheWindowCopiesWhenMoreThan16MsHavePassed) {
  std::uint64_t frames = platform::fake::presentedFrames();
  gfx::openGraphics(64, 32, 0);
  ASSERT_TRUE(waitForPresentedFrames(++frames)) << "the cleared picture of openGraphics";
  platform::fake::advanceTicks(16);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_EQ(platform::fake::presentedFrames(), frames) << "16 ms is not more than 16 ms";
  platform::fake::advanceTicks(1);
  EXPECT_TRUE(waitForPresentedFrames(frames + 1));
  platform::fake::advanceTicks(17);
  EXPECT_TRUE(waitForPresentedFrames(frames + 2));
  gfx::closeGraphics();
}

TEST(HeadlessWindowFailure, AWindowThatCannotBeMadeEndsTheProcessWithOneLine) {
  int status = 0;
  std::string output = runLayerChild("fail-window", status);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "status " << status;
  EXPECT_EQ(output, "cannot open window: no display (test)\n");
}

}  // namespace
