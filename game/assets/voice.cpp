// Playing sound voices, with a play count per buffer for tests.
#include "game/assets/voice.h"

#include <map>

namespace {
std::map<const sf::SoundBuffer*, std::uint64_t>& playCounts() {
  static std::map<const sf::SoundBuffer*, std::uint64_t> counts;
  return counts;
}
}  // namespace

void playVoice(sf::Sound& voice) {
  ++playCounts()[voice.getBuffer()];
  voice.play();
}

std::uint64_t voicePlayCount(const sf::SoundBuffer& buffer) {
  auto found = playCounts().find(&buffer);
  return found == playCounts().end() ? 0 : found->second;
}
