// The browser build's stand-in for SFML's sound: a voice of its own on the page, playing its
// buffer (SoundBuffer.hpp); play on a voice that is still playing starts it again.
#pragma once
#include "SFML/Audio/SoundBuffer.hpp"
#include "platform/web/web_audio.h"

namespace sf {

class Sound {
 public:
  explicit Sound(const SoundBuffer& buffer) : buffer_(&buffer), voice_(nextVoice()) {}
  void play() { platform::web::playSound(voice_, buffer_->pageSound()); }

 private:
  static int nextVoice() {
    static int voices = 0;
    return voices++;
  }
  const SoundBuffer* buffer_;
  int voice_;
};

}  // namespace sf
