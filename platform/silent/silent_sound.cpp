// The audio of a build without an audio library: there is no device, so audio start-up
// finds it silent, and a sound's file is only checked for being there to read.
#include <fstream>

#include "platform/port/sound.h"
#include "platform/silent/sound_buffer.h"

namespace platform {

void startAudio() {}

bool audioSilent() { return true; }

bool SoundBuffer::loadFromFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  char byte = 0;
  return file && file.get(byte);
}

}  // namespace platform
