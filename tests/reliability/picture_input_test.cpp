// Pictures a player may put in resources/: every PNG colour type, bit depth and layout
// decodes to the same pixel words; missing, empty, truncated, non-PNG, zero-size and
// hostile-dimension files leave the image empty (or cleared at its size) without a
// crash and without allocating what the header claims.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "graphics/image.h"
#include "graphics/image_file.h"

namespace {

namespace fs = std::filesystem;

// The test picture, 5 x 3, as straight BGRA words: opaque red, blue, white and black,
// fully transparent, and two half-transparent colours.
const std::vector<std::uint32_t> kWords = {
    0xFFFF0000, 0xFF0000FF, 0x00000000, 0xFFFFFFFF, 0xFF000000,  //
    0x80FF0000, 0xFF00FF00, 0xFFFFFFFF, 0x00000000, 0x8000FF00,  //
    0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFF0000FF, 0xFF00FF00,
};
constexpr int kW = 5, kH = 3;

// The same picture in grey: opaque black, white, fully transparent and a half-transparent white.
const std::vector<std::uint32_t> kGreyWords = {
    0xFF000000, 0xFFFFFFFF, 0x00000000, 0x80FFFFFF, 0xFF000000,  //
    0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0x00000000, 0xFF000000,  //
    0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF000000,
};

struct PngForm {
  const char* name;
  int colourType;
  int bitDepth;
  bool interlaced;
  bool grey;  // the picture is kGreyWords, else kWords
};

fs::path scratch() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("da_rel_pictures_" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

std::uint32_t channel(std::uint32_t word, int shift) { return (word >> shift) & 0xFF; }

// Writes the picture in the given PNG form with libpng's full writer (palette with tRNS,
// grey, 16-bit, Adam7 interlacing), so every decoder path is reached.
void writePng(const fs::path& path, const PngForm& form) {
  const std::vector<std::uint32_t>& words = form.grey ? kGreyWords : kWords;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  ASSERT_EQ(setjmp(png_jmpbuf(png)), 0) << "libpng could not write " << form.name;
  png_init_io(png, file);
  png_set_IHDR(png, info, kW, kH, form.bitDepth, form.colourType,
               form.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<std::uint32_t> palette;  // for the palette form: distinct words in order
  if (form.colourType == PNG_COLOR_TYPE_PALETTE) {
    for (std::uint32_t w : words)
      if (std::find(palette.begin(), palette.end(), w) == palette.end()) palette.push_back(w);
    std::vector<png_color> colours;
    std::vector<png_byte> alphas;
    for (std::uint32_t w : palette) {
      colours.push_back({png_byte(channel(w, 16)), png_byte(channel(w, 8)), png_byte(channel(w, 0))});
      alphas.push_back(png_byte(channel(w, 24)));
    }
    png_set_PLTE(png, info, colours.data(), int(colours.size()));
    png_set_tRNS(png, info, alphas.data(), int(alphas.size()), nullptr);
  }
  png_write_info(png, info);
  if (form.bitDepth == 16) png_set_swap(png);  // rows below are native 16-bit words
  const int channels = form.colourType == PNG_COLOR_TYPE_RGBA ? 4
                       : form.colourType == PNG_COLOR_TYPE_RGB ? 3
                       : form.colourType == PNG_COLOR_TYPE_GA  ? 2
                                                               : 1;
  const int bytesPerSample = form.bitDepth == 16 ? 2 : 1;
  std::vector<std::vector<png_byte>> rows(kH, std::vector<png_byte>(std::size_t(kW) * channels * bytesPerSample, 0));
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      const std::uint32_t w = words[std::size_t(y) * kW + x];
      std::vector<std::uint32_t> samples;
      switch (form.colourType) {
        case PNG_COLOR_TYPE_RGBA: samples = {channel(w, 16), channel(w, 8), channel(w, 0), channel(w, 24)}; break;
        case PNG_COLOR_TYPE_RGB: samples = {channel(w, 16), channel(w, 8), channel(w, 0)}; break;
        case PNG_COLOR_TYPE_GA: samples = {channel(w, 0), channel(w, 24)}; break;
        case PNG_COLOR_TYPE_GRAY: samples = {channel(w, 0)}; break;
        default:
          samples = {std::uint32_t(std::find(palette.begin(), palette.end(), w) - palette.begin())};
          break;
      }
      for (int c = 0; c < channels; ++c) {
        const std::size_t at = (std::size_t(x) * channels + c) * bytesPerSample;
        if (form.bitDepth == 16) {
          const std::uint16_t wide = std::uint16_t(samples[c] * 257);
          std::memcpy(&rows[y][at], &wide, 2);
        } else if (form.bitDepth < 8) {
          // Packed samples: x-th sample of the row, most significant bits first.
          const int perByte = 8 / form.bitDepth;
          const std::uint32_t value = form.colourType == PNG_COLOR_TYPE_GRAY ? samples[c] >> (8 - form.bitDepth) : samples[c];
          rows[y][std::size_t(x) / perByte] |= png_byte(value << (8 - form.bitDepth * (x % perByte + 1)));
        } else {
          rows[y][at] = png_byte(samples[c]);
        }
      }
    }
  }
  std::vector<png_bytep> pointers;
  for (auto& row : rows) pointers.push_back(row.data());
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

// The words a picture drawn over transparent black must leave, for a form without alpha:
// every pixel opaque (transparent ones show their stored colour, black here).
std::vector<std::uint32_t> expectedWords(const PngForm& form) {
  std::vector<std::uint32_t> words = form.grey ? kGreyWords : kWords;
  const bool hasAlpha = form.colourType == PNG_COLOR_TYPE_RGBA || form.colourType == PNG_COLOR_TYPE_GA ||
                        form.colourType == PNG_COLOR_TYPE_PALETTE;
  if (!hasAlpha)
    for (std::uint32_t& w : words) w |= 0xFF000000u;
  return words;
}

std::vector<std::uint32_t> wordsOf(IMAGE& image) {
  const std::uint32_t* pixels = pixelBuffer(&image);
  if (pixels == nullptr) return {};
  return std::vector<std::uint32_t>(pixels, pixels + std::size_t(image.width()) * image.height());
}

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<std::uint8_t> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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

// A PNG whose header claims width x height (CRC correct, so only the size check can
// refuse it), with the given colour type and bit depth, followed by the IDAT and IEND of
// a real 1 x 1 picture.
std::vector<std::uint8_t> pngClaiming(std::uint32_t width, std::uint32_t height, std::uint8_t colourType = 6,
                                      std::uint8_t bitDepth = 8) {
  const fs::path small = scratch() / "one.png";
  writePng(small, {"rgba", PNG_COLOR_TYPE_RGBA, 8, false, false});
  std::vector<std::uint8_t> real = readBytes(small);
  std::vector<std::uint8_t> out(real.begin(), real.begin() + 8);
  std::vector<std::uint8_t> chunk = {'I', 'H', 'D', 'R'};
  putBig32(chunk, width);
  putBig32(chunk, height);
  chunk.insert(chunk.end(), {bitDepth, colourType, 0, 0, 0});
  putBig32(out, 13);
  out.insert(out.end(), chunk.begin(), chunk.end());
  putBig32(out, crc32Of(chunk.data(), chunk.size()));
  out.insert(out.end(), real.begin() + 8 + 25, real.end());  // the real file's chunks after IHDR
  return out;
}

long peakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A file that is no picture: a fresh image stays 0 x 0 without a buffer; an image with
// pixels keeps its size and is cleared to transparent black.
void expectNoPicture(const fs::path& path, const std::string& what) {
  IMAGE fresh;
  gfx::loadImageFile(&fresh, path.c_str());
  EXPECT_EQ(fresh.width(), 0) << what;
  EXPECT_EQ(fresh.height(), 0) << what;
  EXPECT_EQ(pixelBuffer(&fresh), nullptr) << what;

  IMAGE loaded;
  loaded.resize(4, 4);
  std::fill(pixelBuffer(&loaded), pixelBuffer(&loaded) + 16, 0xFF123456u);
  gfx::loadImageFile(&loaded, path.c_str());
  EXPECT_EQ(loaded.width(), 4) << what << ": a reload keeps the size";
  EXPECT_EQ(wordsOf(loaded), std::vector<std::uint32_t>(16, 0u)) << what << ": a reload clears the pixels";
}

}  // namespace

TEST(PictureInput, EveryColourTypeDepthAndLayoutDecodesToTheSameWords) {
  const PngForm forms[] = {
      {"RGBA 8-bit", PNG_COLOR_TYPE_RGBA, 8, false, false},
      {"RGBA 8-bit interlaced", PNG_COLOR_TYPE_RGBA, 8, true, false},
      {"RGBA 16-bit", PNG_COLOR_TYPE_RGBA, 16, false, false},
      {"RGBA 16-bit interlaced", PNG_COLOR_TYPE_RGBA, 16, true, false},
      {"RGB 8-bit", PNG_COLOR_TYPE_RGB, 8, false, false},
      {"RGB 16-bit", PNG_COLOR_TYPE_RGB, 16, false, false},
      {"palette 8-bit with tRNS", PNG_COLOR_TYPE_PALETTE, 8, false, false},
      {"palette 4-bit with tRNS, interlaced", PNG_COLOR_TYPE_PALETTE, 4, true, false},
      {"grey 8-bit", PNG_COLOR_TYPE_GRAY, 8, false, true},
      {"grey 1-bit", PNG_COLOR_TYPE_GRAY, 1, false, true},
      {"grey 16-bit", PNG_COLOR_TYPE_GRAY, 16, false, true},
      {"grey+alpha 8-bit", PNG_COLOR_TYPE_GA, 8, false, true},
      {"grey+alpha 16-bit interlaced", PNG_COLOR_TYPE_GA, 16, true, true},
  };
  for (const PngForm& form : forms) {
    SCOPED_TRACE(form.name);
    const fs::path path = scratch() / "form.png";
    writePng(path, form);
    IMAGE image;
    gfx::loadImageFile(&image, path.c_str());
    ASSERT_EQ(image.width(), kW);
    ASSERT_EQ(image.height(), kH);
    const std::vector<std::uint32_t> got = wordsOf(image);
    std::vector<std::uint32_t> want = expectedWords(form);
    // Fully transparent pixels are stored as word 0 whatever colour the file gives them.
    for (std::uint32_t& w : want)
      if ((w >> 24) == 0) w = 0;
    for (std::size_t i = 0; i < want.size(); ++i) {
      // 16-bit alpha goes through libpng's linear path: allow one step of rounding on
      // half-transparent pixels, exact everywhere else.
      const bool partial = (want[i] >> 24) != 0 && (want[i] >> 24) != 0xFF;
      if (partial && form.bitDepth == 16) {
        for (int shift : {0, 8, 16, 24}) {
          const int a = int(channel(got[i], shift)), b = int(channel(want[i], shift));
          EXPECT_LE(std::abs(a - b), 1) << "pixel (" << i % kW << ", " << i / kW << ") channel at bit " << shift
                                        << ": got 0x" << std::hex << got[i] << " want 0x" << want[i];
        }
      } else {
        EXPECT_EQ(got[i], want[i]) << "pixel (" << i % kW << ", " << i / kW << "): got 0x" << std::hex << got[i]
                                   << " want 0x" << want[i];
      }
    }
  }
}

TEST(PictureInput, MissingEmptyTruncatedAndNonPngFilesLeaveNoPicture) {
  const fs::path good = scratch() / "good.png";
  writePng(good, {"rgba", PNG_COLOR_TYPE_RGBA, 8, false, false});
  const std::vector<std::uint8_t> bytes = readBytes(good);

  expectNoPicture(scratch() / "no such file.png", "missing file");
  writeBytes(scratch() / "empty.png", {});
  expectNoPicture(scratch() / "empty.png", "empty file");
  writeBytes(scratch() / "signature.png", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 8));
  expectNoPicture(scratch() / "signature.png", "signature only");
  writeBytes(scratch() / "half.png", std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + bytes.size() / 2));
  expectNoPicture(scratch() / "half.png", "truncated in the middle");
  writeBytes(scratch() / "noend.png", std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 12));
  IMAGE withoutEnd;
  gfx::loadImageFile(&withoutEnd, (scratch() / "noend.png").c_str());
  EXPECT_TRUE(withoutEnd.width() == 0 || withoutEnd.width() == kW) << "a file cut before IEND: either form is fine";
  const std::string text = "6 30 3 1\n4 20 2 2\n";
  writeBytes(scratch() / "text.png", std::vector<std::uint8_t>(text.begin(), text.end()));
  expectNoPicture(scratch() / "text.png", "a text file named .png");
  std::vector<std::uint8_t> jpegLike = {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0};
  writeBytes(scratch() / "jpeg.png", jpegLike);
  expectNoPicture(scratch() / "jpeg.png", "a JPEG header named .png");
  expectNoPicture(scratch(), "a directory");
}

TEST(PictureInput, ZeroSizeHostileDimensionsAndBadColourTypesAreRefusedWithoutAllocating) {
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
      {16385, 1, 6, 8, "one more than the side limit"},
      {16384, 16384, 6, 16, "a 16-bit picture of 2 GiB"},
      {65535, 65535, 3, 8, "a palette picture of 16 GiB"},
      {1, 1, 5, 8, "colour type 5, which does not exist"},
      {1, 1, 6, 3, "bit depth 3 for RGBA"},
      {1, 1, 3, 16, "16-bit palette"},
  };
  for (const auto& c : cases) {
    const fs::path path = scratch() / "claims.png";
    writeBytes(path, pngClaiming(c.width, c.height, c.colourType, c.bitDepth));
    expectNoPicture(path, c.what);
  }
  const long grown = peakResidentKiB() - before;
  EXPECT_LT(grown, 64 * 1024) << "peak resident memory grew by " << grown
                              << " KiB: a claimed size was allocated before it was checked";
}

TEST(PictureInput, ACorrectHeaderWithMissingRowsDecodesNothingAndCostsLittle) {
  // 16384 x 16384 RGBA is 1 GiB: above the buffer limit, so it is refused from the header.
  const long before = peakResidentKiB();
  const fs::path path = scratch() / "big.png";
  writeBytes(path, pngClaiming(16384, 16384));
  expectNoPicture(path, "16384 x 16384 with the rows of a 1 x 1 picture");
  // 4000 x 10 fits the limits: the buffer is made, the rows run out, nothing is drawn.
  writeBytes(path, pngClaiming(4000, 10));
  expectNoPicture(path, "4000 x 10 with the rows of a 1 x 1 picture");
  EXPECT_LT(peakResidentKiB() - before, 64 * 1024);
}
