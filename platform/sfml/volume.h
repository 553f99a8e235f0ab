// The player's mute switch over the sound level of port/sound.h: M switches it while
// playing, and the settings remember it.
#pragma once

namespace platform {

// Switches the mute of this run's settings, applies it and remembers it in the settings
// file. Called by the window thread when M is pressed.
void toggleMute();

}  // namespace platform
