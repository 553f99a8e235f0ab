// Picture loading: sizes, clearing and drawing rules, both path separators, the colour
// types libpng reads, and refusal of absurd or damaged files. The PNGs are written here.
#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "graphics/image.h"
#include "graphics/image_file.h"
#include "tests/helpers/pixel_words.h"

namespace {

using test_pixels::sameWords;
using test_pixels::wordsOf;

namespace fs = std::filesystem;

struct PngLayout {
  int width = 0;
  int height = 0;
  int colourType = PNG_COLOR_TYPE_RGBA;
  int bitDepth = 8;
  int interlace = PNG_INTERLACE_NONE;
  std::vector<png_color> palette;
  std::vector<png_byte> paletteAlpha;
  std::vector<std::vector<png_byte>> rows;  // raw rows as PNG stores them
};

void writePng(const std::string& path, const PngLayout& layout) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    FAIL() << "libpng could not write " << path;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, layout.width, layout.height, layout.bitDepth, layout.colourType, layout.interlace,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!layout.palette.empty()) png_set_PLTE(png, info, layout.palette.data(), int(layout.palette.size()));
  if (!layout.paletteAlpha.empty())
    png_set_tRNS(png, info, layout.paletteAlpha.data(), int(layout.paletteAlpha.size()), nullptr);
  std::vector<png_bytep> rows;
  for (const auto& row : layout.rows) rows.push_back(const_cast<png_bytep>(row.data()));
  png_set_rows(png, info, rows.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

// An 8-bit RGBA picture from straight BGRA words.
PngLayout rgbaSpec(int width, int height, const std::vector<std::uint32_t>& words) {
  PngLayout layout;
  layout.width = width;
  layout.height = height;
  for (int y = 0; y < height; ++y) {
    std::vector<png_byte> row;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t w = words[std::size_t(y) * width + x];
      row.insert(row.end(), {png_byte(w >> 16), png_byte(w >> 8), png_byte(w), png_byte(w >> 24)});
    }
    layout.rows.push_back(row);
  }
  return layout;
}

class ImageFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("image_file_test_" + std::to_string(::getpid()));
    fs::create_directories(dir_ / "sub");
    // 40 x 30: (0, 0) transparent (with colour bytes in the file), (1, 0) opaque red,
    // (2, 0) half-transparent, the rest a distinct opaque pattern.
    picture_.resize(40 * 30);
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x)
        picture_[y * 40 + x] = 0xFF000000u | std::uint32_t(x * 6) << 16 | std::uint32_t(y * 8) << 8 | 0x40;
    picture_[0] = 0x00123456;
    picture_[1] = 0xFFFF0000;
    picture_[2] = 0x800A141E;
    writePng(path("pic.png"), rgbaSpec(40, 30, picture_));
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  // What the loader should give for the file: fully transparent pixels become 0.
  std::vector<std::uint32_t> expectedPicture() const {
    std::vector<std::uint32_t> expected = picture_;
    expected[0] = 0;
    return expected;
  }

  fs::path dir_;
  std::vector<std::uint32_t> picture_;
};

TEST_F(ImageFile, NaturalSizeKeepsStraightColourAndZeroesTransparentPixels) {
  IMAGE image;
  gfx::loadImageFile(&image, path("pic.png").c_str());
  ASSERT_EQ(image.width(), 40);
  ASSERT_EQ(image.height(), 30);
  const auto words = wordsOf(&image);
  EXPECT_EQ(words[0], 0u) << "a fully transparent pixel is word 0";
  EXPECT_EQ(words[1], 0xFFFF0000u) << "an opaque red pixel";
  EXPECT_EQ(words[2], 0x800A141Eu) << "colour of a half-transparent pixel stays unscaled";
  EXPECT_TRUE(sameWords(words, expectedPicture(), 40));
}

TEST_F(ImageFile, RequestedWidthStretchesOnlyHorizontally) {
  std::vector<std::uint32_t> halves(40 * 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) halves[y * 40 + x] = x < 20 ? 0xFFFF0000u : 0xFF0000FFu;
  writePng(path("halves.png"), rgbaSpec(40, 30, halves));
  IMAGE image;
  gfx::loadImageFile(&image, path("halves.png").c_str(), 80, 0);
  ASSERT_EQ(image.width(), 80);
  ASSERT_EQ(image.height(), 30);
  const std::uint32_t* p = pixelBuffer(&image);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 80; ++x) {
      const std::uint32_t w = p[y * 80 + x];
      if (x <= 38) {
        ASSERT_EQ(w, 0xFFFF0000u) << "left half stays red at (" << x << ", " << y << ")";
      } else if (x >= 41) {
        ASSERT_EQ(w, 0xFF0000FFu) << "right half stays blue at (" << x << ", " << y << ")";
      } else {
        EXPECT_EQ(w >> 24, 0xFFu) << "seam column " << x << " stays opaque";
        EXPECT_GT((w >> 16) & 0xFF, 0u) << "seam column " << x << " mixes in red";
        EXPECT_GT(w & 0xFF, 0u) << "seam column " << x << " mixes in blue";
      }
    }
  }
}

TEST_F(ImageFile, ImageWithPixelsKeepsItsSizeUnlessResizeIsAsked) {
  IMAGE kept(10, 10);
  std::fill(pixelBuffer(&kept), pixelBuffer(&kept) + 100, 0xDEADBEEFu);
  gfx::loadImageFile(&kept, path("pic.png").c_str(), 0, 0, false);
  ASSERT_EQ(kept.width(), 10);
  ASSERT_EQ(kept.height(), 10);
  std::vector<std::uint32_t> topLeft;
  const auto expected = expectedPicture();
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) topLeft.push_back(expected[y * 40 + x]);
  EXPECT_TRUE(sameWords(wordsOf(&kept), topLeft, 10)) << "top-left 10 x 10 of the picture";

  IMAGE resized(10, 10);
  gfx::loadImageFile(&resized, path("pic.png").c_str(), 0, 0, true);
  ASSERT_EQ(resized.width(), 40);
  ASSERT_EQ(resized.height(), 30);
  EXPECT_TRUE(sameWords(wordsOf(&resized), expected, 40));

  // A larger image is cleared: words outside the picture become 0.
  IMAGE larger(50, 35);
  std::fill(pixelBuffer(&larger), pixelBuffer(&larger) + 50 * 35, 0xDEADBEEFu);
  gfx::loadImageFile(&larger, path("pic.png").c_str());
  ASSERT_EQ(larger.width(), 50);
  const std::uint32_t* p = pixelBuffer(&larger);
  EXPECT_EQ(p[1], 0xFFFF0000u);
  EXPECT_EQ(p[45], 0u) << "right of the picture is cleared";
  EXPECT_EQ(p[50 * 34 + 3], 0u) << "below the picture is cleared";
}

TEST_F(ImageFile, ReloadGivesTheSamePixelsAgain) {
  IMAGE image;
  gfx::loadImageFile(&image, path("pic.png").c_str());
  std::uint32_t* p = pixelBuffer(&image);
  std::fill(p, p + 40 * 30, 0x11111111u);
  gfx::loadImageFile(&image, path("pic.png").c_str());
  ASSERT_EQ(image.width(), 40);
  EXPECT_TRUE(sameWords(wordsOf(&image), expectedPicture(), 40));
}

TEST_F(ImageFile, MissingFileIsAnEmptyPictureSilently) {
  IMAGE fresh;
  gfx::loadImageFile(&fresh, path("missing.png").c_str());
  EXPECT_EQ(fresh.width(), 0);
  EXPECT_EQ(fresh.height(), 0);
  EXPECT_EQ(pixelBuffer(&fresh), nullptr);

  IMAGE withPixels(4, 3);
  std::fill(pixelBuffer(&withPixels), pixelBuffer(&withPixels) + 12, 0xDEADBEEFu);
  gfx::loadImageFile(&withPixels, path("missing.png").c_str());
  ASSERT_EQ(withPixels.width(), 4);
  EXPECT_TRUE(sameWords(wordsOf(&withPixels), std::vector<std::uint32_t>(12, 0), 4))
      << "an image with pixels is cleared and keeps its size";

  IMAGE sized;
  gfx::loadImageFile(&sized, path("missing.png").c_str(), 5, 4);
  ASSERT_EQ(sized.width(), 5);
  ASSERT_EQ(sized.height(), 4);
  EXPECT_TRUE(sameWords(wordsOf(&sized), std::vector<std::uint32_t>(20, 0), 5))
      << "a requested size gives a transparent black image";
}

TEST_F(ImageFile, BothSeparatorsLoadTheSameFile) {
  writePng(path("sub/pic.png"), rgbaSpec(40, 30, picture_));
  const std::string slash = dir_.string() + "/sub/pic.png";
  const std::string backslash = dir_.string() + "\\sub\\pic.png";
  IMAGE a, b;
  gfx::loadImageFile(&a, slash.c_str());
  gfx::loadImageFile(&b, backslash.c_str());
  ASSERT_EQ(b.width(), 40) << backslash;
  EXPECT_TRUE(sameWords(wordsOf(&b), wordsOf(&a), 40));
}

TEST_F(ImageFile, PaletteGreySixteenBitAndInterlacedDecode) {
  {
    PngLayout layout;
    layout.width = 3;
    layout.height = 1;
    layout.colourType = PNG_COLOR_TYPE_PALETTE;
    layout.palette = {{255, 0, 0}, {0, 255, 0}, {10, 20, 30}};
    layout.paletteAlpha = {255, 0, 128};
    layout.rows = {{0, 1, 2}};
    writePng(path("palette.png"), layout);
    IMAGE image;
    gfx::loadImageFile(&image, path("palette.png").c_str());
    EXPECT_TRUE(sameWords(wordsOf(&image), {0xFFFF0000u, 0u, 0x800A141Eu}, 3)) << "palette with tRNS";
  }
  {
    PngLayout layout;
    layout.width = 2;
    layout.height = 1;
    layout.colourType = PNG_COLOR_TYPE_GRAY;
    layout.rows = {{0x80, 0xFF}};
    writePng(path("grey.png"), layout);
    IMAGE image;
    gfx::loadImageFile(&image, path("grey.png").c_str());
    EXPECT_TRUE(sameWords(wordsOf(&image), {0xFF808080u, 0xFFFFFFFFu}, 2)) << "8-bit grey";
  }
  {
    PngLayout layout;
    layout.width = 2;
    layout.height = 1;
    layout.colourType = PNG_COLOR_TYPE_GRAY_ALPHA;
    layout.rows = {{0x40, 0xFF, 0x40, 0x00}};
    writePng(path("greyalpha.png"), layout);
    IMAGE image;
    gfx::loadImageFile(&image, path("greyalpha.png").c_str());
    EXPECT_TRUE(sameWords(wordsOf(&image), {0xFF404040u, 0u}, 2)) << "grey with alpha";
  }
  {
    PngLayout layout;
    layout.width = 2;
    layout.height = 1;
    layout.bitDepth = 16;
    layout.rows = {{0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, /**/ 0, 0, 0xFF, 0xFF, 0, 0, 0, 0}};
    writePng(path("deep.png"), layout);
    IMAGE image;
    gfx::loadImageFile(&image, path("deep.png").c_str());
    EXPECT_TRUE(sameWords(wordsOf(&image), {0xFFFF0000u, 0u}, 2)) << "16-bit RGBA";
  }
  {
    PngLayout layout = rgbaSpec(40, 30, picture_);
    layout.interlace = PNG_INTERLACE_ADAM7;
    writePng(path("interlaced.png"), layout);
    IMAGE image;
    gfx::loadImageFile(&image, path("interlaced.png").c_str());
    ASSERT_EQ(image.width(), 40);
    EXPECT_TRUE(sameWords(wordsOf(&image), expectedPicture(), 40)) << "Adam7 interlaced";
  }
}

// A PNG signature and an IHDR chunk claiming width x height, with a correct CRC.
std::vector<std::uint8_t> headerOnlyPng(std::uint32_t width, std::uint32_t height) {
  std::vector<std::uint8_t> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  auto put32 = [&bytes](std::uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) bytes.push_back(std::uint8_t(v >> s));
  };
  put32(width);
  put32(height);
  bytes.insert(bytes.end(), {8, 6, 0, 0, 0});
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 12; i < bytes.size(); ++i) {
    crc ^= bytes[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  put32(crc ^ 0xFFFFFFFFu);
  return bytes;
}

TEST_F(ImageFile, AbsurdDimensionsAreNoPicture) {
  for (const auto& [w, h] : std::vector<std::pair<std::uint32_t, std::uint32_t>>{
           {100000, 100000}, {16385, 1}, {1, 16385}, {16384, 16384}, {8192, 8193}}) {
    const auto bytes = headerOnlyPng(w, h);
    gfx::GlobalMemory memory;
    memory.assign(bytes.data(), std::uint32_t(bytes.size()));
    IMAGE image;
    memory.decodeInto(&image, 0, 0, false);
    EXPECT_EQ(image.width(), 0) << w << " x " << h << " is refused";
    EXPECT_EQ(pixelBuffer(&image), nullptr) << w << " x " << h;
  }
}

TEST_F(ImageFile, DamagedFilesNeverCrashAndDecodeToNothingOrAPicture) {
  std::FILE* file = std::fopen(path("pic.png").c_str(), "rb");
  ASSERT_NE(file, nullptr);
  std::vector<std::uint8_t> good(1 << 16);
  good.resize(std::fread(good.data(), 1, good.size(), file));
  std::fclose(file);

  const char notPng[] = "this is not a picture";
  IMAGE text;
  gfx::GlobalMemory memory;
  memory.assign(reinterpret_cast<const std::uint8_t*>(notPng), sizeof notPng);
  memory.decodeInto(&text, 0, 0, false);
  EXPECT_EQ(text.width(), 0) << "bytes that are no picture";

  IMAGE truncated;
  memory.assign(good.data(), std::uint32_t(good.size() / 2));
  memory.decodeInto(&truncated, 0, 0, false);
  EXPECT_EQ(truncated.width(), 0) << "a file cut in half is no picture";

  std::mt19937 random(1234);
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::uint8_t> bytes = good;
    const int flips = 1 + int(random() % 8);
    for (int k = 0; k < flips; ++k) bytes[random() % bytes.size()] = std::uint8_t(random());
    if (round % 5 == 0) bytes.resize(random() % bytes.size());
    IMAGE image;
    memory.assign(bytes.data(), std::uint32_t(bytes.size()));
    memory.decodeInto(&image, 0, 0, false);
    const bool empty = image.width() == 0 && image.height() == 0 && pixelBuffer(&image) == nullptr;
    const bool whole = image.width() > 0 && image.height() > 0 && pixelBuffer(&image) != nullptr;
    ASSERT_TRUE(empty || whole) << "round " << round << ": " << image.width() << " x " << image.height();
  }
}

}  // namespace
