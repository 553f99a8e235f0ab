// An sf::SoundFileReader that decodes MP3 with libmpg123, reading through SFML's input
// stream, so sf::SoundBuffer::loadFromFile reads .mp3 files. Output is signed 16-bit at
// the file's own rate and channel count.
#pragma once
#include <SFML/Audio/SoundFileReader.hpp>

struct mpg123_handle_struct;

namespace platform {

class Mp3Reader : public sf::SoundFileReader {
 public:
  Mp3Reader();
  ~Mp3Reader() override;

  // True when the stream starts like an MP3 file (an ID3v2 tag or an MPEG audio frame).
  static bool check(sf::InputStream& stream);

  bool open(sf::InputStream& stream, Info& info) override;
  void seek(sf::Uint64 sampleOffset) override;
  sf::Uint64 read(sf::Int16* samples, sf::Uint64 maxCount) override;

 private:
  void close();

  mpg123_handle_struct* handle_;
  sf::InputStream* stream_;
  unsigned channels_;
};

// Registers Mp3Reader with SFML once; later calls do nothing.
void registerMp3Reader();

}  // namespace platform
