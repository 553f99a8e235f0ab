// MP3 decoding for SFML on libmpg123: the decoder reads the file through SFML's input
// stream by replaced reader callbacks, and always yields signed 16-bit samples.
#include "platform/sfml/mp3_reader.h"

#include <SFML/Audio/SoundFileFactory.hpp>
#include <SFML/System/InputStream.hpp>
#include <mpg123.h>

#include <cstdio>
#include <mutex>

namespace platform {

namespace {

ssize_t readFromStream(void* handle, void* buffer, size_t count) {
  const sf::Int64 got = static_cast<sf::InputStream*>(handle)->read(buffer, sf::Int64(count));
  return got < 0 ? -1 : ssize_t(got);
}

off_t seekInStream(void* handle, off_t offset, int whence) {
  auto* stream = static_cast<sf::InputStream*>(handle);
  sf::Int64 target = offset;
  if (whence == SEEK_CUR) {
    target += stream->tell();
  } else if (whence == SEEK_END) {
    target += stream->getSize();
  } else if (whence != SEEK_SET) {
    return -1;
  }
  if (target < 0) return -1;
  const sf::Int64 reached = stream->seek(target);
  return reached < 0 ? off_t(-1) : off_t(reached);
}

bool libraryReady() {
  static const bool ready = mpg123_init() == MPG123_OK;
  return ready;
}

// MPEG audio frame header: 11 sync bits, a valid version, layer, bitrate and rate index.
bool isFrameHeader(const unsigned char* b) {
  if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0) return false;
  if (((b[1] >> 3) & 3) == 1 || ((b[1] >> 1) & 3) == 0) return false;
  if ((b[2] >> 4) == 15 || ((b[2] >> 2) & 3) == 3) return false;
  return true;
}

}  // namespace

Mp3Reader::Mp3Reader() : handle_(nullptr), stream_(nullptr), channels_(0) {}

Mp3Reader::~Mp3Reader() { close(); }

void Mp3Reader::close() {
  if (handle_ != nullptr) {
    mpg123_close(handle_);
    mpg123_delete(handle_);
    handle_ = nullptr;
  }
}

bool Mp3Reader::check(sf::InputStream& stream) {
  unsigned char head[4] = {0, 0, 0, 0};
  if (stream.read(head, 4) != 4) return false;
  if (head[0] == 'I' && head[1] == 'D' && head[2] == '3') return true;
  return isFrameHeader(head);
}

bool Mp3Reader::open(sf::InputStream& stream, Info& info) {
  close();
  if (!libraryReady()) return false;
  int error = MPG123_OK;
  handle_ = mpg123_new(nullptr, &error);
  if (handle_ == nullptr) return false;
  stream_ = &stream;
  mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
  mpg123_format_none(handle_);
  const long* rates = nullptr;
  size_t rateCount = 0;
  mpg123_rates(&rates, &rateCount);
  for (size_t i = 0; i < rateCount; ++i) {
    mpg123_format(handle_, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
  }
  if (mpg123_replace_reader_handle(handle_, readFromStream, seekInStream, nullptr) != MPG123_OK ||
      mpg123_open_handle(handle_, stream_) != MPG123_OK) {
    close();
    return false;
  }
  long rate = 0;
  int channels = 0, encoding = 0;
  if (mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK || rate <= 0 ||
      channels <= 0 || encoding != MPG123_ENC_SIGNED_16) {
    close();
    return false;
  }
  mpg123_format_none(handle_);
  mpg123_format(handle_, rate, channels, MPG123_ENC_SIGNED_16);
  // Scanning the whole stream gives the exact length (gapless, no VBR estimate).
  mpg123_scan(handle_);
  const off_t frames = mpg123_length(handle_);
  channels_ = unsigned(channels);
  info.channelCount = channels_;
  info.sampleRate = unsigned(rate);
  info.sampleCount = frames > 0 ? sf::Uint64(frames) * channels_ : 0;
  return true;
}

void Mp3Reader::seek(sf::Uint64 sampleOffset) {
  if (handle_ != nullptr && channels_ != 0) {
    mpg123_seek(handle_, off_t(sampleOffset / channels_), SEEK_SET);
  }
}

sf::Uint64 Mp3Reader::read(sf::Int16* samples, sf::Uint64 maxCount) {
  if (handle_ == nullptr) return 0;
  sf::Uint64 total = 0;
  while (total < maxCount) {
    size_t done = 0;
    const int result = mpg123_read(handle_, reinterpret_cast<unsigned char*>(samples + total),
                                   size_t(maxCount - total) * sizeof(sf::Int16), &done);
    total += done / sizeof(sf::Int16);
    if (result == MPG123_NEW_FORMAT) continue;
    if (result != MPG123_OK || done == 0) break;
  }
  return total;
}

void registerMp3Reader() {
  static std::once_flag once;
  std::call_once(once, [] { sf::SoundFileFactory::registerReader<Mp3Reader>(); });
}

}  // namespace platform
