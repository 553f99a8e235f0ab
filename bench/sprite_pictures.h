// Test pictures for the blend benchmarks (header only: every bench/*.cpp is its own
// program): square sprites of straight-alpha words, with random alpha or sprite-like (an
// opaque disc with a soft edge, transparent outside), drawn into a 1600-word-wide target.
#pragma once
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace bench_sprites {

constexpr int kTargetWidth = 1600;

inline std::vector<std::uint32_t> makeSprite(int size, bool spriteLike) {
  std::mt19937 random(11);
  std::vector<std::uint32_t> words(std::size_t(size) * size);
  const double c = (size - 1) / 2.0, r = size * 0.45;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      std::uint32_t alpha = random() & 0xFF;
      if (spriteLike) {
        const double d = std::hypot(x - c, y - c);
        alpha = d <= r - 1.5 ? 255 : d >= r ? 0 : std::uint32_t((r - d) / 1.5 * 255);
      }
      words[std::size_t(y) * size + x] = alpha << 24 | (random() & 0xFFFFFF);
    }
  return words;
}

}  // namespace bench_sprites
