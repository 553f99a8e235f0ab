// The action table, the default bindings and key names (see bindings.h).
#include "platform/controls/bindings.h"

#include <algorithm>
#include <sstream>

#include "platform/seam/input.h"

namespace platform {
namespace {

struct ActionKeys {
  ActionInfo info;
  int virtualKey;      // what its keys feed
  KeyCode arrow;       // for a walking action: the arrow key of its direction
  int arrowKey;        // and the virtual key that arrow feeds; else 0
};

const ActionKeys kActions[kActionCount] = {
    {{"walk_up", "W Up", "walk up"}, 'W', kKeyUp, kVkUp},
    {{"walk_down", "S Down", "walk down"}, 'S', kKeyDown, kVkDown},
    {{"walk_left", "A Left", "walk left"}, 'A', kKeyLeft, kVkLeft},
    {{"walk_right", "D Right", "walk right"}, 'D', kKeyRight, kVkRight},
    {{"run", "H", "run (held): a double step; costs energy, which does not come back meanwhile"}, 'H', kKeyUnknown, 0},
    {{"plain_run", "3", "run (held) as run does, but energy keeps coming back and no run pictures show"}, '3', kKeyUnknown, 0},
    {{"strike", "J 1", "melee strike on the side you face; kicks bombs away"}, 'J', kKeyUnknown, 0},
    {{"dash", "K 2", "a short invulnerable dash the way the walking letter keys point"}, 'K', kKeyUnknown, 0},
    {{"eat", "E", "eat the piece of meat you stand on"}, 'E', kKeyUnknown, 0},
    {{"fire", "", "fire at the cursor, as the left mouse button always does"}, kVkLButton, kKeyUnknown, 0},
    {{"pause", "Escape P", "pause and resume"}, kVkPause, kKeyUnknown, 0},
};

// The longest key name made of words[first..] (at most four words), or unknown.
KeyCode longestName(const std::vector<std::string>& words, std::size_t first, std::size_t& used) {
  for (std::size_t count = std::min<std::size_t>(4, words.size() - first); count > 0; --count) {
    std::string name = words[first];
    for (std::size_t k = 1; k < count; ++k) name += " " + words[first + k];
    const KeyCode key = keyCodeNamed(name);
    if (key != kKeyUnknown) {
      used = count;
      return key;
    }
  }
  return kKeyUnknown;
}

}  // namespace

const ActionInfo& actionInfo(Action action) { return kActions[int(action)].info; }

Bindings defaultBindings() {
  Bindings bindings;
  std::string unknown;
  for (int a = 0; a < kActionCount; ++a) parseKeyNames(kActions[a].info.defaultKeys, bindings.keys[a], unknown);
  return bindings;
}

int virtualKeyFor(Action action, KeyCode key) {
  const ActionKeys& entry = kActions[int(action)];
  // An arrow walking its own way feeds its arrow, not the letter: the rules let the letter
  // keys steer a dash and the arrows not, so the default arrows must stay arrows.
  return entry.arrowKey && key == entry.arrow ? entry.arrowKey : entry.virtualKey;
}

bool reservedKey(KeyCode key) { return key == kKeyM || key == kKeyF11 || key == kKeyReturn || key == kKeyPadEnter; }

bool parseKeyNames(const std::string& text, KeyList& keys, std::string& unknown) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  keys.clear();
  for (std::size_t at = 0; at < words.size();) {
    std::size_t used = 0;
    const KeyCode key = longestName(words, at, used);
    if (key == kKeyUnknown) {
      unknown = words[at];
      return false;
    }
    if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
    at += used;
  }
  return true;
}

std::string keyNames(const KeyList& keys) {
  std::string names;
  for (KeyCode key : keys) names += (names.empty() ? "" : " ") + std::string(keyCodeName(key));
  return names;
}

}  // namespace platform
