// Sound voices: each function that plays a sound owns one sf::Sound on a catalogue buffer,
// made on its first call and kept (a function-local static). playVoice starts it over if it
// still sounds, and counts plays per buffer so tests can see which sounds a rule started.
#pragma once
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <cstdint>

void playVoice(sf::Sound& voice);

// Number of playVoice calls on voices bound to this buffer since program start.
std::uint64_t voicePlayCount(const sf::SoundBuffer& buffer);
