// The picture option's PNG: every pixel's red, green and blue as the working image holds
// them, whatever its top byte, and a clear failure for a file that cannot be written.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/dream_sim/frame_png.h"

namespace {

TEST(FramePng, WritesEveryPixelAsOpaqueRgb) {
  const std::vector<std::uint32_t> words = {0xFF123456u, 0x00ABCDEFu, 0x80000000u,
                                            0x00FFFFFFu, 0xFF0000FFu, 0x0000FF00u};
  const std::string path = ::testing::TempDir() + "frame_png_test.png";
  std::string error;
  ASSERT_TRUE(writeFramePng(path, words.data(), 3, 2, error)) << error;

  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str())) << image.message;
  EXPECT_EQ(image.width, 3u);
  EXPECT_EQ(image.height, 2u);
  EXPECT_EQ(image.format & PNG_FORMAT_FLAG_ALPHA, 0u) << "opaque";
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) << image.message;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::uint32_t got = std::uint32_t(rgb[3 * i]) << 16 | std::uint32_t(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
    EXPECT_EQ(got, words[i] & 0xFFFFFFu) << "pixel (" << i % 3 << ", " << i / 3 << ")";
  }
  std::remove(path.c_str());
}

TEST(FramePng, AnUnwritablePathIsAnError) {
  const std::uint32_t word = 0;
  std::string error;
  EXPECT_FALSE(writeFramePng("/nonexistent-directory/frame.png", &word, 1, 1, error));
  EXPECT_NE(error.find("/nonexistent-directory/frame.png"), std::string::npos) << error;
}

}  // namespace
