// Sounds: Ogg Vorbis and MP3 files decode to their length through SFML (the MP3 through
// the libmpg123 reader), and a played voice reaches OpenAL Soft's wave output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "game/assets/voice.h"
#include "platform/audio/audio.h"
#include "sound_files.h"

namespace {

namespace fs = std::filesystem;

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

  const std::string junk = (dir_ / "junk.mp3").string();
  std::ofstream(junk) << "ID3 but nothing after it";
  sf::SoundBuffer broken;
  EXPECT_FALSE(broken.loadFromFile(junk)) << "an undecodable file fails to load";
}

TEST_F(SoundFiles, GeneratedMp3DecodesWithSound) {
  const char* stage = std::getenv("DA_STAGE_DIR");
  const fs::path file = fs::path(stage ? stage : "") / "resources/music/blast.mp3";
  if (stage == nullptr || !fs::exists(file)) GTEST_SKIP() << "generated resources are absent: " << file;
  sf::SoundBuffer buffer;
  ASSERT_TRUE(buffer.loadFromFile(file.string()));
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
  static sf::SoundBuffer buffer;
  ASSERT_TRUE(buffer.loadFromFile(file));
  static sf::Sound voice(buffer);
  playVoice(voice);
  EXPECT_EQ(voicePlayCount(buffer), 1u);
  for (int waited = 0; waited < 300 && voice.getStatus() == sf::Sound::Playing; ++waited)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

}  // namespace
