// The record that holds one of the game's sounds, as the catalogue keeps it: SFML's buffer
// on the desktop; in a build without an audio library (DA_SILENT_SOUND, the WebAssembly
// driver) platform/silent's, which only knows that the file could be read.
#pragma once
#ifdef DA_SILENT_SOUND
#include "platform/silent/sound_buffer.h"
#else
#include <SFML/Audio/SoundBuffer.hpp>
namespace platform {
using SoundBuffer = sf::SoundBuffer;
}
#endif
