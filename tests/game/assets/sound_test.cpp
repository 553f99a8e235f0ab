// Sounds: Ogg Vorbis and MP3 files decode to their length through SFML (the MP3 through
// the libmpg123 reader); missing, empty and non-audio files are refused, truncated ones load
// no more than they hold, and the reader goes by the content rather than the extension;
// a played voice reaches OpenAL Soft's wave output. The whole program's answer to a refused
// sound ("sound load fail") is checked by tests/reliability/bad_input.sh.
#include <gtest/gtest.h>
#include <unistd.h>

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "game/assets/catalogue.h"
#include "game/assets/voice.h"
#include "platform/port/sound.h"
#include "sound_files.h"

namespace {

namespace fs = std::filesystem;

// The generated sounds' folder in the staged directory; empty when they are absent.
fs::path stagedMusic() {
  const char* stage = std::getenv("DA_STAGE_DIR");
  const fs::path music = fs::path(stage ? stage : "") / "resources" / "music";
  if (stage == nullptr || !fs::exists(music / "shoot.ogg") || !fs::exists(music / "blast.mp3")) return {};
  return music;
}

// The sample count of a sound file, and whether it loaded at all.
sf::Uint64 samplesOf(const fs::path& path, bool& loaded) {
  sf::SoundBuffer buffer;
  loaded = buffer.loadFromFile(path.string());
  return loaded ? buffer.getSampleCount() : 0;
}

class SoundFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::startAudio();
    dir_ = fs::temp_directory_path() / ("sound_test_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(SoundFiles, OggAndMp3DecodeToTheirLength) {
  const std::string ogg = (dir_ / "tone.ogg").string();
  ASSERT_TRUE(test_sound::writeOgg(ogg, test_sound::tone(22050, 44100, 2), 44100, 2));
  sf::SoundBuffer vorbis;
  ASSERT_TRUE(vorbis.loadFromFile(ogg));
  EXPECT_EQ(vorbis.getSampleCount(), 44100u) << "0.5 s of stereo Ogg Vorbis";
  EXPECT_EQ(vorbis.getChannelCount(), 2u);
  EXPECT_EQ(vorbis.getSampleRate(), 44100u);

  const std::string mp3 = (dir_ / "silence.mp3").string();
  test_sound::writeSilentMp3(mp3, 10);
  sf::SoundBuffer mpeg;
  ASSERT_TRUE(mpeg.loadFromFile(mp3)) << "the MP3 reader is registered";
  EXPECT_EQ(mpeg.getSampleCount(), 10u * 1152u) << "ten Layer III frames of 1152 samples";
  EXPECT_EQ(mpeg.getChannelCount(), 1u);
  EXPECT_EQ(mpeg.getSampleRate(), 44100u);
}

TEST_F(SoundFiles, MissingEmptyAndNonAudioFilesAreRefused) {
  const std::string text = "6 30 3 1\n4 20 2 2\n";
  test_sound::writeFile((dir_ / "empty.ogg").string(), "");
  test_sound::writeFile((dir_ / "empty.mp3").string(), "");
  test_sound::writeFile((dir_ / "text.ogg").string(), text);
  test_sound::writeFile((dir_ / "text.mp3").string(), text);
  test_sound::writeFile((dir_ / "zeros.mp3").string(), std::string(4096, '\0'));
  // Starts like an ID3 tag (what the MP3 reader checks for) and holds nothing after it.
  test_sound::writeFile((dir_ / "id3only.mp3").string(), std::string("ID3\3\0\0\0\0\0\0", 10));
  // A PNG signature: no sound reader claims it.
  test_sound::writeFile((dir_ / "picture.ogg").string(), std::string("\x89PNG\r\n\x1A\n\0\0\0\x0D", 12));
  for (const char* name : {"missing.ogg", "missing.mp3", "empty.ogg", "empty.mp3", "text.ogg", "text.mp3",
                           "zeros.mp3", "id3only.mp3", "picture.ogg"}) {
    bool loaded = true;
    samplesOf(dir_ / name, loaded);
    EXPECT_FALSE(loaded) << name << " was accepted as a sound";
  }
}

TEST_F(SoundFiles, TruncatedFilesLoadNoMoreThanTheyHoldOrAreRefused) {
  const fs::path music = stagedMusic();
  if (music.empty()) GTEST_SKIP() << "generated sounds are absent: build the stage target";
  for (const char* name : {"shoot.ogg", "blast.mp3", "waterhit.mp3"}) {
    bool whole = false;
    const sf::Uint64 full = samplesOf(music / name, whole);
    ASSERT_TRUE(whole) << name;
    const std::string bytes = test_sound::fileText((music / name).string());
    for (std::size_t keep : {std::size_t(4), std::size_t(64), bytes.size() / 3, bytes.size() / 2, bytes.size() - 1}) {
      const fs::path cut = dir_ / (std::to_string(keep) + "_" + name);
      test_sound::writeFile(cut.string(), bytes.substr(0, keep));
      bool loaded = false;
      const sf::Uint64 samples = samplesOf(cut, loaded);
      // A cut MP3 loses its gapless length, so it may keep the encoder's padding: under two
      // frames of 1152 samples per channel.
      EXPECT_LE(samples, full + 2 * 1152 * 2) << name << " cut to " << keep << " of " << bytes.size() << " bytes";
    }
  }
}

TEST_F(SoundFiles, TheReaderFollowsTheContentNotTheExtension) {
  const fs::path music = stagedMusic();
  if (music.empty()) GTEST_SKIP() << "generated sounds are absent: build the stage target";
  const struct {
    const char* file;
    const char* misnamed;
  } swaps[] = {{"shoot.ogg", "shoot_really_ogg.mp3"}, {"blast.mp3", "blast_really_mp3.ogg"}};
  for (const auto& swap : swaps) {
    bool loaded = false;
    const sf::Uint64 right = samplesOf(music / swap.file, loaded);
    ASSERT_TRUE(loaded) << swap.file;
    fs::copy_file(music / swap.file, dir_ / swap.misnamed);
    const sf::Uint64 wrong = samplesOf(dir_ / swap.misnamed, loaded);
    EXPECT_TRUE(loaded) << swap.misnamed;
    EXPECT_EQ(wrong, right) << swap.misnamed << " decoded differently from " << swap.file;
  }
}

TEST_F(SoundFiles, GeneratedMp3DecodesWithSound) {
  const fs::path music = stagedMusic();
  if (music.empty()) GTEST_SKIP() << "generated sounds are absent: build the stage target";
  sf::SoundBuffer buffer;
  ASSERT_TRUE(buffer.loadFromFile((music / "blast.mp3").string()));
  ASSERT_GT(buffer.getSampleCount(), 4410u) << "longer than 0.1 s";
  int peak = 0;
  for (std::size_t i = 0; i < buffer.getSampleCount(); ++i) peak = std::max(peak, std::abs(int(buffer.getSamples()[i])));
  EXPECT_GT(peak, 1000) << "the decoded blast is not silent";
}

TEST_F(SoundFiles, PlayedVoiceReachesTheWaveOutput) {
  const std::string wav = (dir_ / "out.wav").string();
  const std::string conf = (dir_ / "alsoft.conf").string();
  std::ofstream(conf) << "[wave]\nfile=" << wav << "\n";
  const std::string ogg = (dir_ / "tone.ogg").string();
  ASSERT_TRUE(test_sound::writeOgg(ogg, test_sound::tone(13230, 44100, 1), 44100, 1));
  const std::string log = (dir_ / "child.log").string();
  const int status = test_sound::runHelperTest("DISABLED_SoundChild.PlayVoice",
                                               {"ALSOFT_DRIVERS=wave", "ALSOFT_CONF=" + conf, "DA_CHILD_SOUND=" + ogg},
                                               log);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child output:\n" << test_sound::fileText(log);
  const double peak = test_sound::wavPeak(wav);
  EXPECT_GT(peak, 0.1) << "the wave output holds the played tone (peak " << peak << " of full scale)";
}

TEST(DISABLED_SoundChild, PlayVoice) {
  const char* file = std::getenv("DA_CHILD_SOUND");
  ASSERT_NE(file, nullptr);
  platform::startAudio();
  EXPECT_FALSE(platform::audioSilent()) << "the user's OpenAL configuration is left alone";
  ASSERT_TRUE(assets.shootSound->loadFromFile(file));
  playVoice(Voice::kShot);
  EXPECT_EQ(voicePlayCount(Voice::kShot), 1u);
  // The tone lasts 0.3 s; the voice plays on its own while this thread waits.
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
}

}  // namespace
