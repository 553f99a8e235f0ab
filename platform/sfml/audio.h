// Audio start-up for SFML 2.5: registers the MP3 reader (libmpg123) with SFML's sound file
// factory, sends SFML's error stream nowhere, and makes sure a machine without an audio
// device plays silently. Run once before the first sound buffer exists; later calls do
// nothing. The catalogue runs it before its sound buffers are constructed, and loadSounds
// and the shell may call it again freely.
//
// Without a device: when the user has not configured OpenAL Soft (neither ALSOFT_DRIVERS
// nor ALSOFT_CONF is set) the default device is probed once in a child process; if none
// can be opened, ALSOFT_DRIVERS=null is set so every sound plays into the null output,
// and one line "no audio device: playing silently" is written to standard error.
#pragma once

namespace platform {

void startAudio();

// True when startAudio found no audio device and chose the null output.
bool audioSilent();

}  // namespace platform
