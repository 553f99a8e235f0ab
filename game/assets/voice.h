// The game's sound voices, one per rule that plays a sound: each is one player on a
// catalogue sound, made on its first play and kept to the end; playing a voice that still
// sounds starts it over, and two voices on one sound may sound together. Rules name a voice
// by its id and know no sound type; a build without sound links a stand-in that only counts.
#pragma once
#include <cstdint>

enum class Voice : std::uint8_t {
  kStrike,      // "playeratk.ogg": a melee strike
  kDash,        // "sharkroll.ogg": the player's dash starts
  kShot,        // "shoot.ogg": a shot is fired
  kEmptyClick,  // "playeratk.ogg": fire held without ammunition
  kShotHit,     // "waterhit.mp3": a shot hits a monster or the player
  kBlast,       // "blast.mp3": a bomb's blast begins
  kWaterShot,   // "watershoot.mp3": the black cloud fires
  kBombDrop,    // "boom.ogg": the plane drops a bomb
  kPlaneFan,    // "plane.ogg": the plane fires its fan
  kRoar,        // "kingatk.mp3": the king roars
  kSharkRoll,   // "sharkroll.ogg": a shark rams
};
constexpr int kVoiceCount = 11;

void playVoice(Voice voice);

// Number of playVoice calls for this voice since program start (tests).
std::uint64_t voicePlayCount(Voice voice);
