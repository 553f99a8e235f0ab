// The page's sound record (port/sound_buffer.h): the stand-in for SFML's buffer in sfml/, which
// hands a sound file to the page's Web Audio.
#pragma once
#include <SFML/Audio/SoundBuffer.hpp>

namespace platform {

using SoundBuffer = sf::SoundBuffer;

}  // namespace platform
