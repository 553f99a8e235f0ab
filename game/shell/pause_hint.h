// The pause screen's smaller line: how to play on and the keys of a round's actions, named
// as the player's layout prints them. The game reads it through the seam, so a replay on
// another machine (another layout, other bindings) draws what the recording showed.
#pragma once
#include <string>

#include "platform/controls/bindings.h"

// The line for bindings, each key named by keyName (UTF-8):
// "Escape or P, or a click: play on - walk W A S D, run H, strike J, dash K, eat E".
std::string pauseHintText(const platform::Bindings& bindings, std::string (*keyName)(platform::KeyCode));

// Makes the line anew from this run's settings and the layout as it is now. The window
// thread calls it, as the layout listener (platform/controls/key_names.h), when the window opens and when the
// layout changes; until then the line names keys by their US places.
void refreshPauseHint();

// The line the pause screen draws, in Latin-1, read through the seam on the game's thread.
// A recording made before the line named the bindings answers that game's fixed line.
std::string pauseHint();

// The fixed line of the game before it named the bindings.
extern const char* const kFixedPauseHint;
