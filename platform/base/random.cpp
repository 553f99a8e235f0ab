// The game's generator: seeding through 16807 * x mod (2^31 - 1), then lagged sums.
#include "platform/base/random.h"

namespace platform {

namespace {

// 16807 * x mod (2^31 - 1) on signed 32-bit words, split so nothing overflows
// (2^31 - 1 = 16807 * 127773 + 2836). A negative seed word stays in the recurrence as the
// C library keeps it: the split is on truncating division.
std::int32_t nextSeedWord(std::int32_t x) {
  const std::int32_t high = x / 127773;
  const std::int32_t low = x % 127773;
  std::int32_t word = 16807 * low - 2836 * high;
  if (word < 0) word += 2147483647;
  return word;
}

RandomGenerator gameGenerator;

}  // namespace

void RandomGenerator::reseed(std::uint32_t seed) {
  std::int32_t word = seed == 0 ? 1 : static_cast<std::int32_t>(seed);
  words_[0] = static_cast<std::uint32_t>(word);
  for (int i = 1; i < 31; ++i) {
    word = nextSeedWord(word);
    words_[i] = static_cast<std::uint32_t>(word);
  }
  // The next three words repeat the first three unchanged; sums start after them.
  front_ = 3;
  for (int i = 0; i < 310; ++i) next();
}

int RandomGenerator::next() {
  // words_[front_] is 31 places back; the word 3 places back is 28 slots ahead of it.
  const std::uint32_t sum = words_[front_] + words_[(front_ + 28) % 31];
  words_[front_] = sum;
  front_ = (front_ + 1) % 31;
  return static_cast<int>(sum >> 1);
}

void randomSeed(std::uint32_t seed) { gameGenerator.reseed(seed); }

int randomNumber() { return gameGenerator.next(); }

}  // namespace platform
