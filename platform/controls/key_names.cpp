#include "platform/controls/key_names.h"

#include "platform/port/key_names.h"

namespace platform {

std::string printedKeyName(KeyCode key) {
  const std::string name = port::layoutKeyName(int(key));
  return !name.empty() ? name : keyCodeName(key);
}

std::string printedKeyNames(const KeyList& keys) {
  if (keys.empty()) return "(none)";
  std::string names;
  for (KeyCode key : keys) names += (names.empty() ? "" : " ") + printedKeyName(key);
  return names;
}

}  // namespace platform
