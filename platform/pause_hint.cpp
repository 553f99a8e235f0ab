#include "platform/pause_hint.h"

#include <mutex>

#include "platform/controls/key_names.h"
#include "platform/replay/session.h"
#include "platform/settings/settings_file.h"

namespace platform {
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

}  // namespace

const char* const kFixedPauseHint = "Escape or P, or a click: play on";

std::string pauseHintText(const Bindings& bindings, std::string (*keyName)(KeyCode)) {
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

std::string latin1(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 1;
    unsigned code = length == 1 ? lead : lead & (0x7F >> length);
    bool whole = i + length <= utf8.size() && (length > 1 || lead < 0x80);
    for (std::size_t k = 1; whole && k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
      whole = next >> 6 == 2;
      code = code << 6 | (next & 0x3F);
    }
    out += whole && code < 0x100 ? char(code) : '?';
    i += whole ? length : 1;
  }
  return out;
}

void refreshPauseHint() {
  std::string fresh = latin1(pauseHintText(currentSettings().bindings, printedKeyName));
  std::lock_guard<std::mutex> hold(lineLock);
  line = std::move(fresh);
}

std::string pauseHint() {
  std::string live;
  {
    std::lock_guard<std::mutex> hold(lineLock);
    live = line;
  }
  if (live.empty()) live = latin1(pauseHintText(currentSettings().bindings, printedKeyName));
  return replay::textRead(replay::value_tag::kPauseHint, live, kFixedPauseHint);
}

}  // namespace platform
