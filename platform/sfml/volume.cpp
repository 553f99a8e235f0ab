// The sound level (see port/sound.h). SFML keeps the listener volume for the audio device
// and applies it when a device opens, so it can be set before any sound exists.
#include <SFML/Audio/AlResource.hpp>
#include <SFML/Audio/Listener.hpp>

#include "platform/port/sound.h"

namespace platform {
namespace {

// Holds SFML's audio device open until the program ends: the window thread then sets the
// volume of a device that the main thread is neither opening nor closing meanwhile.
struct DeviceHold : sf::AlResource {};

}  // namespace

void setSoundLevel(int volume, bool muted) {
  startAudio();
  static const DeviceHold hold;
  sf::Listener::setGlobalVolume(muted ? 0.f : float(volume));
}

float soundLevel() { return sf::Listener::getGlobalVolume(); }

}  // namespace platform
