// The keyboard's pause line (see pause_hint.h).
#include "game/shell/pause_hint.h"

#include <mutex>

#include "platform/base/latin1_text.h"
#include "platform/controls/key_names.h"
#include "platform/replay/session.h"
#include "platform/settings/settings_file.h"

using platform::Action;
using platform::KeyCode;
using platform::KeyList;

namespace {

std::mutex lineLock;
std::string line;  // empty until refreshed

// "A", "A or B", "A, B or C".
std::string either(const KeyList& keys, std::string (*keyName)(KeyCode)) {
  std::string text;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (i > 0) text += i + 1 == keys.size() ? " or " : ", ";
    text += keyName(keys[i]);
  }
  return text;
}

// ", run H": the action's first key, or nothing when it has none.
std::string firstKey(const char* label, const KeyList& keys, std::string (*keyName)(KeyCode)) {
  return keys.empty() ? "" : std::string(", ") + label + " " + keyName(keys.front());
}

// The line for this run's bindings as the layout prints their keys now, in Latin-1.
std::string lineNow() {
  return platform::latin1(pauseHintText(platform::currentSettings().bindings, platform::printedKeyName));
}

}  // namespace

const char* const kFixedPauseHint = "Escape or P, or a click: play on";

std::string pauseHintText(const platform::Bindings& bindings, std::string (*keyName)(KeyCode)) {
  const auto keys = [&](Action action) -> const KeyList& { return bindings.keys[int(action)]; };
  const std::string pauseKeys = either(keys(Action::Pause), keyName);
  std::string text = pauseKeys.empty() ? "A click: play on" : pauseKeys + ", or a click: play on";
  std::string walk;
  for (Action a : {Action::WalkUp, Action::WalkLeft, Action::WalkDown, Action::WalkRight})
    if (!keys(a).empty()) walk += (walk.empty() ? "" : " ") + keyName(keys(a).front());
  std::string actions = walk.empty() ? "" : ", walk " + walk;
  actions += firstKey("run", keys(Action::Run), keyName);
  actions += firstKey("strike", keys(Action::Strike), keyName);
  actions += firstKey("dash", keys(Action::Dash), keyName);
  actions += firstKey("eat", keys(Action::Eat), keyName);
  actions += firstKey("fire", keys(Action::Fire), keyName);
  if (!actions.empty()) text += " - " + actions.substr(2);
  return text;
}

void refreshPauseHint() {
  std::string fresh = lineNow();
  std::lock_guard<std::mutex> hold(lineLock);
  line = std::move(fresh);
}

std::string pauseHint() {
  std::string live;
  {
    std::lock_guard<std::mutex> hold(lineLock);
    live = line;
  }
  if (live.empty()) live = lineNow();
  return platform::replay::textRead(platform::replay::value_tag::kPauseHint, live, kFixedPauseHint);
}
