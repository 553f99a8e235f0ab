// A sound that is never heard, for a build without an audio library: loading checks that the
// file is there to be read, as a failed load must still end the game.
#pragma once
#include <string>

namespace platform {

struct SoundBuffer {
  // True when path is a plain file that can be read and is not empty.
  bool loadFromFile(const std::string& path);
};

}  // namespace platform
