// wav_stretches FILE [THRESHOLD]: reads a 16-bit or 32-bit float PCM WAV file and prints
// one line per stretch where the level stays above THRESHOLD (of full scale, default
// 0.02) in 10 ms windows: "<start ms> <length ms> <peak>". Exit 1 when the file is no WAV.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 2) return 64;
  const double threshold = argc > 2 ? std::atof(argv[2]) : 0.02;
  std::ifstream in(argv[1], std::ios::binary);
  std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return 1;
  auto u16 = [&](std::size_t at) { return unsigned(b[at] | b[at + 1] << 8); };
  auto u32 = [&](std::size_t at) { return std::uint32_t(u16(at) | u16(at + 2) << 16); };
  unsigned format = 0, channels = 0, bits = 0;
  std::uint32_t rate = 0;
  std::size_t data = 0, dataSize = 0;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = u32(at + 4);
    if (std::memcmp(&b[at], "fmt ", 4) == 0 && at + 24 <= b.size()) {
      format = u16(at + 8);
      channels = u16(at + 10);
      rate = u32(at + 12);
      bits = u16(at + 22);
      if (format == 0xFFFE && at + 34 <= b.size()) format = u16(at + 32);  // extensible: the sub-format
    } else if (std::memcmp(&b[at], "data", 4) == 0) {
      data = at + 8;
      // A writer killed before it could finish leaves the size unwritten: take the rest.
      dataSize = (size == 0 || data + size > b.size()) ? b.size() - data : size;
      break;
    }
    at += 8 + size + (size & 1);
  }
  if (!data || !channels || !rate || !(bits == 16 || (bits == 32 && format == 3))) return 1;
  const std::size_t frameBytes = channels * bits / 8;
  const std::size_t frames = dataSize / frameBytes;
  const std::size_t window = rate / 100;
  bool loud = false;
  std::size_t start = 0;
  double peak = 0;
  for (std::size_t w = 0; w * window < frames; ++w) {
    double level = 0;
    for (std::size_t f = w * window; f < std::min(frames, (w + 1) * window); ++f) {
      for (unsigned c = 0; c < channels; ++c) {
        const std::size_t at = data + f * frameBytes + c * bits / 8;
        double v;
        if (bits == 16) {
          v = std::int16_t(u16(at)) / 32768.0;
        } else {
          float fv;
          std::memcpy(&fv, &b[at], 4);
          v = fv;
        }
        level = std::max(level, std::fabs(v));
      }
    }
    if (level > threshold) {
      if (!loud) start = w, peak = 0;
      loud = true;
      peak = std::max(peak, level);
    } else if (loud) {
      std::printf("%zu %zu %.3f\n", start * 10, (w - start) * 10, peak);
      loud = false;
    }
  }
  if (loud) std::printf("%zu %zu %.3f\n", start * 10, (frames / window - start) * 10, peak);
  return 0;
}
