// The one-byte codes of a replay pass and the prediction rules that the encoder and the
// decoder share (layout in replay_format.h). Internal to platform/replay.
#pragma once
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/replay/replay_codec.h"

namespace platform::replay_codes {

// A code is 3 bits of operation and 5 of argument.
enum Op : unsigned { kOpMatch, kOpSkip, kOpClock, kOpKey, kOpReference, kOpDigest, kOpOther, kOpEnd };
constexpr unsigned kArgEscape = 31;  // the argument does not fit the code and follows it
constexpr unsigned kKeyPressed = 1;
constexpr unsigned kKeyFromReference = 2;  // the key is the reference slot's: no key byte
constexpr unsigned kOtherCursor = 0;
constexpr unsigned kOtherSeed = 1;
constexpr unsigned kOtherValue = 2;  // a tag byte and a varint follow
constexpr unsigned kEndRest = 0x10;  // the rest of the reference follows as predicted
constexpr unsigned kEndCheckMask = 0x0F;

inline std::uint8_t code(unsigned op, unsigned arg) { return std::uint8_t(op << 5 | arg); }

inline std::uint32_t crc(std::uint32_t running, const std::uint8_t* bytes, std::size_t size) {
  return std::uint32_t(crc32_z(running, bytes, size));
}

inline std::uint64_t zigzag(std::int64_t v) { return std::uint64_t(v) << 1 ^ (v < 0 ? ~std::uint64_t(0) : 0); }
inline std::int64_t unzigzag(std::uint64_t v) { return std::int64_t(v >> 1) ^ -std::int64_t(v & 1); }

inline bool keyAnswer(const ReplayChannels& c, unsigned key) { return c.keys[key >> 6] >> (key & 63) & 1; }

inline bool sameSlot(const ReplayEvent& a, const ReplayEvent& b) { return a.kind == b.kind && a.id == b.id; }

// What the next event in a reference slot is predicted to return.
inline std::uint64_t predicted(const ReplayEvent& slot, const ReplayChannels& c) {
  switch (slot.kind) {
    case ReplayEventKind::kClock: return c.clock;
    case ReplayEventKind::kKey: return keyAnswer(c, slot.id);
    case ReplayEventKind::kCursor: return c.cursor;
    default: return slot.value;
  }
}

// Moves the channels past an event (a predicted event leaves them as they are).
inline void apply(ReplayChannels& c, const ReplayEvent& e) {
  switch (e.kind) {
    case ReplayEventKind::kClock: c.clock = e.value; break;
    case ReplayEventKind::kCursor: c.cursor = e.value; break;
    case ReplayEventKind::kKey: {
      const std::uint64_t bit = std::uint64_t(1) << (e.id & 63);
      c.keys[e.id >> 6] = e.value ? c.keys[e.id >> 6] | bit : c.keys[e.id >> 6] & ~bit;
      break;
    }
    default: break;
  }
}

// Moves the pass's shape to the front of the references (evicting the oldest when it is new).
void rememberPass(ReplayModel& model, const std::vector<ReplayEvent>& pass);

}  // namespace platform::replay_codes
