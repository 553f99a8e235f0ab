// The sound level: the settings' volume and the mute reach SFML's listener, M's switch
// flips the mute and back to the volume, and what OpenAL Soft's wave output writes follows
// the level (a tone at volume 40 peaks at 0.4 of its level at 100, muted at nothing).
#include <gtest/gtest.h>
#include <unistd.h>

#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "game/assets/sound_files.h"
#include "platform/port/sound.h"
#include "platform/settings/window_keys.h"
#include "platform/settings/settings_file.h"

namespace {

namespace fs = std::filesystem;

TEST(SoundLevel, VolumeAndMuteReachTheListener) {
  const fs::path path = fs::temp_directory_path() / ("sound_level_" + std::to_string(::getpid()) + ".ini");
  std::ofstream(path) << "volume = 40\n";
  platform::loadSettings(path.string(), false);
  platform::setSoundLevel(40, false);
  EXPECT_FLOAT_EQ(platform::soundLevel(), 40.f);
  platform::toggleMute();
  EXPECT_FLOAT_EQ(platform::soundLevel(), 0.f);
  EXPECT_TRUE(platform::currentSettings().muted);
  platform::toggleMute();
  EXPECT_FLOAT_EQ(platform::soundLevel(), 40.f);
  EXPECT_FALSE(platform::currentSettings().muted);
  EXPECT_EQ(test_sound::fileText(path.string()), "volume = 40\nmuted = no\n") << "each switch is remembered";
  platform::setSoundLevel(100, false);
  fs::remove(path);
}

// The peak OpenAL Soft's wave output writes for a tone played at the level.
double playedPeak(const fs::path& dir, const std::string& level) {
  const std::string wav = (dir / (level + ".wav")).string();
  const std::string conf = (dir / "alsoft.conf").string();
  std::ofstream(conf) << "[wave]\nfile=" << wav << "\n";
  const std::string log = (dir / "child.log").string();
  const int status = test_sound::runHelperTest(
      "DISABLED_SoundLevelChild.PlayTone", {"ALSOFT_DRIVERS=wave", "ALSOFT_CONF=" + conf, "DA_CHILD_LEVEL=" + level}, log);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child output:\n" << test_sound::fileText(log);
  return test_sound::wavPeak(wav);
}

TEST(SoundLevel, TheWaveOutputFollowsTheLevel) {
  const fs::path dir = fs::temp_directory_path() / ("sound_level_wave_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const double full = playedPeak(dir, "100");
  const double part = playedPeak(dir, "40");
  const double muted = playedPeak(dir, "muted");
  fs::remove_all(dir);
  ASSERT_GT(full, 0.1) << "the tone reached the wave output";
  EXPECT_NEAR(part / full, 0.4, 0.05) << "peaks " << part << " at 40 and " << full << " at 100";
  EXPECT_LT(muted, 0.001) << "muted peak " << muted;
}

TEST(DISABLED_SoundLevelChild, PlayTone) {
  const std::string level = std::getenv("DA_CHILD_LEVEL");
  platform::setSoundLevel(level == "muted" ? 100 : std::stoi(level), level == "muted");
  static sf::SoundBuffer buffer;
  const std::vector<sf::Int16> samples = test_sound::tone(11025, 44100, 1);
  ASSERT_TRUE(buffer.loadFromSamples(samples.data(), samples.size(), 1, 44100));
  static sf::Sound voice(buffer);
  voice.play();
  for (int waited = 0; waited < 300 && voice.getStatus() == sf::Sound::Playing; ++waited)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

}  // namespace
