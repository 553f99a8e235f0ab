// Polled keyboard and mouse state, with the meaning the game's rules expect:
// a key counts as pressed when it is down now or was pressed since the previous query
// of that same key, so a press and release between two polls is never lost.
// The window thread (or a test) feeds it through input_feed.h; the game only reads it,
// from its main thread.
#pragma once

namespace platform {

// Virtual-key codes the game reads. Letters and digits use their upper-case ASCII code
// ('W', 'A', '1', ...), as virtual keys do.
enum VirtualKey : int {
  kVkLButton = 0x01,
  kVkRButton = 0x02,
  kVkReturn = 0x0D,
  // The window's own news, read like keys: pressed once when the window loses keyboard focus
  // (after it had it, and while the settings ask for it), down while it is minimised or hidden.
  kVkFocusLost = 0x0E,
  kVkWindowAway = 0x0F,
  kVkPause = 0x13,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
};
constexpr int kVirtualKeyCount = 256;

// True when the key is down now or was pressed since the previous call for this key.
// Clears the "pressed since" latch of that key. The game's rules read keys this way.
bool keyPressed(int virtualKey);

// True when the key is down at this moment. Leaves the latch alone, so a press that the
// rules have not read yet is kept for them. The drawing reads keys this way.
bool keyDown(int virtualKey);

// Forgets every press of the key made so far: its latch is cleared, and a key that is down
// now counts again only after it has been released and pressed anew. A screen calls it for
// the buttons it offers when it starts, so that only presses made while it is shown count.
void forgetPresses(int virtualKey);

// The cursor in the coordinates of the window's frame (the working image), whatever size
// the window is shown at: 0..width-1 / 0..height-1 over the picture, beyond outside it.
void cursorInClient(int& x, int& y);

// The keys of a watched round, which the game never reads: Space pauses, the right arrow
// runs faster, Escape leaves. The window feeds them by their places on the keyboard, beside
// (not instead of) the player's bindings; they go through no record or replay.
enum class WatchKey { kPause, kFaster, kLeave };
constexpr int kWatchKeyCount = 3;

// True when the key was pressed since the previous call for it; clears that.
bool watchKeyPressed(WatchKey key);

}  // namespace platform
