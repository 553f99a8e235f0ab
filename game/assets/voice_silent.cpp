// The voices of a build without sound: each play is counted and nothing is heard.
#include <array>

#include "game/assets/voice.h"

namespace {
std::array<std::uint64_t, kVoiceCount> playCounts{};
}

void playVoice(Voice voice) { ++playCounts[static_cast<std::size_t>(voice)]; }

std::uint64_t voicePlayCount(Voice voice) { return playCounts[static_cast<std::size_t>(voice)]; }
