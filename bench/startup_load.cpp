// Start-up loading: the whole catalogue (loadImages and loadSounds) from the staged
// resources, against decoding the same files with libpng and SFML's sound file readers
// alone (Ogg Vorbis, and MP3 through the libmpg123 reader), without images or buffers.
#include <benchmark/benchmark.h>
#include <png.h>
#include <unistd.h>

#include <SFML/Audio/InputSoundFile.hpp>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "game/assets/catalogue.h"
#include "platform/audio/audio.h"

namespace {

namespace fs = std::filesystem;

bool enterStage(benchmark::State& state) {
  const char* stage = std::getenv("DA_STAGE_DIR");
  if (stage == nullptr || !fs::exists(fs::path(stage) / "resources/music/kingatk.mp3") || ::chdir(stage) != 0) {
    state.SkipWithError("set DA_STAGE_DIR to a staged directory with generated resources");
    return false;
  }
  return true;
}

void BM_LoadWholeCatalogue(benchmark::State& state) {
  if (!enterStage(state)) return;
  for (auto _ : state) {
    loadImages();
    loadSounds();
  }
}

void BM_DecodeFilesAlone(benchmark::State& state) {
  if (!enterStage(state)) return;
  platform::startAudio();
  std::vector<std::string> pictures, sounds;
  for (const auto& entry : fs::recursive_directory_iterator("resources")) {
    const std::string path = entry.path().string();
    if (path.size() > 4 && path.substr(path.size() - 4) == ".png") pictures.push_back(path);
    if (path.find("/music/") != std::string::npos) sounds.push_back(path);
  }
  // The catalogue loads kingatk6.png four times.
  pictures.push_back("resources/images/pillowkin/kingatk6.png");
  pictures.push_back("resources/images/pillowkin/kingatk6.png");
  pictures.push_back("resources/images/pillowkin/kingatk6.png");
  std::vector<std::uint32_t> words;
  std::vector<sf::Int16> samples;
  for (auto _ : state) {
    for (const std::string& path : pictures) {
      png_image png{};
      png.version = PNG_IMAGE_VERSION;
      if (!png_image_begin_read_from_file(&png, path.c_str())) continue;
      png.format = PNG_FORMAT_BGRA;
      words.resize(std::size_t(png.width) * png.height);
      png_image_finish_read(&png, nullptr, words.data(), 0, nullptr);
      benchmark::DoNotOptimize(words.data());
    }
    for (const std::string& path : sounds) {
      sf::InputSoundFile file;
      if (!file.openFromFile(path)) continue;
      samples.resize(std::size_t(file.getSampleCount()));
      file.read(samples.data(), samples.size());
      benchmark::DoNotOptimize(samples.data());
    }
  }
  state.counters["pictures"] = double(pictures.size());
  state.counters["sounds"] = double(sounds.size());
}

BENCHMARK(BM_LoadWholeCatalogue)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeFilesAlone)->Unit(benchmark::kMillisecond);

}  // namespace
