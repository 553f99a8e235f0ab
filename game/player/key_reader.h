// The one reader of keys for the player's rules in an update. Each key is asked from the
// platform at most once per update, and only when a rule reaches it, so a press latched
// between two polls is seen by the rule that needs it and by no other.
#pragma once
#include <array>

#include "platform/seam/input.h"

class KeyReader {
 public:
  KeyReader() { known_.fill(-1); }

  // Whether the key counts as pressed in this update (asked from the platform on first use).
  bool held(int key) {
    if (known_[key] < 0) known_[key] = platform::keyPressed(key) ? 1 : 0;
    return known_[key] == 1;
  }

  // Either of two keys (the first asked first; the second only when the first is not held).
  bool either(int first, int second) { return held(first) || held(second); }

 private:
  std::array<signed char, platform::kVirtualKeyCount> known_;
};
