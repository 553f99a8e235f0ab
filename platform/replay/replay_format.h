// The replay file: what the platform seam returned to the game, pass by pass, so that a
// session can be played again exactly. This header holds the layout, its limits and the
// event record shared by the coder, the writer and the reader.
//
// Layout (all numbers little-endian):
//   header   "DAREPLAY", u16 format version (2, or 1 read too), u8 length n, n bytes of the game's version
//            (printable ASCII), u32 CRC-32 of the header bytes before it. Every format version
//            keeps the magic and the version number where they are, so a newer file is named
//            as such rather than called damaged.
//   passes   one after another, each a run of one-byte codes (3 bits of operation, 5 of
//            argument) ending with an END code. A pass is read against a reference: one of
//            the last 8 distinct pass shapes (the sequence of kinds and keys), most recent
//            first. A code either repeats reference events with predicted values (a clock
//            read returns the last clock reading, a key query the key's last answer, a cursor
//            read the last cursor; seeds and digests the reference's own value), skips
//            reference events, or states an event outright (as a small delta where it can).
//            A typical pass is one byte, or two when the clock moved.
//   checks   each END code carries the low 4 bits of a CRC-32 that starts from the header's
//            and runs over every pass byte before it, so damage is caught at its pass or
//            within a few passes after.
// A file cut in the middle of a pass (the writer died during its write) ends at its last
// whole pass: the cut pass is dropped, never read in part.
#pragma once
#include <cstddef>
#include <cstdint>

namespace platform {

constexpr char kReplayMagic[8] = {'D', 'A', 'R', 'E', 'P', 'L', 'A', 'Y'};
// Version 2 holds the reads of the pause key and of the window's news (focus lost, away);
// a version 1 file was recorded by a game that never read them, and a replay answers them
// "not pressed" without taking anything from the file. Version 3 adds value reads (answers
// of the seam that are neither keys nor the clock, each under a tag); an older file answers
// them as the game that recorded it behaved. Version 4 adds the reads of the table of best
// scores and those that open each round (what it inherits from the rounds before it); a
// version 3 file answers those the same way. Version 5 adds the pads' reads (where a pad
// aims, which device spoke last); older files answer "no pad". Version 6 is recorded by a game
// whose maths are its own (the same bits everywhere); older files were recorded with the C
// library's arc tangent and replay with it. All six code their passes alike.
constexpr std::uint16_t kReplayFormatVersion = 6;
constexpr std::uint16_t kReplayFirstOwnMathsVersion = 6;
constexpr std::uint16_t kReplayOldestFormatVersion = 1;
constexpr std::size_t kReplayMaxGameVersion = 255;
// More seam reads than this in one pass is no game pass; it bounds what one pass may hold.
constexpr std::size_t kReplayMaxPassEvents = 4096;
// How many distinct pass shapes a pass may be read against.
constexpr std::size_t kReplayReferences = 8;
// A larger file is refused before it is read (about fifty hours of play).
constexpr std::uint64_t kReplayMaxFileBytes = std::uint64_t(1) << 30;

enum class ReplayEventKind : std::uint8_t { kClock, kKey, kCursor, kSeed, kDigest, kValue };

// One answer of the seam as the file keeps it. id: the virtual key of a key query, the tag
// of a digest or a value read, 0 otherwise. value: the clock or seed reading, the key's
// answer (0 or 1), the digest, the value read, or the cursor packed by packCursor.
struct ReplayEvent {
  std::uint64_t value;
  ReplayEventKind kind;
  std::uint8_t id;
};

inline bool operator==(const ReplayEvent& a, const ReplayEvent& b) {
  return a.value == b.value && a.kind == b.kind && a.id == b.id;
}
inline bool operator!=(const ReplayEvent& a, const ReplayEvent& b) { return !(a == b); }

inline std::uint64_t packCursor(std::int32_t x, std::int32_t y) {
  return std::uint64_t(std::uint32_t(x)) | std::uint64_t(std::uint32_t(y)) << 32;
}
inline std::int32_t cursorX(std::uint64_t packed) { return std::int32_t(std::uint32_t(packed)); }
inline std::int32_t cursorY(std::uint64_t packed) { return std::int32_t(std::uint32_t(packed >> 32)); }

}  // namespace platform
