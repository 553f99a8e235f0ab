// The draw target and the block copies between images: drawImage with its raster codes
// and clipping, captureImage, targetWidth / targetHeight. The window is the headless one.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "graphics/device.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "tests/helpers/pixel_words.h"

namespace {

using test_pixels::sameWords;
using test_pixels::wordsOf;

using gfx::graphicsState;

// A distinct word for every pixel, alpha byte included.
std::uint32_t patternWord(int x, int y) { return 0x80000000u | std::uint32_t(y) << 12 | std::uint32_t(x) | 0x01000000u * (x % 3); }

void fillPattern(IMAGE& image) {
  std::uint32_t* p = pixelBuffer(&image);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) p[y * image.width() + x] = patternWord(x, y);
}

void fillWith(IMAGE& image, std::uint32_t word) {
  std::uint32_t* p = pixelBuffer(&image);
  for (int i = 0; i < image.width() * image.height(); ++i) p[i] = word;
}

class BlockCopy : public ::testing::Test {
 protected:
  void SetUp() override { gfx::openGraphics(64, 48, 0); }
  void TearDown() override { gfx::closeGraphics(); }
};

TEST_F(BlockCopy, DrawImageAtNegativeCornerCopiesOnlyTheOverlapWithAlpha) {
  IMAGE sprite(20, 20);
  fillPattern(sprite);
  std::uint32_t* window = pixelBuffer(nullptr);
  for (int i = 0; i < 64 * 48; ++i) window[i] = 0x00ABCDEF;
  std::vector<std::uint32_t> expected = wordsOf(nullptr);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) expected[y * 64 + x] = patternWord(x + 10, y + 10);

  drawImage(-10, -10, &sprite);
  EXPECT_TRUE(sameWords(wordsOf(nullptr), expected, 64));
}

TEST_F(BlockCopy, DrawImagePastTheRightAndBottomEdgesIsClipped) {
  IMAGE sprite(20, 20);
  fillPattern(sprite);
  std::vector<std::uint32_t> expected = wordsOf(nullptr);
  for (int y = 40; y < 48; ++y)
    for (int x = 50; x < 64; ++x) expected[y * 64 + x] = patternWord(x - 50, y - 40);
  drawImage(50, 40, &sprite, 0x00CC0020);
  EXPECT_TRUE(sameWords(wordsOf(nullptr), expected, 64));
}

TEST_F(BlockCopy, DrawImageWhollyOutsideOrWithoutPixelsDrawsNothing) {
  IMAGE sprite(8, 8);
  fillPattern(sprite);
  IMAGE empty;
  std::vector<std::uint32_t> before = wordsOf(nullptr);
  drawImage(64, 0, &sprite);
  drawImage(0, 48, &sprite);
  drawImage(-8, -8, &sprite);
  drawImage(-2147483647, 2147483000, &sprite);
  drawImage(5, 5, &empty);
  drawImage(5, 5, nullptr);
  EXPECT_TRUE(sameWords(wordsOf(nullptr), before, 64));
}

TEST_F(BlockCopy, DrawImageOntoAnotherImage) {
  IMAGE sprite(3, 2);
  fillPattern(sprite);
  IMAGE canvas(5, 5);
  setDrawTarget(&canvas);
  drawImage(1, 2, &sprite);
  std::vector<std::uint32_t> expected(25, 0u);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) expected[(y + 2) * 5 + x + 1] = patternWord(x, y);
  EXPECT_TRUE(sameWords(wordsOf(&canvas), expected, 5));
  setDrawTarget(nullptr);
}

struct RasterCase {
  const char* name;
  std::uint32_t code;
  std::uint32_t (*expected)(std::uint32_t s, std::uint32_t d);
};

TEST_F(BlockCopy, StandardRasterCodesActBitwiseOnWholeWords) {
  const RasterCase cases[] = {
      {"SRCCOPY", 0x00CC0020, [](std::uint32_t s, std::uint32_t) { return s; }},
      {"SRCPAINT", 0x00EE0086, [](std::uint32_t s, std::uint32_t d) { return s | d; }},
      {"SRCAND", 0x008800C6, [](std::uint32_t s, std::uint32_t d) { return s & d; }},
      {"SRCINVERT", 0x00660046, [](std::uint32_t s, std::uint32_t d) { return s ^ d; }},
      {"SRCERASE", 0x00440328, [](std::uint32_t s, std::uint32_t d) { return s & ~d; }},
      {"NOTSRCCOPY", 0x00330008, [](std::uint32_t s, std::uint32_t) { return ~s; }},
      {"NOTSRCERASE", 0x001100A6, [](std::uint32_t s, std::uint32_t d) { return ~(s | d); }},
      {"DSTINVERT", 0x00550009, [](std::uint32_t, std::uint32_t d) { return ~d; }},
      {"BLACKNESS", 0x00000042, [](std::uint32_t, std::uint32_t) { return 0u; }},
      {"WHITENESS", 0x00FF0062, [](std::uint32_t, std::uint32_t) { return 0xFFFFFFFFu; }},
      {"MERGEPAINT", 0x00BB0226, [](std::uint32_t s, std::uint32_t d) { return ~s | d; }},
      {"DSna", 0x00220326, [](std::uint32_t s, std::uint32_t d) { return d & ~s; }},
      {"DSan", 0x007700E6, [](std::uint32_t s, std::uint32_t d) { return ~(d & s); }},
      {"DSxn", 0x00990066, [](std::uint32_t s, std::uint32_t d) { return ~(d ^ s); }},
      {"SDno", 0x00DD0228, [](std::uint32_t s, std::uint32_t d) { return s | ~d; }},
      {"D", 0x00AA0029, [](std::uint32_t, std::uint32_t d) { return d; }},
  };
  const std::uint32_t sourceWords[4] = {0xF0F0F0F0, 0x12345678, 0x00000000, 0xFFFFFFFF};
  const std::uint32_t targetWords[4] = {0xFF00FF00, 0x0F0F0F0F, 0xA5A5A5A5, 0x00FF00FF};
  IMAGE source(2, 2);
  for (int i = 0; i < 4; ++i) pixelBuffer(&source)[i] = sourceWords[i];
  IMAGE target(4, 2);
  setDrawTarget(&target);
  for (const RasterCase& c : cases) {
    std::uint32_t* t = pixelBuffer(&target);
    for (int i = 0; i < 8; ++i) t[i] = 0x5A5A5A5A;
    t[1] = targetWords[0];
    t[2] = targetWords[1];
    t[5] = targetWords[2];
    t[6] = targetWords[3];
    drawImage(1, 0, &source, c.code);
    std::vector<std::uint32_t> expected(8, 0x5A5A5A5A);
    expected[1] = c.expected(sourceWords[0], targetWords[0]);
    expected[2] = c.expected(sourceWords[1], targetWords[1]);
    expected[5] = c.expected(sourceWords[2], targetWords[2]);
    expected[6] = c.expected(sourceWords[3], targetWords[3]);
    EXPECT_TRUE(sameWords(wordsOf(&target), expected, 4)) << c.name;
  }
  setDrawTarget(nullptr);
}

TEST_F(BlockCopy, CodesThatNeedABrushDrawNothing) {
  IMAGE source(2, 2);
  fillWith(source, 0x11111111);
  IMAGE target(2, 2);
  fillWith(target, 0x22222222);
  setDrawTarget(&target);
  drawImage(0, 0, &source, 0x00F00021);  // PATCOPY
  drawImage(0, 0, &source, 0x00FB0A09);  // PATPAINT
  EXPECT_TRUE(sameWords(wordsOf(&target), std::vector<std::uint32_t>(4, 0x22222222), 2));
  setDrawTarget(nullptr);
}

TEST_F(BlockCopy, DrawImageOntoItselfReadsTheOriginalWords) {
  IMAGE image(4, 4);
  fillPattern(image);
  std::vector<std::uint32_t> original = wordsOf(&image);
  setDrawTarget(&image);
  drawImage(1, 1, &image);
  std::vector<std::uint32_t> expected = original;
  for (int y = 1; y < 4; ++y)
    for (int x = 1; x < 4; ++x) expected[y * 4 + x] = original[(y - 1) * 4 + x - 1];
  EXPECT_TRUE(sameWords(wordsOf(&image), expected, 4));

  fillPattern(image);
  drawImage(-1, 0, &image, 0x00660046);  // SRCINVERT with itself shifted left
  expected = original;
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 3; ++x) expected[y * 4 + x] = original[y * 4 + x + 1] ^ original[y * 4 + x];
  EXPECT_TRUE(sameWords(wordsOf(&image), expected, 4));
  setDrawTarget(nullptr);
}

TEST_F(BlockCopy, CaptureImageTakesTheRectangleOfTheTarget) {
  IMAGE source(8, 10);
  fillPattern(source);
  IMAGE captured(2, 2);
  setDrawTarget(&source);
  captureImage(&captured, 0, 5, 4, 3);
  ASSERT_EQ(captured.width(), 4);
  ASSERT_EQ(captured.height(), 3);
  std::vector<std::uint32_t> expected;
  for (int y = 5; y < 8; ++y)
    for (int x = 0; x < 4; ++x) expected.push_back(patternWord(x, y));
  EXPECT_TRUE(sameWords(wordsOf(&captured), expected, 4));
  setDrawTarget(nullptr);
}

TEST_F(BlockCopy, CaptureImageReadsOnlyInsideTheTarget) {
  IMAGE source(4, 4);
  fillPattern(source);
  IMAGE captured;
  setDrawTarget(&source);
  captureImage(&captured, -1, 2, 3, 4);
  ASSERT_EQ(captured.width(), 3);
  ASSERT_EQ(captured.height(), 4);
  const std::vector<std::uint32_t> expected = {
      0, patternWord(0, 2), patternWord(1, 2),  //
      0, patternWord(0, 3), patternWord(1, 3),  //
      0, 0, 0,                                  //
      0, 0, 0};
  EXPECT_TRUE(sameWords(wordsOf(&captured), expected, 3));
  setDrawTarget(nullptr);
}

TEST_F(BlockCopy, CaptureImageOfItsOwnTarget) {
  IMAGE image(4, 4);
  fillPattern(image);
  setDrawTarget(&image);
  captureImage(&image, 1, 1, 2, 2);
  ASSERT_EQ(image.width(), 2);
  EXPECT_TRUE(sameWords(wordsOf(&image),
                        {patternWord(1, 1), patternWord(2, 1), patternWord(1, 2), patternWord(2, 2)}, 2));
  setDrawTarget(nullptr);
}

TEST_F(BlockCopy, CaptureImageWithoutAreaGivesAnImageThatDrawsNothing) {
  IMAGE source(4, 4);
  fillPattern(source);
  IMAGE captured(3, 3);
  setDrawTarget(&source);
  captureImage(&captured, 0, 0, 0, 3);
  EXPECT_EQ(pixelBuffer(&captured), nullptr);
  captureImage(&captured, 0, 0, 3, -2);
  EXPECT_EQ(pixelBuffer(&captured), nullptr);
  setDrawTarget(nullptr);
  std::vector<std::uint32_t> before = wordsOf(nullptr);
  drawImage(0, 0, &captured);
  EXPECT_TRUE(sameWords(wordsOf(nullptr), before, 64));
}

TEST_F(BlockCopy, CaptureImageFromTheWindow) {
  std::uint32_t* window = pixelBuffer(nullptr);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) window[y * 64 + x] = patternWord(x, y);
  IMAGE captured;
  captureImage(&captured, 60, 45, 2, 2);
  EXPECT_TRUE(sameWords(wordsOf(&captured),
                        {patternWord(60, 45), patternWord(61, 45), patternWord(60, 46), patternWord(61, 46)}, 2));
}

TEST_F(BlockCopy, TargetSizesFollowTheDrawTarget) {
  EXPECT_EQ(targetWidth(), 64);
  EXPECT_EQ(targetHeight(), 48);
  IMAGE sprite(7, 3);
  setDrawTarget(&sprite);
  EXPECT_EQ(targetWidth(), 7);
  EXPECT_EQ(targetHeight(), 3);
  EXPECT_EQ(graphicsState.currentTarget, &sprite);
  EXPECT_EQ(graphicsState.currentDevice, graphicsState.imageDevice);
  setDrawTarget(nullptr);
  EXPECT_EQ(targetWidth(), 64);
  EXPECT_EQ(targetHeight(), 48);
  EXPECT_EQ(graphicsState.currentDevice, static_cast<gfx::DrawOnImg*>(graphicsState.windowDevice));
  EXPECT_TRUE(graphicsState.targetIsWindow);
}

TEST(DrawTarget, NullWithoutAWindowLeavesNoTarget) {
  IMAGE sprite(2, 2);
  setDrawTarget(&sprite);
  setDrawTarget(nullptr);
  EXPECT_EQ(graphicsState.currentTarget, nullptr);
  EXPECT_EQ(graphicsState.currentDevice, nullptr);
  EXPECT_EQ(targetWidth(), 0);
}

TEST(DrawTarget, DestroyedTargetIsForgotten) {
  {
    IMAGE sprite(2, 2);
    setDrawTarget(&sprite);
  }
  EXPECT_EQ(graphicsState.currentTarget, nullptr);
  EXPECT_EQ(graphicsState.currentDevice, nullptr);
}

}  // namespace
