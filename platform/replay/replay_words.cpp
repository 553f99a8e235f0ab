// Replay events and keys in words (see replay_words.h). Names follow the keys of input.h.
#include "platform/replay/replay_words.h"

#include <cstdio>

#include "platform/seam/input.h"

namespace platform {
namespace {

const char* keyName(int virtualKey) {
  switch (virtualKey) {
    case kVkLButton: return "left button";
    case kVkRButton: return "right button";
    case kVkReturn: return "Enter";
    case kVkLeft: return "Left";
    case kVkUp: return "Up";
    case kVkRight: return "Right";
    case kVkDown: return "Down";
    default: return nullptr;
  }
}

std::string hexByte(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02x", value);
  return text;
}

}  // namespace

std::string describeKey(int virtualKey) {
  if (virtualKey < 0 || virtualKey >= kVirtualKeyCount) return "code " + std::to_string(virtualKey);
  if (const char* name = keyName(virtualKey)) return std::string(name) + " (" + hexByte(virtualKey) + ")";
  const bool letterOrDigit = (virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z');
  if (letterOrDigit) return "'" + std::string(1, char(virtualKey)) + "' (" + hexByte(virtualKey) + ")";
  return hexByte(virtualKey);
}

std::string describeDigest(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "0x%016llx", static_cast<unsigned long long>(value));
  return text;
}

std::string describeReplayEvent(const ReplayEvent& e) {
  switch (e.kind) {
    case ReplayEventKind::kClock: return "a clock read (" + std::to_string(e.value) + " ms)";
    case ReplayEventKind::kKey:
      return "a query for key " + describeKey(e.id) + (e.value ? ", pressed" : ", not pressed");
    case ReplayEventKind::kCursor:
      return "a cursor read (" + std::to_string(cursorX(e.value)) + ", " + std::to_string(cursorY(e.value)) + ")";
    case ReplayEventKind::kSeed: return "the seed (" + std::to_string(e.value) + ")";
    case ReplayEventKind::kDigest: return "digest " + std::to_string(e.id) + " (" + describeDigest(e.value) + ")";
    case ReplayEventKind::kValue: return "value " + std::to_string(e.id) + " (" + std::to_string(e.value) + ")";
  }
  return "an unknown event";
}

}  // namespace platform
