// What every window backend does with the keys, buttons and news its system gives, so that
// the desktop and the browser behave alike. Keys go by their place (key_codes.h): M mutes and
// unmutes; F11 and Alt+Enter ask the backend to switch fullscreen, and neither reaches the
// game (the Enter of an Alt+Enter stays away until it is released, even if Alt goes first);
// the watch keys of a watched round are heard beside the bindings; every other key goes
// through the player's bindings. A focus lost after focus came pauses a round when the
// settings ask for it (a pad that gave input and went away pauses one too: pad_use.h). Called
// on the window thread.
#pragma once
#include "platform/base/key_codes.h"
#include "platform/controls/key_router.h"

namespace platform {

// One window's state for these rules.
struct WindowKeys {
  KeyRouter router;                  // this run's bindings
  bool pauseOnFocusLoss = true;      // from this run's settings
  bool hadFocus = false;             // focus came at least once (a bare X server never gives it)
  KeyCode takenEnter = kKeyUnknown;  // the Enter of an Alt+Enter, until it is released
};

// For a window opening now, from this run's settings (settings_file.h).
WindowKeys makeWindowKeys();

// What the backend must do after a key, besides what the rules did.
enum class KeyEffect { kNothing, kSwitchFullscreen };

// A key went down or up; repeat marks a down sent again while the key is held, alt an Alt key
// held with it. The backend switches fullscreen when told, then remembers the switch with
// rememberFullscreen (settings_file.h).
KeyEffect windowKey(WindowKeys& keys, KeyCode key, bool down, bool repeat, bool alt);

enum class MouseButton { kLeft, kRight, kOther };

// A mouse button went down or up: left fires, right clicks, others do nothing.
void windowButton(WindowKeys& keys, MouseButton button, bool down);

// The window gained or lost the keyboard focus.
void windowFocus(WindowKeys& keys, bool gained);

// The window was minimised or hidden (away), or shown again.
void windowAway(bool away);

// Switches the mute of this run's settings, applies it to the sound level (port/sound.h) and
// remembers it in the settings file. What M does.
void toggleMute();

}  // namespace platform
