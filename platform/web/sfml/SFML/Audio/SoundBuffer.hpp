// The browser build's stand-in for SFML's sound buffer, the one audio class the game's
// catalogue names: a sound file handed to the page's Web Audio (platform/web/web_audio.h). The
// browser build puts this folder first on its include path; the desktop build uses SFML.
#pragma once
#include <string>

#include "platform/web/web_audio.h"

namespace sf {

class SoundBuffer {
 public:
  bool loadFromFile(const std::string& path) {
    sound_ = platform::web::loadSoundFile(path);
    return sound_ >= 0;
  }
  int pageSound() const { return sound_; }

 private:
  int sound_ = -1;
};

}  // namespace sf
