// libFuzzer harness of the sound readers the catalogue relies on: arbitrary bytes go to
// sf::SoundBuffer::loadFromMemory, which picks the MP3 reader (libmpg123) or SFML's own
// Ogg Vorbis reader by the first bytes. Audio plays into OpenAL Soft's null output.
#include <SFML/Audio/SoundBuffer.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/port/sound.h"

// Read by nobody: keeps the loop over every sample from being optimised away.
static volatile std::int64_t sampleSink;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ::setenv("ALSOFT_DRIVERS", "null", 1);
  platform::startAudio();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  sf::SoundBuffer buffer;
  if (!buffer.loadFromMemory(data, size)) return 0;
  // A loaded buffer has whole frames of a real channel count and rate.
  const unsigned channels = buffer.getChannelCount();
  if (channels < 1 || buffer.getSampleRate() == 0) std::abort();
  if (buffer.getSampleCount() % channels != 0) std::abort();
  const sf::Int16* samples = buffer.getSamples();
  std::int64_t sum = 0;
  for (std::size_t i = 0; i < buffer.getSampleCount(); ++i) sum += samples[i];
  sampleSink = sum;
  return 0;
}
