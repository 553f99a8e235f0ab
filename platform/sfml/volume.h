// The level every sound plays at, through SFML's global listener volume: the settings'
// volume (0..100), or nothing while muted. Set at start from the settings; M switches the
// mute while playing.
#pragma once

namespace platform {

// Plays every sound at volume (0..100), or silences them all when muted. Starts the audio
// (audio.h) first. Called on the main thread at start, then by toggleMute.
void setSoundLevel(int volume, bool muted);

// Switches the mute of this run's settings, applies it and remembers it in the settings
// file. Called by the window thread when M is pressed.
void toggleMute();

// The global listener volume now, 0..100.
float soundLevel();

}  // namespace platform
