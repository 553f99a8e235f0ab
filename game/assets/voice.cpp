// The sound voices on the catalogue's sound buffers (SFML), with a play count per voice.
#include "game/assets/voice.h"

#include <SFML/Audio/Sound.hpp>
#include <array>
#include <memory>

#include "game/assets/catalogue.h"

namespace {

const sf::SoundBuffer& bufferOf(Voice voice) {
  AssetCatalogue& a = assets;
  switch (voice) {
    case Voice::kStrike: return *a.playerAtkSound;
    case Voice::kDash: return *a.sharkRollSound;
    case Voice::kShot: return *a.shootSound;
    case Voice::kEmptyClick: return *a.playerAtkSound;
    case Voice::kShotHit: return *a.waterHitSound;
    case Voice::kBlast: return *a.blastSound;
    case Voice::kWaterShot: return *a.waterShootSound;
    case Voice::kBombDrop: return *a.boomSound;
    case Voice::kPlaneFan: return *a.planeSound;
    case Voice::kRoar: return *a.kingAtkSound;
    case Voice::kSharkRoll: return *a.sharkRollSound;
  }
  return *a.playerAtkSound;
}

std::array<std::uint64_t, kVoiceCount> playCounts{};

}  // namespace

void playVoice(Voice voice) {
  // Made on first play, after the catalogue's buffers, so they go before the buffers at exit.
  static std::array<std::unique_ptr<sf::Sound>, kVoiceCount> voices;
  const auto index = static_cast<std::size_t>(voice);
  ++playCounts[index];
  if (!voices[index]) voices[index] = std::make_unique<sf::Sound>(bufferOf(voice));
  voices[index]->play();
}

std::uint64_t voicePlayCount(Voice voice) { return playCounts[static_cast<std::size_t>(voice)]; }
