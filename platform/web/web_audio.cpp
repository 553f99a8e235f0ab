// The page's sounds and the sound level (port/sound.h) through Web Audio.
#include "platform/web/web_audio.h"

#include <emscripten.h>

#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "platform/port/sound.h"

namespace platform {
namespace {

EM_JS(int, pageLoadSound, (const void* bytes, int length), { return Module.webGlue.loadSound(bytes, length); });
EM_JS(void, pagePlaySound, (int voice, int sound), { Module.webGlue.playSound(voice, sound); });
EM_JS(void, pageSoundLevel, (double level), { Module.webGlue.setSoundLevel(level); });

float level = 100.f;

}  // namespace

namespace web {

// The data never changes under the page: a file loaded again (every new round's start-up)
// is the sound it was.
int loadSoundFile(const std::string& path) {
  static std::map<std::string, int> loaded;
  if (const auto known = loaded.find(path); known != loaded.end()) return known->second;
  std::ifstream file(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.good() && !file.eof()) return -1;
  if (bytes.empty()) return -1;
  return loaded[path] = pageLoadSound(bytes.data(), int(bytes.size()));
}

void playSound(int voice, int sound) {
  if (sound >= 0) pagePlaySound(voice, sound);
}

}  // namespace web

// Web Audio needs no device of its own: the page always has one, silent or not.
void startAudio() {}

bool audioSilent() { return false; }

void setSoundLevel(int volume, bool muted) {
  level = muted ? 0.f : float(volume);
  pageSoundLevel(level / 100.0);
}

float soundLevel() { return level; }

}  // namespace platform
