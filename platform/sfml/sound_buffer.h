// The desktop's sound record (port/sound_buffer.h): SFML's buffer, which reads Ogg Vorbis and,
// through the MP3 reader (mp3_reader.h), MP3.
#pragma once
#include <SFML/Audio/SoundBuffer.hpp>

namespace platform {

using SoundBuffer = sf::SoundBuffer;

}  // namespace platform
