// Sound files: 16-bit mono samples at 44.1 kHz encoded as Ogg Vorbis (libvorbisenc) or
// MP3 (LAME), and decoded again to check them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

constexpr int kSampleRate = 44100;

// Encodes by the file's extension (".ogg" or ".mp3"). Returns false and fills error.
bool writeSound(const std::string& path, const std::vector<int16_t>& samples, std::string& error);

struct SoundInfo {
  int rate = 0;
  int channels = 0;
  double seconds = 0;
  double peak = 0;  // largest absolute sample, 0..1
};

// Decodes the whole file (libvorbisfile or libmpg123). Returns false and fills error.
bool readSound(const std::string& path, SoundInfo& info, std::string& error);

}  // namespace assetgen
