// The record that holds one of the game's sounds, as the catalogue keeps it: a default-made
// platform::SoundBuffer whose
//   bool loadFromFile(const std::string& path);
// is false when the file cannot be read as a sound. Each audio backend defines it in a header
// of its own, which its library names as DA_SOUND_BUFFER_HEADER (platform/CMakeLists.txt):
// SFML's buffer on the desktop (sfml/sound_buffer.h); in a build without an audio library
// (the WebAssembly driver) silent/'s, which only knows that the file could be read.
#pragma once
#include DA_SOUND_BUFFER_HEADER
