// The game's own random numbers: the additive-feedback generator whose sequence Debian's C
// library gives for rand and srand, so recorded rounds replay the same on every machine.
// Call randomSeed / randomNumber where the game once called srand / rand; a tool that draws
// numbers of its own (dream-sim's simulated player) keeps a RandomGenerator of its own so it
// leaves the game's sequence alone.
#pragma once
#include <array>
#include <cstdint>

namespace platform {

// The largest number next() returns (the C library's RAND_MAX).
inline constexpr int kRandomMax = 2147483647;

// Sum of the words 3 and 31 places back, modulo 2^32, the top 31 bits given out. A seed
// fills 31 words through the multiplicative generator x * 16807 mod (2^31 - 1), the next
// three repeat the first three, and the first 310 sums are thrown away. Seeds 0 and 1 give the same sequence.
class RandomGenerator {
 public:
  explicit RandomGenerator(std::uint32_t seed = 1) { reseed(seed); }
  void reseed(std::uint32_t seed);
  // A number in 0..kRandomMax.
  int next();

 private:
  std::array<std::uint32_t, 31> words_{};
  int front_ = 0;  // index of the word 31 places back, the next to be replaced
};

// The game's one generator: seeded with 1 until randomSeed is called.
void randomSeed(std::uint32_t seed);
int randomNumber();

}  // namespace platform
