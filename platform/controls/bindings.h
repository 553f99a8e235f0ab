// The player's actions and the physical keys bound to them: each action's name in the
// settings file, its default keys (their places on a US keyboard, as key codes, so that
// every layout walks with the same four keys) and the virtual key (input.h) its keys feed.
// Keys are written by their names (key_codes.h). Read by the settings file and the key
// router.
#pragma once
#include <string>
#include <vector>

#include "platform/base/key_codes.h"

namespace platform {

enum class Action { WalkUp, WalkDown, WalkLeft, WalkRight, Run, PlainRun, Strike, Dash, Eat, Fire, Pause };
constexpr int kActionCount = 11;

struct ActionInfo {
  const char* name;         // its key in the settings file
  const char* defaultKeys;  // key names, separated by spaces
  const char* meaning;      // one line for the settings file and --help
};

const ActionInfo& actionInfo(Action action);

using KeyList = std::vector<KeyCode>;

// The keys of every action, indexed by Action.
struct Bindings {
  KeyList keys[kActionCount];
};

Bindings defaultBindings();

// The virtual key that a key bound to the action feeds.
int virtualKeyFor(Action action, KeyCode key);

// Keys no action may take: M (mute), F11 (fullscreen) and both Enter keys.
bool reservedKey(KeyCode key);

// Reads key names separated by spaces ("W Up"); a name with spaces in it ("Left Shift")
// is read whole, the longest name first. On a word that starts no name returns false and
// sets unknown to it. A key named twice is kept once.
bool parseKeyNames(const std::string& text, KeyList& keys, std::string& unknown);

// The keys' names separated by spaces, as parseKeyNames reads them.
std::string keyNames(const KeyList& keys);

}  // namespace platform
