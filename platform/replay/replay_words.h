// Replay events and keys in words, for the one-line messages of a replay that departs
// from its file: "a query for key 'W' (0x57, pressed)", "a clock read (1234 ms)".
#pragma once
#include <string>

#include "platform/replay/replay_format.h"

namespace platform {

// "'W' (0x57)", "Left (0x25)", "0xa0"; a code outside 0..255 as "code 300".
std::string describeKey(int virtualKey);

// The event as the file holds it, with its value.
std::string describeReplayEvent(const ReplayEvent& e);

// A 64-bit digest as sixteen hexadecimal digits.
std::string describeDigest(std::uint64_t value);

}  // namespace platform
