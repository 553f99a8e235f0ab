// Small sound files for the asset tests: Ogg Vorbis written through SFML, MP3 made of
// silent MPEG-1 Layer III frames, a WAV reader for OpenAL Soft's wave output, a way to
// run one hidden helper test of this program in a child process, and whole-file reads and
// writes.
#pragma once
#include <SFML/Audio/OutputSoundFile.hpp>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace test_sound {

// A 440 Hz tone of the given number of frames, 16-bit, at rate, on channels channels.
inline std::vector<sf::Int16> tone(std::size_t frames, unsigned rate, unsigned channels) {
  std::vector<sf::Int16> samples(frames * channels);
  for (std::size_t i = 0; i < frames; ++i)
    for (unsigned c = 0; c < channels; ++c)
      samples[i * channels + c] = sf::Int16(12000 * std::sin(2 * M_PI * 440.0 * double(i) / rate));
  return samples;
}

inline bool writeOgg(const std::string& path, const std::vector<sf::Int16>& samples, unsigned rate,
                     unsigned channels) {
  sf::OutputSoundFile file;
  if (!file.openFromFile(path, rate, channels)) return false;
  file.write(samples.data(), samples.size());
  return true;
}

// frames MPEG-1 Layer III frames, 44.1 kHz mono at 128 kbit/s, whose side information is
// all zero: each decodes to 1152 samples of silence.
inline void writeSilentMp3(const std::string& path, int frames) {
  std::vector<unsigned char> frame(417, 0);
  frame[0] = 0xFF;
  frame[1] = 0xFB;
  frame[2] = 0x90;
  frame[3] = 0xC0;
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < frames; ++i) out.write(reinterpret_cast<const char*>(frame.data()), long(frame.size()));
}

// The largest absolute sample (as a fraction of full scale) in a PCM 16-bit or float WAV
// file; reads to the end of the file whatever the data chunk claims. -1 if unreadable.
inline double wavPeak(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0) return -1;
  auto u16 = [&](std::size_t at) { return unsigned(bytes[at] | bytes[at + 1] << 8); };
  auto u32 = [&](std::size_t at) { return std::uint32_t(u16(at) | u16(at + 2) << 16); };
  unsigned format = 0, bits = 0;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::uint32_t size = u32(at + 4);
    if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && at + 24 <= bytes.size()) {
      format = u16(at + 8);
      bits = u16(at + 22);
      if (format == 0xFFFE && at + 34 <= bytes.size()) format = u16(at + 32);
    } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
      double peak = 0;
      for (std::size_t p = at + 8; p + bits / 8 <= bytes.size(); p += bits / 8) {
        double v = 0;
        if (format == 1 && bits == 16) {
          v = std::int16_t(u16(p)) / 32768.0;
        } else if (format == 3 && bits == 32) {
          float f;
          std::memcpy(&f, &bytes[p], 4);
          v = f;
        } else if (format == 1 && bits == 8) {
          v = (int(bytes[p]) - 128) / 128.0;
        } else {
          return -1;
        }
        peak = std::max(peak, std::fabs(v));
      }
      return peak;
    }
    at += 8 + size + (size & 1);
  }
  return -1;
}

// Runs this test program again with only the hidden (DISABLED_) test named, the given
// extra environment, and its standard output sent to stdoutPath. Returns the wait status.
inline int runHelperTest(const std::string& test, const std::vector<std::string>& extraEnv,
                         const std::string& stdoutPath) {
  std::vector<std::string> env = extraEnv;
  for (char** e = environ; *e != nullptr; ++e) {
    bool replaced = false;
    for (const std::string& extra : extraEnv)
      if (extra.substr(0, extra.find('=') + 1) == std::string(*e).substr(0, extra.find('=') + 1)) replaced = true;
    if (!replaced) env.emplace_back(*e);
  }
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string filter = "--gtest_filter=" + test;
  std::string disabled = "--gtest_also_run_disabled_tests";
  std::string self = "/proc/self/exe";
  char* argv[] = {self.data(), filter.data(), disabled.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

inline std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

}  // namespace test_sound
