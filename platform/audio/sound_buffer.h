// The record that holds one of the game's sounds, as the catalogue keeps it: SFML's buffer.
#pragma once
#include <SFML/Audio/SoundBuffer.hpp>
namespace platform {
using SoundBuffer = sf::SoundBuffer;
}
