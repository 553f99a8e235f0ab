// Sound start-up and the level every sound plays at, as the audio backend provides them
// (sfml/: SFML 2.5 over OpenAL Soft).
//
// startAudio readies the backend once before the first sound buffer exists; later calls do
// nothing. The catalogue runs it before its sound buffers are constructed, and loadSounds
// and the shell may call it again freely. Without a device: when the user has not configured
// OpenAL Soft (neither ALSOFT_DRIVERS nor ALSOFT_CONF is set) the default device is probed
// once in a child process; if none can be opened, every sound plays into the null output,
// and one line "no audio device: playing silently" is written to standard error.
#pragma once

namespace platform {

void startAudio();

// True when startAudio found no audio device and chose the null output.
bool audioSilent();

// Plays every sound at volume (0..100), or silences them all when muted. Starts the audio
// first. Called on the main thread at start, then by toggleMute (window_keys.h).
void setSoundLevel(int volume, bool muted);

// The level every sound plays at now, 0..100.
float soundLevel();

}  // namespace platform
