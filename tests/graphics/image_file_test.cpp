// Picture loading: sizes, clearing and drawing rules, both path separators; every PNG
// colour type, bit depth and layout decoding to the same words; and missing, empty,
// truncated, non-PNG, zero-size and hostile-dimension files leaving the image empty (or
// cleared at its size) without a crash and without allocating what the header claims.
// The PNGs are written here.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "graphics/image.h"
#include "graphics/image_file.h"
#include "tests/helpers/pixel_words.h"

namespace {

using test_pixels::hex;
using test_pixels::sameWords;
using test_pixels::wordsOf;

namespace fs = std::filesystem;

// How a picture is stored in the file.
struct PngForm {
  const char* name;
  int colourType;
  int bitDepth;
  int interlace;
};

constexpr PngForm kRgba8 = {"RGBA 8-bit", PNG_COLOR_TYPE_RGBA, 8, PNG_INTERLACE_NONE};

std::uint32_t channel(std::uint32_t word, int shift) { return (word >> shift) & 0xFF; }

int channelsOf(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_RGBA: return 4;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    default: return 1;
  }
}

bool formHasAlpha(const PngForm& form) {
  return form.colourType == PNG_COLOR_TYPE_RGBA || form.colourType == PNG_COLOR_TYPE_GRAY_ALPHA ||
         form.colourType == PNG_COLOR_TYPE_PALETTE;
}

// Writes width x height straight BGRA words as a PNG of the given form with libpng's full
// writer, so every decoder path is reached: a palette of the distinct words with their
// alphas in tRNS, grey taken from the blue channel (its top bits below 8 bits), 16-bit
// samples that widen each byte, packed samples, Adam7 interlacing.
void writePng(const std::string& path, const std::vector<std::uint32_t>& words, int width, int height,
              const PngForm& form = kRgba8) {
  std::vector<std::uint32_t> palette;
  if (form.colourType == PNG_COLOR_TYPE_PALETTE)
    for (std::uint32_t w : words)
      if (std::find(palette.begin(), palette.end(), w) == palette.end()) palette.push_back(w);
  const int channels = channelsOf(form.colourType);
  const int bytesPerSample = form.bitDepth == 16 ? 2 : 1;
  std::vector<std::vector<png_byte>> rows(height,
                                          std::vector<png_byte>(std::size_t(width) * channels * bytesPerSample, 0));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t w = words[std::size_t(y) * width + x];
      std::vector<std::uint32_t> samples;
      switch (form.colourType) {
        case PNG_COLOR_TYPE_RGBA: samples = {channel(w, 16), channel(w, 8), channel(w, 0), channel(w, 24)}; break;
        case PNG_COLOR_TYPE_RGB: samples = {channel(w, 16), channel(w, 8), channel(w, 0)}; break;
        case PNG_COLOR_TYPE_GRAY_ALPHA: samples = {channel(w, 0), channel(w, 24)}; break;
        case PNG_COLOR_TYPE_GRAY: samples = {channel(w, 0) >> (8 - std::min(form.bitDepth, 8))}; break;
        default: samples = {std::uint32_t(std::find(palette.begin(), palette.end(), w) - palette.begin())}; break;
      }
      for (int c = 0; c < channels; ++c) {
        const std::size_t at = (std::size_t(x) * channels + c) * bytesPerSample;
        if (form.bitDepth == 16) {
          rows[y][at] = rows[y][at + 1] = png_byte(samples[c]);
        } else if (form.bitDepth < 8) {
          // Packed samples: the x-th sample of the row, most significant bits first.
          const int perByte = 8 / form.bitDepth;
          rows[y][std::size_t(x) / perByte] |= png_byte(samples[c] << (8 - form.bitDepth * (x % perByte + 1)));
        } else {
          rows[y][at] = png_byte(samples[c]);
        }
      }
    }
  }

  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    FAIL() << "libpng could not write " << form.name << " to " << path;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, width, height, form.bitDepth, form.colourType, form.interlace,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!palette.empty()) {
    std::vector<png_color> colours;
    std::vector<png_byte> alphas;
    for (std::uint32_t w : palette) {
      colours.push_back({png_byte(channel(w, 16)), png_byte(channel(w, 8)), png_byte(channel(w, 0))});
      alphas.push_back(png_byte(channel(w, 24)));
    }
    png_set_PLTE(png, info, colours.data(), int(colours.size()));
    png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
  }
  std::vector<png_bytep> pointers;
  for (auto& row : rows) pointers.push_back(row.data());
  png_set_rows(png, info, pointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

// The words the loader must give for a picture written in a form: without alpha every
// pixel is opaque in its stored colour, and fully transparent pixels are word 0 whatever
// colour the file gives them.
std::vector<std::uint32_t> expectedWords(std::vector<std::uint32_t> words, const PngForm& form) {
  for (std::uint32_t& w : words) {
    if (!formHasAlpha(form)) w |= 0xFF000000u;
    if ((w >> 24) == 0) w = 0;
  }
  return words;
}

// Like sameWords, but a half-transparent pixel may be one step off in each channel: the
// 16-bit forms reach such pixels through libpng's linear path.
::testing::AssertionResult closeWords(const std::vector<std::uint32_t>& actual,
                                      const std::vector<std::uint32_t>& expected, int width) {
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure() << actual.size() << " words, expected " << expected.size();
  for (std::size_t i = 0; i < actual.size(); ++i) {
    const std::uint32_t alpha = expected[i] >> 24;
    bool close = actual[i] == expected[i];
    if (!close && alpha != 0 && alpha != 0xFF) {
      close = true;
      for (int shift : {0, 8, 16, 24})
        close = close && std::abs(int(channel(actual[i], shift)) - int(channel(expected[i], shift))) <= 1;
    }
    if (!close)
      return ::testing::AssertionFailure() << "pixel (" << i % width << ", " << i / width << ") is " << hex(actual[i])
                                           << ", expected " << hex(expected[i]);
  }
  return ::testing::AssertionSuccess();
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::uint32_t crc32Of(const std::uint8_t* bytes, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= bytes[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

void putBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int s = 24; s >= 0; s -= 8) out.push_back(std::uint8_t(v >> s));
}

long peakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A file that is no picture: a fresh image stays 0 x 0 without a buffer; an image with
// pixels keeps its size and is cleared to transparent black.
void expectNoPicture(const std::string& path, const std::string& what) {
  IMAGE fresh;
  gfx::loadImageFile(&fresh, path.c_str());
  EXPECT_EQ(fresh.width(), 0) << what;
  EXPECT_EQ(fresh.height(), 0) << what;
  EXPECT_EQ(pixelBuffer(&fresh), nullptr) << what;

  IMAGE loaded(4, 4);
  std::fill(pixelBuffer(&loaded), pixelBuffer(&loaded) + 16, 0xFF123456u);
  gfx::loadImageFile(&loaded, path.c_str());
  ASSERT_EQ(loaded.width(), 4) << what << ": a reload keeps the size";
  EXPECT_TRUE(sameWords(wordsOf(&loaded), std::vector<std::uint32_t>(16, 0u), 4))
      << what << ": a reload clears the pixels";
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
    writePng(path("pic.png"), picture_, 40, 30);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string path(const std::string& name) const { return (dir_ / name).string(); }

  // What the loader should give for the file: fully transparent pixels become 0.
  std::vector<std::uint32_t> expectedPicture() const { return expectedWords(picture_, kRgba8); }

  // A PNG whose header claims width x height (CRC correct, so only the size check can
  // refuse it), with the given colour type and bit depth, followed by the chunks after
  // the header of a real 1 x 1 picture.
  std::vector<std::uint8_t> pngClaiming(std::uint32_t width, std::uint32_t height, std::uint8_t colourType = 6,
                                        std::uint8_t bitDepth = 8) const {
    writePng(path("one.png"), {0xFF102030u}, 1, 1);
    const std::vector<std::uint8_t> real = readBytes(path("one.png"));
    std::vector<std::uint8_t> out(real.begin(), real.begin() + 8);
    std::vector<std::uint8_t> chunk = {'I', 'H', 'D', 'R'};
    putBig32(chunk, width);
    putBig32(chunk, height);
    chunk.insert(chunk.end(), {bitDepth, colourType, 0, 0, 0});
    putBig32(out, 13);
    out.insert(out.end(), chunk.begin(), chunk.end());
    putBig32(out, crc32Of(chunk.data(), chunk.size()));
    out.insert(out.end(), real.begin() + 8 + 25, real.end());
    return out;
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
  writePng(path("halves.png"), halves, 40, 30);
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

TEST_F(ImageFile, BothSeparatorsLoadTheSameFile) {
  writePng(path("sub/pic.png"), picture_, 40, 30);
  const std::string slash = dir_.string() + "/sub/pic.png";
  const std::string backslash = dir_.string() + "\\sub\\pic.png";
  IMAGE a, b;
  gfx::loadImageFile(&a, slash.c_str());
  gfx::loadImageFile(&b, backslash.c_str());
  ASSERT_EQ(b.width(), 40) << backslash;
  EXPECT_TRUE(sameWords(wordsOf(&b), wordsOf(&a), 40));
}

TEST_F(ImageFile, EveryColourTypeDepthAndLayoutDecodesToTheSameWords) {
  // 5 x 3 with full channels only, so that 16-bit files (read as linear light) and 1-bit
  // grey come back exact: opaque red, blue, white and black, transparent black and
  // transparent green, half-transparent red and green.
  const std::vector<std::uint32_t> colour = {
      0xFFFF0000, 0xFF0000FF, 0x00000000, 0xFFFFFFFF, 0xFF000000,  //
      0x80FF0000, 0xFF00FF00, 0xFFFFFFFF, 0x0000FF00, 0x8000FF00,  //
      0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFF0000FF, 0xFF00FF00,
  };
  // The same in grey: opaque black and white, transparent black and white, a
  // half-transparent white.
  const std::vector<std::uint32_t> grey = {
      0xFF000000, 0xFFFFFFFF, 0x00000000, 0x80FFFFFF, 0xFF000000,  //
      0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0x00FFFFFF, 0xFF000000,  //
      0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000,
  };
  // In-between values for the 8-bit forms, 3 x 1: a dark colour opaque and
  // half-transparent, mid greys.
  const std::vector<std::uint32_t> colourBetween = {0xFF0A141E, 0x0000FF00, 0x800A141E};
  const std::vector<std::uint32_t> greyBetween = {0xFF808080, 0xFF404040, 0x80404040};
  const struct {
    PngForm form;
    const std::vector<std::uint32_t>& words;
    int width;
  } cases[] = {
      {kRgba8, colour, 5},
      {{"RGBA 8-bit interlaced", PNG_COLOR_TYPE_RGBA, 8, PNG_INTERLACE_ADAM7}, colour, 5},
      {{"RGBA 16-bit", PNG_COLOR_TYPE_RGBA, 16, PNG_INTERLACE_NONE}, colour, 5},
      {{"RGBA 16-bit interlaced", PNG_COLOR_TYPE_RGBA, 16, PNG_INTERLACE_ADAM7}, colour, 5},
      {{"RGB 8-bit", PNG_COLOR_TYPE_RGB, 8, PNG_INTERLACE_NONE}, colour, 5},
      {{"RGB 16-bit", PNG_COLOR_TYPE_RGB, 16, PNG_INTERLACE_NONE}, colour, 5},
      {{"palette 8-bit with tRNS", PNG_COLOR_TYPE_PALETTE, 8, PNG_INTERLACE_NONE}, colour, 5},
      {{"palette 4-bit with tRNS, interlaced", PNG_COLOR_TYPE_PALETTE, 4, PNG_INTERLACE_ADAM7}, colour, 5},
      {{"grey 8-bit", PNG_COLOR_TYPE_GRAY, 8, PNG_INTERLACE_NONE}, grey, 5},
      {{"grey 1-bit", PNG_COLOR_TYPE_GRAY, 1, PNG_INTERLACE_NONE}, grey, 5},
      {{"grey 16-bit", PNG_COLOR_TYPE_GRAY, 16, PNG_INTERLACE_NONE}, grey, 5},
      {{"grey+alpha 8-bit", PNG_COLOR_TYPE_GRAY_ALPHA, 8, PNG_INTERLACE_NONE}, grey, 5},
      {{"grey+alpha 16-bit interlaced", PNG_COLOR_TYPE_GRAY_ALPHA, 16, PNG_INTERLACE_ADAM7}, grey, 5},
      {{"RGBA 8-bit, in-between values", PNG_COLOR_TYPE_RGBA, 8, PNG_INTERLACE_NONE}, colourBetween, 3},
      {{"RGB 8-bit, in-between values", PNG_COLOR_TYPE_RGB, 8, PNG_INTERLACE_NONE}, colourBetween, 3},
      {{"palette 8-bit with tRNS, in-between values", PNG_COLOR_TYPE_PALETTE, 8, PNG_INTERLACE_NONE}, colourBetween, 3},
      {{"grey 8-bit, in-between values", PNG_COLOR_TYPE_GRAY, 8, PNG_INTERLACE_NONE}, greyBetween, 3},
      {{"grey+alpha 8-bit, in-between values", PNG_COLOR_TYPE_GRAY_ALPHA, 8, PNG_INTERLACE_NONE}, greyBetween, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.form.name);
    const int height = int(c.words.size()) / c.width;
    writePng(path("form.png"), c.words, c.width, height, c.form);
    IMAGE image;
    gfx::loadImageFile(&image, path("form.png").c_str());
    ASSERT_EQ(image.width(), c.width);
    ASSERT_EQ(image.height(), height);
    EXPECT_TRUE(closeWords(wordsOf(&image), expectedWords(c.words, c.form), c.width));
  }

  // 5 x 3 leaves the third Adam7 pass empty: the 40 x 30 picture fills all seven.
  writePng(path("interlaced.png"), picture_, 40, 30, {"Adam7", PNG_COLOR_TYPE_RGBA, 8, PNG_INTERLACE_ADAM7});
  IMAGE image;
  gfx::loadImageFile(&image, path("interlaced.png").c_str());
  ASSERT_EQ(image.width(), 40);
  EXPECT_TRUE(sameWords(wordsOf(&image), expectedPicture(), 40)) << "Adam7 interlaced, 40 x 30";
}

TEST_F(ImageFile, MissingEmptyTruncatedAndNonPngFilesLeaveNoPicture) {
  const std::vector<std::uint8_t> bytes = readBytes(path("pic.png"));

  expectNoPicture(path("no such file.png"), "missing file");
  writeBytes(path("empty.png"), {});
  expectNoPicture(path("empty.png"), "empty file");
  writeBytes(path("signature.png"), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8));
  expectNoPicture(path("signature.png"), "signature only");
  writeBytes(path("half.png"), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + bytes.size() / 2));
  expectNoPicture(path("half.png"), "truncated in the middle");
  writeBytes(path("noend.png"), std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 12));
  IMAGE withoutEnd;
  gfx::loadImageFile(&withoutEnd, path("noend.png").c_str());
  EXPECT_TRUE(withoutEnd.width() == 0 || withoutEnd.width() == 40) << "a file cut before IEND: either form is fine";
  const std::string text = "6 30 3 1\n4 20 2 2\n";
  writeBytes(path("text.png"), std::vector<std::uint8_t>(text.begin(), text.end()));
  expectNoPicture(path("text.png"), "a text file named .png");
  writeBytes(path("jpeg.png"), {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0});
  expectNoPicture(path("jpeg.png"), "a JPEG header named .png");
  expectNoPicture(dir_.string(), "a directory");

  IMAGE sized;
  gfx::loadImageFile(&sized, path("no such file.png").c_str(), 5, 4);
  ASSERT_EQ(sized.width(), 5);
  ASSERT_EQ(sized.height(), 4);
  EXPECT_TRUE(sameWords(wordsOf(&sized), std::vector<std::uint32_t>(20, 0), 5))
      << "a missing file at a requested size gives a transparent black image";
}

TEST_F(ImageFile, DamagedFilesNeverCrashAndDecodeToNothingOrAPicture) {
  const std::vector<std::uint8_t> good = readBytes(path("pic.png"));
  gfx::GlobalMemory memory;
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

TEST_F(ImageFile, ZeroSizeHostileDimensionsAndBadColourTypesAreRefusedWithoutAllocating) {
  const long before = peakResidentKiB();
  const struct {
    std::uint32_t width, height;
    std::uint8_t colourType, bitDepth;
    const char* what;
  } cases[] = {
      {0, 1, 6, 8, "zero width"},
      {1, 0, 6, 8, "zero height"},
      {1000000, 1000000, 6, 8, "a million on each side"},
      {0x7FFFFFFF, 0x7FFFFFFF, 6, 8, "the largest size PNG allows"},
      {16385, 1, 6, 8, "one column more than the side limit"},
      {1, 16385, 6, 8, "one row more than the side limit"},
      {8192, 8193, 6, 8, "one row more than the buffer limit"},
      {16384, 16384, 6, 16, "a 16-bit picture of 2 GiB"},
      {65535, 65535, 3, 8, "a palette picture of 16 GiB"},
      {1, 1, 5, 8, "colour type 5, which does not exist"},
      {1, 1, 6, 3, "bit depth 3 for RGBA"},
      {1, 1, 3, 16, "16-bit palette"},
  };
  for (const auto& c : cases) {
    writeBytes(path("claims.png"), pngClaiming(c.width, c.height, c.colourType, c.bitDepth));
    expectNoPicture(path("claims.png"), c.what);
  }
  const long grown = peakResidentKiB() - before;
  EXPECT_LT(grown, 64 * 1024) << "peak resident memory grew by " << grown
                              << " KiB: a claimed size was allocated before it was checked";
}

TEST_F(ImageFile, ACorrectHeaderWithMissingRowsDecodesNothingAndCostsLittle) {
  // 16384 x 16384 RGBA is 1 GiB: above the buffer limit, so it is refused from the header.
  const long before = peakResidentKiB();
  writeBytes(path("big.png"), pngClaiming(16384, 16384));
  expectNoPicture(path("big.png"), "16384 x 16384 with the rows of a 1 x 1 picture");
  // 4000 x 10 fits the limits: the buffer is made, the rows run out, nothing is drawn.
  writeBytes(path("big.png"), pngClaiming(4000, 10));
  expectNoPicture(path("big.png"), "4000 x 10 with the rows of a 1 x 1 picture");
  EXPECT_LT(peakResidentKiB() - before, 64 * 1024);
}

}  // namespace
