// The mark over shown frames: laid into the copy that goes to the screen, at the top-right
// corner, in a box with its text; never into the working image; an empty text takes it away.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "graphics/draw.h"
#include "graphics/frame_mark.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"

namespace {

constexpr int kWidth = 1600, kHeight = 960;
constexpr std::uint32_t kGround = 0x123456;

// The box of pixels that differ from the ground: left, top, right, bottom (inclusive).
struct Box {
  int left = kWidth, top = kHeight, right = -1, bottom = -1;
};

Box changedBox(const std::vector<std::uint32_t>& frame) {
  Box box;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (frame[std::size_t(y) * kWidth + x] == kGround) continue;
      box.left = std::min(box.left, x);
      box.right = std::max(box.right, x);
      box.top = std::min(box.top, y);
      box.bottom = std::max(box.bottom, y);
    }
  return box;
}

TEST(FrameMark, TheMarkIsABoxWithItsTextAtTheTopRightCorner) {
  std::vector<std::uint32_t> frame(std::size_t(kWidth) * kHeight, kGround);
  gfx::markShownFrames("Replay");
  gfx::layMark(frame.data(), kWidth, kHeight);
  const Box box = changedBox(frame);
  EXPECT_EQ(box.right, kWidth - 13) << "12 pixels from the right edge";
  EXPECT_EQ(box.top, 12);
  EXPECT_GT(box.right - box.left, 60) << "wide enough for six letters";
  EXPECT_LT(box.right - box.left, 200);
  EXPECT_LT(box.bottom, 60);
  const auto white = std::count(frame.begin(), frame.end(), 0xFFFFFFu);
  EXPECT_GT(white, 50) << "the text's pixels";
  EXPECT_EQ(frame[std::size_t(box.top) * kWidth + box.left], 0xFF9600u) << "the border";

  std::vector<std::uint32_t> longer(frame.size(), kGround);
  gfx::markShownFrames("Replay - paused");
  gfx::layMark(longer.data(), kWidth, kHeight);
  EXPECT_LT(changedBox(longer).left, box.left) << "a longer text, a wider box, still at the right";

  std::vector<std::uint32_t> none(frame.size(), kGround);
  gfx::markShownFrames("");
  gfx::layMark(none.data(), kWidth, kHeight);
  EXPECT_EQ(changedBox(none).right, -1) << "an empty text lays nothing";
}

TEST(FrameMark, ShowingAFrameLeavesTheWorkingImageWithoutTheMark) {
  gfx::openGraphics(kWidth, kHeight, 0);
  setDrawTarget(nullptr);
  std::uint32_t* pixels = pixelBuffer(nullptr);
  ASSERT_NE(pixels, nullptr);
  std::fill_n(pixels, std::size_t(kWidth) * kHeight, kGround);
  gfx::markShownFrames("Replay");
  gfx::showFrame();
  gfx::showFrame();
  gfx::markShownFrames("");
  EXPECT_EQ(std::count(pixels, pixels + std::size_t(kWidth) * kHeight, kGround), kWidth * kHeight);
  gfx::closeGraphics();
}

}  // namespace
