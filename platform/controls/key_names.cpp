// Printed key names and the layout's listener (see key_names.h).
#include "platform/controls/key_names.h"

#include <atomic>

#include "platform/port/key_names.h"

namespace platform {
namespace {

std::atomic<void (*)()> layoutListener{nullptr};

}  // namespace

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

void setLayoutListener(void (*listener)()) { layoutListener.store(listener); }

void layoutChanged() {
  if (void (*listener)() = layoutListener.load()) listener();
}

}  // namespace platform
