// Sounds a player may put in resources/music/: the readers the catalogue uses (the MP3
// reader and SFML's Ogg reader) refuse missing, empty and non-audio files, survive
// truncated ones, and go by the content rather than the extension. The whole program's
// answer to a refused sound ("sound load fail") is checked by bad_input.sh.
#include <SFML/Audio/SoundBuffer.hpp>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/audio/audio.h"

namespace {

namespace fs = std::filesystem;

fs::path scratch() {
  static const fs::path dir = [] {
    fs::path d = fs::temp_directory_path() / ("da_rel_sounds_" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

std::vector<char> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& path, const std::vector<char>& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

class SoundInput : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::startAudio();
    const char* stage = std::getenv("DA_STAGE_DIR");
    music_ = stage ? fs::path(stage) / "resources" / "music" : fs::path();
    if (!stage || !fs::exists(music_ / "shoot.ogg") || !fs::exists(music_ / "blast.mp3"))
      GTEST_SKIP() << "staged sounds are absent (DA_STAGE_DIR=" << (stage ? stage : "") << ")";
  }

  static sf::Uint64 samplesOf(const fs::path& path, bool& loaded) {
    sf::SoundBuffer buffer;
    loaded = buffer.loadFromFile(path.string());
    return loaded ? buffer.getSampleCount() : 0;
  }

  fs::path music_;
};

TEST_F(SoundInput, MissingEmptyAndNonAudioFilesAreRefused) {
  const std::string text = "6 30 3 1\n4 20 2 2\n";
  writeBytes(scratch() / "empty.ogg", {});
  writeBytes(scratch() / "empty.mp3", {});
  writeBytes(scratch() / "text.ogg", std::vector<char>(text.begin(), text.end()));
  writeBytes(scratch() / "text.mp3", std::vector<char>(text.begin(), text.end()));
  writeBytes(scratch() / "zeros.mp3", std::vector<char>(4096, 0));
  // Starts like an ID3 tag (what the MP3 reader checks for) and holds nothing after it.
  writeBytes(scratch() / "id3only.mp3", {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0});
  // A PNG signature: no sound reader claims it.
  writeBytes(scratch() / "picture.ogg", {char(0x89), 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13});
  for (const char* name : {"missing.ogg", "missing.mp3", "empty.ogg", "empty.mp3", "text.ogg", "text.mp3",
                           "zeros.mp3", "id3only.mp3", "picture.ogg"}) {
    bool loaded = true;
    samplesOf(scratch() / name, loaded);
    EXPECT_FALSE(loaded) << name << " was accepted as a sound";
  }
}

TEST_F(SoundInput, TruncatedFilesLoadNoMoreThanTheyHoldOrAreRefused) {
  for (const char* name : {"shoot.ogg", "blast.mp3", "waterhit.mp3"}) {
    bool whole = false;
    const sf::Uint64 full = samplesOf(music_ / name, whole);
    ASSERT_TRUE(whole) << name;
    const std::vector<char> bytes = readBytes(music_ / name);
    for (std::size_t keep : {std::size_t(4), std::size_t(64), bytes.size() / 3, bytes.size() / 2, bytes.size() - 1}) {
      const fs::path cut = scratch() / (std::to_string(keep) + "_" + name);
      writeBytes(cut, std::vector<char>(bytes.begin(), bytes.begin() + std::ptrdiff_t(keep)));
      bool loaded = false;
      const sf::Uint64 samples = samplesOf(cut, loaded);
      // A cut MP3 loses its gapless length, so it may keep the encoder's padding: under two
      // frames of 1152 samples per channel.
      EXPECT_LE(samples, full + 2 * 1152 * 2) << name << " cut to " << keep << " of " << bytes.size() << " bytes";
    }
  }
}

TEST_F(SoundInput, TheReaderFollowsTheContentNotTheExtension) {
  const struct {
    const char* file;
    const char* misnamed;
  } swaps[] = {{"shoot.ogg", "shoot_really_ogg.mp3"}, {"blast.mp3", "blast_really_mp3.ogg"}};
  for (const auto& swap : swaps) {
    bool loaded = false;
    const sf::Uint64 right = samplesOf(music_ / swap.file, loaded);
    ASSERT_TRUE(loaded) << swap.file;
    fs::copy_file(music_ / swap.file, scratch() / swap.misnamed, fs::copy_options::overwrite_existing);
    const sf::Uint64 wrong = samplesOf(scratch() / swap.misnamed, loaded);
    EXPECT_TRUE(loaded) << swap.misnamed;
    EXPECT_EQ(wrong, right) << swap.misnamed << " decoded differently from " << swap.file;
  }
}

}  // namespace
