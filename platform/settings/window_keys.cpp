// The window's shared rules (see window_keys.h): the fixed keys, the watch keys, the mouse
// buttons, the focus and the pads' news, onto the key router and the input latch.
#include "platform/settings/window_keys.h"

#include "platform/controls/pad_aim.h"
#include "platform/port/sound.h"
#include "platform/seam/input_feed.h"
#include "platform/settings/settings_file.h"

namespace platform {
namespace {

// A one-shot press of the focus-loss key, which pauses a round.
void pauseRound() {
  recordKey(kVkFocusLost, true);
  recordKey(kVkFocusLost, false);
}

// The watch key at a key's place: Space, the right arrow, Escape.
bool watchKeyAt(KeyCode key, WatchKey& watchKey) {
  switch (key) {
    case kKeySpace: watchKey = WatchKey::kPause; return true;
    case kKeyRight: watchKey = WatchKey::kFaster; return true;
    case kKeyEscape: watchKey = WatchKey::kLeave; return true;
    default: return false;
  }
}

}  // namespace

WindowKeys makeWindowKeys() {
  const Settings settings = currentSettings();
  WindowKeys keys;
  keys.router = makeKeyRouter(settings.bindings);
  keys.pauseOnFocusLoss = settings.pauseOnFocusLoss;
  return keys;
}

KeyEffect windowKey(WindowKeys& keys, KeyCode key, bool down, bool repeat, bool alt) {
  const bool freshPress = down && !repeat;
  if (key == keys.takenEnter) {
    if (!down) keys.takenEnter = kKeyUnknown;
    return KeyEffect::kNothing;
  }
  const bool enter = key == kKeyReturn || key == kKeyPadEnter;
  if (freshPress && enter && alt) {
    keys.takenEnter = key;
    return KeyEffect::kSwitchFullscreen;
  }
  if (key == kKeyF11) return freshPress ? KeyEffect::kSwitchFullscreen : KeyEffect::kNothing;
  if (key == kKeyM) {
    if (freshPress) toggleMute();
    return KeyEffect::kNothing;
  }
  WatchKey watchKey;
  if (freshPress && watchKeyAt(key, watchKey)) recordWatchKey(watchKey);
  if (freshPress) recordDeviceUse(InputDevice::KeysAndMouse);
  routeKey(keys.router, key, down);
  return KeyEffect::kNothing;
}

void windowButton(WindowKeys& keys, MouseButton button, bool down) {
  if (button == MouseButton::kOther) return;
  routeButton(keys.router, button == MouseButton::kLeft ? kVkLButton : kVkRButton, down);
}

void windowFocus(WindowKeys& keys, bool gained) {
  if (gained) keys.hadFocus = true;
  else if (keys.hadFocus && keys.pauseOnFocusLoss) pauseRound();
}

void windowAway(bool away) { recordKey(kVkWindowAway, away); }

void toggleMute() {
  const Settings settings = currentSettings();
  setSoundLevel(settings.volume, !settings.muted);
  rememberMuted(!settings.muted);
}

}  // namespace platform
