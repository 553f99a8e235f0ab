// Verification of the generated files, read back from disk.
#include "tools/asset_gen/verify.h"

#include <cmath>
#include <cstdio>

#include "tools/asset_gen/audio_io.h"
#include "tools/asset_gen/catalogue.h"
#include "tools/asset_gen/png_io.h"

namespace assetgen {

namespace {

// Encoders pad the end and may trim the start; allow that much difference in length.
constexpr double kLengthTolerance = 0.06;

std::string fmt(const char* format, double a, double b) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, a, b);
  return buffer;
}

}  // namespace

std::vector<std::string> verifyOutput(const std::string& root) {
  std::vector<std::string> problems;
  for (const PictureFile& f : pictureFiles()) {
    const std::string path = root + "/" + f.dir + "/" + f.name;
    PngInfo info;
    std::string error;
    if (!readPng(path, info, error)) {
      problems.push_back(error);
      continue;
    }
    if (info.width != f.width || info.height != f.height) {
      problems.push_back(path + ": " + std::to_string(info.width) + " x " + std::to_string(info.height) +
                         ", expected " + std::to_string(f.width) + " x " + std::to_string(f.height));
    }
    const long pixels = static_cast<long>(info.width) * info.height;
    if (info.transparentPixels == pixels) problems.push_back(path + ": blank picture");
    if (f.name == "white.png" && info.opaquePixels != pixels)
      problems.push_back(path + ": background not opaque");
    if (f.name != "white.png" && info.transparentPixels == 0)
      problems.push_back(path + ": sprite without transparent pixels");
  }
  for (const SoundFile& s : soundFiles()) {
    const std::string path = root + "/" + kMusicDir + "/" + s.name;
    SoundInfo info;
    std::string error;
    if (!readSound(path, info, error)) {
      problems.push_back(error);
      continue;
    }
    if (info.rate != kSampleRate) problems.push_back(path + ": sample rate " + std::to_string(info.rate));
    if (std::fabs(info.seconds - s.seconds) > kLengthTolerance)
      problems.push_back(path + fmt(": %.3f s long, expected %.3f s", info.seconds, s.seconds));
    if (info.peak < 0.2 || info.peak > 0.9)
      problems.push_back(path + fmt(": peak level %.2f outside %.2f..0.90", info.peak, 0.2));
  }
  return problems;
}

}  // namespace assetgen
