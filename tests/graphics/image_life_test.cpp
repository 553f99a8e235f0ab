// IMAGE life and copies: construction, resize, copy assignment and construction, the
// 64-byte aligned buffers, and the refusal of absurd sizes.
#include <gtest/gtest.h>

#include <cstdint>

#include "graphics/colour.h"
#include "graphics/device.h"
#include "graphics/graphics_state.h"
#include "graphics/image.h"

namespace {

// Compares two images word by word and names the first differing pixel.
::testing::AssertionResult samePixels(IMAGE& actual, IMAGE& expected) {
  if (actual.width() != expected.width() || actual.height() != expected.height())
    return ::testing::AssertionFailure() << "size " << actual.width() << " x " << actual.height() << ", expected "
                                         << expected.width() << " x " << expected.height();
  const std::uint32_t* a = pixelBuffer(&actual);
  const std::uint32_t* e = pixelBuffer(&expected);
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x) {
      std::size_t i = std::size_t(y) * actual.width() + x;
      if (a[i] != e[i])
        return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is 0x" << std::hex << a[i]
                                             << ", expected 0x" << e[i];
    }
  return ::testing::AssertionSuccess();
}

void fillCounting(IMAGE& image, std::uint32_t base) {
  std::uint32_t* p = pixelBuffer(&image);
  for (int i = 0; i < image.width() * image.height(); ++i) p[i] = base + std::uint32_t(i);
}

TEST(ImageConstruction, DefaultImageIsEmptyWithoutBuffer) {
  IMAGE image;
  EXPECT_EQ(image.width(), 0);
  EXPECT_EQ(image.height(), 0);
  EXPECT_EQ(pixelBuffer(&image), nullptr);
}

TEST(ImageConstruction, SizedImageHoldsZeroWords) {
  IMAGE image(3, 2);
  ASSERT_EQ(image.width(), 3);
  ASSERT_EQ(image.height(), 2);
  const std::uint32_t* p = pixelBuffer(&image);
  ASSERT_NE(p, nullptr);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(p[i], 0u) << "word " << i;
}

TEST(ImageConstruction, ZeroSideKeepsTheSizeButGivesNoBuffer) {
  IMAGE wide(5, 0);
  EXPECT_EQ(wide.width(), 5);
  EXPECT_EQ(wide.height(), 0);
  EXPECT_EQ(pixelBuffer(&wide), nullptr);
  IMAGE tall(0, 7);
  EXPECT_EQ(tall.width(), 0);
  EXPECT_EQ(tall.height(), 7);
  EXPECT_EQ(pixelBuffer(&tall), nullptr);
  setDrawTarget(&wide);
  EXPECT_EQ(targetWidth(), 5);
  gfx::graphicsState.currentDevice->clearTarget();
  gfx::graphicsState.currentDevice->drawRectangle(0, 0, 4, 4);
  EXPECT_EQ(pixelBuffer(&wide), nullptr) << "drawing on it makes no pixels";
  setDrawTarget(nullptr);
}

TEST(ImageConstruction, DefaultDrawingState) {
  IMAGE image(1, 1);
  const float identity[6] = {1, 0, 0, 1, 0, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(image.transform[i], identity[i]) << "transform[" << i << "]";
  EXPECT_EQ(image.lineColour, 0xFFFFFFu);
  EXPECT_EQ(image.fillColour, 0xFFFFFFu);
  EXPECT_EQ(image.textColour, 0xFFFFFFu);
  EXPECT_EQ(image.backColour, 0u);
  EXPECT_NE(image.context, nullptr);
  EXPECT_EQ(image.lineStyle.style, 0u);
  EXPECT_EQ(image.lineStyle.thickness, 1);
  EXPECT_EQ(image.fillStyle.style, 0);
}

TEST(ImageBuffer, BuffersAre64ByteAligned) {
  for (int side : {1, 3, 7, 33, 100}) {
    IMAGE image(side, side + 1);
    auto address = reinterpret_cast<std::uintptr_t>(pixelBuffer(&image));
    EXPECT_EQ(address % 64, 0u) << side << " x " << side + 1;
  }
}

TEST(ImageBuffer, AbsurdSizesAreRefusedAndLeaveTheImageAsItWas) {
  IMAGE tooWide(16385, 1);
  EXPECT_EQ(pixelBuffer(&tooWide), nullptr);
  EXPECT_EQ(tooWide.width(), 0);
  IMAGE negative(-5, 3);
  EXPECT_EQ(pixelBuffer(&negative), nullptr);
  EXPECT_EQ(negative.width(), 0);

  IMAGE image(2, 2);
  fillCounting(image, 0x11000000);
  IMAGE before(image);
  image.resize(16384, 16384);  // 1 GiB of words: more than 256 MiB
  EXPECT_TRUE(samePixels(image, before));
  image.resize(20000, 2);
  EXPECT_TRUE(samePixels(image, before));
  image.resize(-3, 4);
  EXPECT_TRUE(samePixels(image, before));
}

TEST(ImageBuffer, LargestAllowedSizeIsMade) {
  IMAGE image(16384, 4096);  // exactly 256 MiB
  EXPECT_NE(pixelBuffer(&image), nullptr);
  EXPECT_EQ(image.width(), 16384);
}

TEST(ImageResize, ZeroSideChangesNothing) {
  IMAGE image(2, 2);
  fillCounting(image, 0xAB000001);
  IMAGE before(image);
  image.resize(0, 5);
  EXPECT_TRUE(samePixels(image, before));
  image.resize(5, 0);
  EXPECT_TRUE(samePixels(image, before));
}

TEST(ImageResize, ZeroSideLeavesAnEmptyImageEmpty) {
  IMAGE image;
  image.resize(0, 5);
  EXPECT_EQ(image.width(), 0);
  EXPECT_EQ(image.height(), 0);
  EXPECT_EQ(pixelBuffer(&image), nullptr);
}

TEST(ImageResize, GrowingKeepsOldWordsAndFillsWithTheBackgroundWord) {
  IMAGE image(2, 2);
  const std::uint32_t old[4] = {0xFF010203, 0x80040506, 0x00070809, 0x7F0A0B0C};
  for (int i = 0; i < 4; ++i) pixelBuffer(&image)[i] = old[i];
  image.backColour = 0x00336699;  // 0x00BBGGRR: red 0x99, green 0x66, blue 0x33
  const std::uint32_t fresh = gfx::colourToWord(image.backColour);
  ASSERT_EQ(fresh, 0x00996633u);
  image.resize(3, 3);
  ASSERT_EQ(image.width(), 3);
  ASSERT_EQ(image.height(), 3);
  const std::uint32_t expected[9] = {old[0], old[1], fresh, old[2], old[3], fresh, fresh, fresh, fresh};
  const std::uint32_t* p = pixelBuffer(&image);
  for (int i = 0; i < 9; ++i)
    EXPECT_EQ(p[i], expected[i]) << "pixel (" << i % 3 << ", " << i / 3 << ")";
}

TEST(ImageResize, ShrinkingKeepsTheTopLeftCorner) {
  IMAGE image(4, 3);
  fillCounting(image, 100);
  image.resize(2, 2);
  const std::uint32_t* p = pixelBuffer(&image);
  EXPECT_EQ(p[0], 100u);
  EXPECT_EQ(p[1], 101u);
  EXPECT_EQ(p[2], 104u);
  EXPECT_EQ(p[3], 105u);
}

TEST(ImageResize, EmptyImageGetsBackgroundWords) {
  IMAGE image;
  image.backColour = 0x01020304;  // the top byte is carried as alpha
  image.resize(2, 1);
  EXPECT_EQ(pixelBuffer(&image)[0], 0x01040302u);
  EXPECT_EQ(pixelBuffer(&image)[1], 0x01040302u);
}

TEST(ImageCopy, AssignmentCopiesSizeAndEveryByteButNotTheDrawingState) {
  IMAGE source(3, 2);
  fillCounting(source, 0xFE000000);
  source.backColour = 0x123456;
  source.lineColour = 0x654321;
  IMAGE target(1, 1);
  target = source;
  EXPECT_TRUE(samePixels(target, source));
  EXPECT_EQ(target.backColour, 0u);
  EXPECT_EQ(target.lineColour, 0xFFFFFFu);
  EXPECT_NE(pixelBuffer(&target), pixelBuffer(&source));
}

TEST(ImageCopy, SelfAssignmentDoesNothing) {
  IMAGE image(2, 3);
  fillCounting(image, 0x80000000);
  const std::uint32_t* before = pixelBuffer(&image);
  IMAGE expected(image);
  IMAGE& alias = image;
  image = alias;
  EXPECT_EQ(pixelBuffer(&image), before);
  EXPECT_TRUE(samePixels(image, expected));
}

TEST(ImageCopy, EmptySourceLeavesTheSize) {
  IMAGE image(4, 2);
  fillCounting(image, 7);
  IMAGE expected(image);
  IMAGE empty;
  image = empty;
  EXPECT_TRUE(samePixels(image, expected));
}

TEST(ImageCopy, CopyConstructionTakesSizeAndPixels) {
  IMAGE source(5, 4);
  fillCounting(source, 0xC0FFEE00);
  source.textColour = 0x0000FF;
  IMAGE copy(source);
  EXPECT_TRUE(samePixels(copy, source));
  EXPECT_EQ(copy.textColour, 0xFFFFFFu);
}

TEST(ImageCopy, CopyOfAnEmptyImageIsEmpty) {
  IMAGE empty;
  IMAGE copy(empty);
  EXPECT_EQ(copy.width(), 0);
  EXPECT_EQ(pixelBuffer(&copy), nullptr);
}

}  // namespace
