// startUp with the generated catalogue (run in build/stage or with DA_STAGE_DIR) against
// decoding the same files, in the catalogue's order, with the decoders alone: libpng's
// simplified API for the 130 pictures, SFML's sound file readers (Ogg Vorbis, and MP3
// through the game's libmpg123 reader) for the 9 sounds. Also the same decoding spread
// over two threads, and the heap allocations of one startUp.
// BM_StartUpVsDecoding reports the best of five interleaved rounds: "ratio_to_decoding".
#include <benchmark/benchmark.h>
#include <png.h>

#include <SFML/Audio/InputSoundFile.hpp>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "bench/heap_counter.h"
#include "bench/scene.h"
#include "bench/timing.h"
#include "game/assets/catalogue.h"
#include "game/shell/startup.h"
#include "platform/base/paths.h"

namespace {

// The catalogue's own file lists, in its loading order, as paths of this system.
template <typename File>
std::vector<std::string> pathsOf(const std::vector<File>& files) {
  std::vector<std::string> paths;
  for (const File& file : files) paths.push_back(platform::nativePath(file.path));
  return paths;
}

std::vector<std::string> cataloguePictures() { return pathsOf(pictureFiles()); }
std::vector<std::string> catalogueSounds() { return pathsOf(soundFiles()); }

// Decoded results are kept per file, as a catalogue would keep them.
struct Decoded {
  std::vector<std::vector<std::uint32_t>> pictures;
  std::vector<std::vector<sf::Int16>> sounds;
};

void decodePicture(const std::string& path, std::vector<std::uint32_t>& words) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return;
  png.format = PNG_FORMAT_BGRA;
  words.resize(std::size_t(png.width) * png.height);
  png_image_finish_read(&png, nullptr, words.data(), 0, nullptr);
}

void decodeSound(const std::string& path, std::vector<sf::Int16>& samples) {
  sf::InputSoundFile file;
  if (!file.openFromFile(path)) return;
  samples.resize(std::size_t(file.getSampleCount()));
  file.read(samples.data(), samples.size());
}

// Every file in order on this thread.
void decodeAll(const std::vector<std::string>& pictures, const std::vector<std::string>& sounds, Decoded& out) {
  out.pictures.assign(pictures.size(), {});
  out.sounds.assign(sounds.size(), {});
  for (std::size_t i = 0; i < pictures.size(); ++i) decodePicture(pictures[i], out.pictures[i]);
  for (std::size_t i = 0; i < sounds.size(); ++i) decodeSound(sounds[i], out.sounds[i]);
}

// Two threads take the next file from a shared counter; each result lands in its own
// place, so the catalogue's order is kept.
void decodeAllTwoThreads(const std::vector<std::string>& pictures, const std::vector<std::string>& sounds,
                         Decoded& out) {
  out.pictures.assign(pictures.size(), {});
  out.sounds.assign(sounds.size(), {});
  std::atomic<std::size_t> next{0};
  const std::size_t total = pictures.size() + sounds.size();
  auto work = [&] {
    for (std::size_t i = next++; i < total; i = next++) {
      // Sounds first: they are the longest jobs.
      if (i < sounds.size()) decodeSound(sounds[i], out.sounds[i]);
      else decodePicture(pictures[i - sounds.size()], out.pictures[i - sounds.size()]);
    }
  };
  std::thread helper(work);
  work();
  helper.join();
}

bool prepare(benchmark::State& state) {
  std::string why;
  if (!bench_scene::openGame(why)) {
    state.SkipWithError(why.c_str());
    return false;
  }
  return true;
}

void BM_StartUp(benchmark::State& state) {
  if (!prepare(state)) return;
  for (auto _ : state) startUp();
}

void BM_DecodeAlone(benchmark::State& state) {
  if (!prepare(state)) return;
  const auto pictures = cataloguePictures();
  const auto sounds = catalogueSounds();
  Decoded decoded;
  for (auto _ : state) decodeAll(pictures, sounds, decoded);
  state.counters["pictures"] = double(pictures.size());
  state.counters["sounds"] = double(sounds.size());
}

void BM_DecodeAloneTwoThreads(benchmark::State& state) {
  if (!prepare(state)) return;
  const auto pictures = cataloguePictures();
  const auto sounds = catalogueSounds();
  Decoded decoded;
  for (auto _ : state) decodeAllTwoThreads(pictures, sounds, decoded);
}

void BM_StartUpVsDecoding(benchmark::State& state) {
  if (!prepare(state)) return;
  const auto pictures = cataloguePictures();
  const auto sounds = catalogueSounds();
  Decoded decoded;
  double startNs = 1e300, decodeNs = 1e300, decodeTwoNs = 1e300;
  for (auto _ : state) {
    for (int round = 0; round < 5; ++round) {
      startNs = std::min(startNs, bench_timing::bestNsPerCall([] { startUp(); }, 1, 0));
      decodeNs = std::min(decodeNs, bench_timing::bestNsPerCall([&] { decodeAll(pictures, sounds, decoded); }, 1, 0));
      decodeTwoNs = std::min(
          decodeTwoNs, bench_timing::bestNsPerCall([&] { decodeAllTwoThreads(pictures, sounds, decoded); }, 1, 0));
    }
  }
  heap_counter::startCounting();
  startUp();
  const std::uint64_t allocations = heap_counter::stopCounting();
  state.counters["startup_ms"] = startNs / 1e6;
  state.counters["decode_ms"] = decodeNs / 1e6;
  state.counters["decode_two_threads_ms"] = decodeTwoNs / 1e6;
  state.counters["ratio_to_decoding"] = startNs / decodeNs;
  state.counters["ratio_to_two_thread_decoding"] = startNs / decodeTwoNs;
  state.counters["allocations_per_startup"] = double(allocations);
}

BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeAloneTwoThreads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartUpVsDecoding)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
