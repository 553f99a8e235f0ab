// The frame's place in windows of other sizes: windows that fit the laptop desktops of the
// game's players, fullscreen pictures with their bars, and the cursor mapped back to frame
// coordinates as the shots and clicks need it.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/base/picture_fit.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 960;

::testing::AssertionResult isPicture(const platform::PictureRect& got, platform::PictureRect want) {
  if (got.x == want.x && got.y == want.y && got.width == want.width && got.height == want.height)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << got.width << " x " << got.height << " at (" << got.x << ", " << got.y
                                       << "), expected " << want.width << " x " << want.height << " at (" << want.x
                                       << ", " << want.y << ")";
}

TEST(PictureFit, AWindowThatFitsTheDesktopKeepsTheFramesSize) {
  int w = 0, h = 0;
  platform::fitWindow(kWidth, kHeight, 1920, 1080, 2, 24, w, h);
  EXPECT_EQ(w, kWidth);
  EXPECT_EQ(h, kHeight);
  platform::fitWindow(kWidth, kHeight, 1602, 984, 2, 24, w, h);  // exactly room enough
  EXPECT_EQ(w, kWidth);
  EXPECT_EQ(h, kHeight);
}

// The largest 5:3 client area whose window, frame included, lies on the usable area; one
// step more would not.
TEST(PictureFit, OnSmallDesktopsTheWindowIsTheLargestFiveByThreeThatFits) {
  struct Desktop {
    int width, height, borderWidth, borderHeight;
  };
  for (Desktop d : {Desktop{1366, 768, 2, 24}, {1440, 900, 2, 24}, {1280, 800, 2, 24}, {1600, 900, 2, 24},
                    {1600, 960, 0, 0}, {1366, 768, 0, 0}, {1600, 961, 2, 24}}) {
    SCOPED_TRACE(std::to_string(d.width) + " x " + std::to_string(d.height));
    int w = 0, h = 0;
    platform::fitWindow(kWidth, kHeight, d.width, d.height, d.borderWidth, d.borderHeight, w, h);
    const bool fitsAsIs = d.width - d.borderWidth >= kWidth && d.height - d.borderHeight >= kHeight;
    if (fitsAsIs) {
      EXPECT_EQ(w, kWidth);
      continue;
    }
    EXPECT_EQ(w * 3, h * 5) << w << " x " << h << " is not 5:3";
    EXPECT_LE(w + d.borderWidth, d.width);
    EXPECT_LE(h + d.borderHeight, d.height);
    EXPECT_TRUE(w + 5 + d.borderWidth > d.width || h + 3 + d.borderHeight > d.height) << w << " x " << h;
  }
  int w = 0, h = 0;
  platform::fitWindow(kWidth, kHeight, 1366, 768, 2, 24, w, h);
  EXPECT_EQ(w, 1240);
  EXPECT_EQ(h, 744);
}

TEST(PictureFit, FullscreenPicturesAreCentredWithBars) {
  EXPECT_TRUE(isPicture(platform::fitPicture(kWidth, kHeight, 1600, 960), {0, 0, 1600, 960}));
  EXPECT_TRUE(isPicture(platform::fitPicture(kWidth, kHeight, 1920, 1080), {60, 0, 1800, 1080}));
  EXPECT_TRUE(isPicture(platform::fitPicture(kWidth, kHeight, 1920, 1200), {0, 24, 1920, 1152}));
  EXPECT_TRUE(isPicture(platform::fitPicture(kWidth, kHeight, 1366, 768), {43, 0, 1280, 768}));
  const platform::PictureRect tiny = platform::fitPicture(kWidth, kHeight, 2, 2);
  EXPECT_EQ(tiny.width, 5) << "never empty";
  EXPECT_EQ(tiny.height, 3) << "never empty";
}

TEST(PictureFit, BarsCoverTheClientAreaAroundThePictureOnly) {
  platform::PictureRect bars[4];
  EXPECT_EQ(platform::barsAround({0, 0, 1600, 960}, 1600, 960, bars), 0) << "a picture that fills the window";
  ASSERT_EQ(platform::barsAround({60, 0, 1800, 1080}, 1920, 1080, bars), 2);
  EXPECT_TRUE(isPicture(bars[0], {0, 0, 60, 1080}));
  EXPECT_TRUE(isPicture(bars[1], {1860, 0, 60, 1080}));
  ASSERT_EQ(platform::barsAround({0, 24, 1920, 1152}, 1920, 1200, bars), 2);
  EXPECT_TRUE(isPicture(bars[0], {0, 0, 1920, 24}));
  EXPECT_TRUE(isPicture(bars[1], {0, 1176, 1920, 24}));
  ASSERT_EQ(platform::barsAround({10, 20, 100, 60}, 130, 90, bars), 4);
  EXPECT_TRUE(isPicture(bars[0], {0, 0, 130, 20}));
  EXPECT_TRUE(isPicture(bars[1], {0, 80, 130, 10}));
  EXPECT_TRUE(isPicture(bars[2], {0, 20, 10, 60}));
  EXPECT_TRUE(isPicture(bars[3], {110, 20, 20, 60}));
}

TEST(PictureFit, AtOneToOneTheCursorIsTheFramePosition) {
  const platform::PictureRect same{0, 0, kWidth, kHeight};
  for (int x : {-300, -1, 0, 1, 799, 1599, 1600, 1700}) {
    int fx = 0, fy = 0;
    platform::windowToFrame(same, kWidth, kHeight, x, x / 2, fx, fy);
    EXPECT_EQ(fx, x);
    EXPECT_EQ(fy, x / 2);
  }
}

// Every window pixel of a scaled picture maps to the frame pixel under its centre; the
// picture's edges map to the frame's, and outside the picture lies outside the frame.
TEST(PictureFit, ScaledCursorMapsToTheFramePixelUnderIt) {
  for (platform::PictureRect picture : {platform::PictureRect{0, 0, 1240, 744}, {60, 0, 1800, 1080}, {43, 0, 1280, 768}}) {
    SCOPED_TRACE(std::to_string(picture.width) + " x " + std::to_string(picture.height));
    for (int x = picture.x - 3; x < picture.x + picture.width + 3; ++x) {
      int fx = 0, fy = 0;
      platform::windowToFrame(picture, kWidth, kHeight, x, picture.y, fx, fy);
      const int expected = int(std::floor((x - picture.x + 0.5) * kWidth / picture.width));
      ASSERT_EQ(fx, expected) << "window x " << x;
      ASSERT_EQ(fy, 0);
    }
    int fx = 0, fy = 0;
    platform::windowToFrame(picture, kWidth, kHeight, picture.x + picture.width - 1, picture.y + picture.height - 1, fx, fy);
    EXPECT_EQ(fx, kWidth - 1);
    EXPECT_EQ(fy, kHeight - 1);
    platform::windowToFrame(picture, kWidth, kHeight, picture.x - 1, picture.y + picture.height, fx, fy);
    EXPECT_LT(fx, 0);
    EXPECT_GE(fy, kHeight);
  }
}

}  // namespace
