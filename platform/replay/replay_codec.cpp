// Replay coding (see replay_codec.h and replay_format.h): the header, and each pass as
// one-byte codes read against a reference pass shape with predicted values. The running
// check is zlib's CRC-32.
#include "platform/replay/replay_codec.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

enum Op : unsigned { kOpMatch, kOpSkip, kOpClock, kOpKey, kOpReference, kOpDigest, kOpOther, kOpEnd };
constexpr unsigned kArgEscape = 31;  // the argument does not fit the code and follows it
constexpr unsigned kKeyPressed = 1;
constexpr unsigned kKeyFromReference = 2;  // the key is the reference slot's: no key byte
constexpr unsigned kOtherCursor = 0;
constexpr unsigned kOtherSeed = 1;
constexpr unsigned kEndRest = 0x10;  // the rest of the reference follows as predicted
constexpr unsigned kEndCheckMask = 0x0F;
// How far ahead in the reference the encoder looks for the slot of an unexpected event.
constexpr std::size_t kSkipLookahead = 32;
constexpr std::size_t kHeaderFixedBytes = 11;  // magic, version, length of the game version
constexpr std::int64_t kCursorDeltaLimit = std::int64_t(1) << 32;

std::uint8_t code(unsigned op, unsigned arg) { return std::uint8_t(op << 5 | arg); }

std::uint32_t crc(std::uint32_t running, const std::uint8_t* bytes, std::size_t size) {
  return std::uint32_t(crc32_z(running, bytes, size));
}

std::uint64_t zigzag(std::int64_t v) { return std::uint64_t(v) << 1 ^ (v < 0 ? ~std::uint64_t(0) : 0); }
std::int64_t unzigzag(std::uint64_t v) { return std::int64_t(v >> 1) ^ -std::int64_t(v & 1); }

void putVarint(std::vector<std::uint8_t>& out, std::uint64_t v) {
  for (; v >= 0x80; v >>= 7) out.push_back(std::uint8_t(v | 0x80));
  out.push_back(std::uint8_t(v));
}

void putCount(std::vector<std::uint8_t>& out, unsigned op, std::size_t n) {
  if (n <= kArgEscape) {
    out.push_back(code(op, unsigned(n - 1)));
  } else {
    out.push_back(code(op, kArgEscape));
    putVarint(out, n - kArgEscape - 1);
  }
}

bool keyAnswer(const ReplayChannels& c, unsigned key) { return c.keys[key >> 6] >> (key & 63) & 1; }

bool sameSlot(const ReplayEvent& a, const ReplayEvent& b) { return a.kind == b.kind && a.id == b.id; }

bool sameShape(const std::vector<ReplayEvent>& a, const std::vector<ReplayEvent>& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), sameSlot);
}

// What the next event in a reference slot is predicted to return.
std::uint64_t predicted(const ReplayEvent& slot, const ReplayChannels& c) {
  switch (slot.kind) {
    case ReplayEventKind::kClock: return c.clock;
    case ReplayEventKind::kKey: return keyAnswer(c, slot.id);
    case ReplayEventKind::kCursor: return c.cursor;
    default: return slot.value;
  }
}

void apply(ReplayChannels& c, const ReplayEvent& e) {
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
void rememberPass(ReplayModel& model, const std::vector<ReplayEvent>& pass) {
  std::size_t at = 0;
  while (at < model.referenceCount && !sameShape(model.references[at], pass)) ++at;
  if (at == model.referenceCount && model.referenceCount < kReplayReferences) ++model.referenceCount;
  if (at == kReplayReferences) at = kReplayReferences - 1;
  std::rotate(model.references.begin(), model.references.begin() + at, model.references.begin() + at + 1);
  model.references[0] = pass;
}

void putEvent(std::vector<std::uint8_t>& out, const ReplayEvent& e, const ReplayChannels& c, bool fromReference) {
  switch (e.kind) {
    case ReplayEventKind::kClock: {
      const std::uint64_t delta = e.value - c.clock;
      if (delta < kArgEscape) {
        out.push_back(code(kOpClock, unsigned(delta)));
      } else {
        out.push_back(code(kOpClock, kArgEscape));
        putVarint(out, zigzag(std::int64_t(delta)));
      }
      break;
    }
    case ReplayEventKind::kKey:
      out.push_back(code(kOpKey, (e.value ? kKeyPressed : 0) | (fromReference ? kKeyFromReference : 0)));
      if (!fromReference) out.push_back(e.id);
      break;
    case ReplayEventKind::kCursor:
      out.push_back(code(kOpOther, kOtherCursor));
      putVarint(out, zigzag(std::int64_t(cursorX(e.value)) - cursorX(c.cursor)));
      putVarint(out, zigzag(std::int64_t(cursorY(e.value)) - cursorY(c.cursor)));
      break;
    case ReplayEventKind::kSeed:
      out.push_back(code(kOpOther, kOtherSeed));
      putVarint(out, e.value);
      break;
    case ReplayEventKind::kDigest:
      if (e.id < kArgEscape) {
        out.push_back(code(kOpDigest, e.id));
      } else {
        out.push_back(code(kOpDigest, kArgEscape));
        out.push_back(e.id);
      }
      for (int i = 0; i < 8; ++i) out.push_back(std::uint8_t(e.value >> (8 * i)));
      break;
  }
}

// True when skipping to reference slot k lines the pass up again: the event after this one
// (if any) fits the slot after k.
bool skipLinesUp(const std::vector<ReplayEvent>& ref, std::size_t k, const std::vector<ReplayEvent>& pass, std::size_t i) {
  if (i + 1 == pass.size()) return true;
  return k + 1 < ref.size() && sameSlot(ref[k + 1], pass[i + 1]);
}

// Codes pass against one reference (its index in the model) into out, without the check;
// channels move past the pass.
void encodeAgainst(const std::vector<ReplayEvent>& ref, std::size_t index, const std::vector<ReplayEvent>& pass,
                   ReplayChannels& channels, std::vector<std::uint8_t>& out) {
  out.clear();
  if (index != 0) out.push_back(code(kOpReference, unsigned(index)));
  const std::size_t m = ref.size();
  std::size_t p = 0, run = 0;
  for (std::size_t i = 0; i < pass.size(); ++i) {
    const ReplayEvent& e = pass[i];
    if (p < m && !sameSlot(ref[p], e)) {
      const std::size_t last = std::min(m, p + 1 + kSkipLookahead);
      for (std::size_t k = p + 1; k < last; ++k) {
        if (!sameSlot(ref[k], e) || !skipLinesUp(ref, k, pass, i)) continue;
        if (run) putCount(out, kOpMatch, run);
        run = 0;
        putCount(out, kOpSkip, k - p);
        p = k;
        break;
      }
    }
    const bool substitutes = p < m && sameSlot(ref[p], e);
    if (substitutes && e.value == predicted(ref[p], channels)) {
      ++run;
      ++p;
      continue;
    }
    if (run) putCount(out, kOpMatch, run);
    run = 0;
    putEvent(out, e, channels, substitutes);
    if (substitutes) ++p;
    apply(channels, e);
  }
  if (run && p == m) {
    out.push_back(code(kOpEnd, kEndRest));
    return;
  }
  if (run) putCount(out, kOpMatch, run);
  out.push_back(code(kOpEnd, 0));
}

// Reads one pass's bytes and notes the first fault.
struct PassInput {
  const std::uint8_t* at;
  const std::uint8_t* end;
  ReplayPassStatus status = ReplayPassStatus::kWhole;
  const char* fault = nullptr;

  bool fail(ReplayPassStatus s, const char* why) {
    status = s;
    fault = why;
    return false;
  }
  bool damaged(const char* why) { return fail(ReplayPassStatus::kDamaged, why); }
  bool byte(std::uint8_t& b) {
    if (at == end) return fail(ReplayPassStatus::kCut, nullptr);
    b = *at++;
    return true;
  }
  bool varint(std::uint64_t& v) {
    v = 0;
    for (unsigned shift = 0;; shift += 7) {
      std::uint8_t b;
      if (!byte(b)) return false;
      if (shift == 63 && b > 1) return damaged("a number is too long");
      v |= std::uint64_t(b & 0x7F) << shift;
      if (!(b & 0x80)) return true;
    }
  }
  bool count(unsigned arg, std::size_t& n) {
    if (arg < kArgEscape) {
      n = arg + 1;
      return true;
    }
    std::uint64_t extra;
    if (!varint(extra)) return false;
    if (extra > kReplayMaxPassEvents) return damaged("a run is longer than a pass may be");
    n = std::size_t(extra) + kArgEscape + 1;
    return true;
  }
};

// Decodes pass codes against the model's references into pass.
class PassDecoder {
 public:
  PassDecoder(ReplayModel& model, PassInput& in, std::vector<ReplayEvent>& pass)
      : model_(model), in_(in), pass_(pass), ref_(&model.references[0]) {}

  // One code; false at a fault or at the pass's end (then *endCode holds the END code).
  bool step(bool first, std::uint8_t& endCode) {
    std::uint8_t b;
    if (!in_.byte(b)) return false;
    const unsigned arg = b & 31;
    switch (b >> 5) {
      case kOpMatch: return run(arg, true);
      case kOpSkip: return run(arg, false);
      case kOpClock: return clock(arg);
      case kOpKey: return key(arg);
      case kOpReference:
        if (!first) return in_.damaged("a reference is chosen in the middle of a pass");
        if (arg >= std::max<std::size_t>(model_.referenceCount, 1)) return in_.damaged("a reference to a pass shape not yet seen");
        ref_ = &model_.references[arg];
        return true;
      case kOpDigest: return digest(arg);
      case kOpOther: return other(arg);
      default:
        endCode = b;
        return false;
    }
  }

  // The END code's "rest" bit: the reference's remaining slots follow as predicted.
  bool finish(std::uint8_t endCode) { return !(endCode & kEndRest) || repeat(ref_->size() - p_); }

 private:
  bool emit(const ReplayEvent& e) {
    if (pass_.size() == kReplayMaxPassEvents) return in_.damaged("more events in one pass than a pass may hold");
    pass_.push_back(e);
    apply(model_.channels, e);
    if (p_ < ref_->size() && sameSlot((*ref_)[p_], e)) ++p_;
    return true;
  }

  bool repeat(std::size_t n) {
    if (pass_.size() + n > kReplayMaxPassEvents) return in_.damaged("more events in one pass than a pass may hold");
    for (std::size_t i = 0; i < n; ++i, ++p_) {
      ReplayEvent e = (*ref_)[p_];
      e.value = predicted(e, model_.channels);
      pass_.push_back(e);
    }
    return true;
  }

  bool run(unsigned arg, bool match) {
    std::size_t n;
    if (!in_.count(arg, n)) return false;
    if (n > ref_->size() - p_) return in_.damaged("a run goes past the end of its reference pass");
    if (match) return repeat(n);
    p_ += n;
    return true;
  }

  bool clock(unsigned arg) {
    std::uint64_t delta = arg;
    if (arg == kArgEscape) {
      std::uint64_t v;
      if (!in_.varint(v)) return false;
      delta = std::uint64_t(unzigzag(v));
    }
    return emit({model_.channels.clock + delta, ReplayEventKind::kClock, 0});
  }

  bool key(unsigned arg) {
    if (arg & ~(kKeyPressed | kKeyFromReference)) return in_.damaged("a key query with unknown flags");
    std::uint8_t id;
    if (arg & kKeyFromReference) {
      if (p_ >= ref_->size() || (*ref_)[p_].kind != ReplayEventKind::kKey)
        return in_.damaged("a key query repeats a slot that holds no key query");
      id = (*ref_)[p_].id;
    } else if (!in_.byte(id)) {
      return false;
    }
    return emit({arg & kKeyPressed, ReplayEventKind::kKey, id});
  }

  bool digest(unsigned arg) {
    std::uint8_t tag = std::uint8_t(arg);
    if (arg == kArgEscape && !in_.byte(tag)) return false;
    std::uint64_t value = 0;
    for (int i = 0; i < 8; ++i) {
      std::uint8_t b;
      if (!in_.byte(b)) return false;
      value |= std::uint64_t(b) << (8 * i);
    }
    return emit({value, ReplayEventKind::kDigest, tag});
  }

  bool other(unsigned arg) {
    std::uint64_t a, b;
    if (arg == kOtherSeed) return in_.varint(a) && emit({a, ReplayEventKind::kSeed, 0});
    if (arg != kOtherCursor) return in_.damaged("an unknown event code");
    if (!in_.varint(a) || !in_.varint(b)) return false;
    const std::int64_t dx = unzigzag(a), dy = unzigzag(b);
    if (dx < -kCursorDeltaLimit || dx > kCursorDeltaLimit || dy < -kCursorDeltaLimit || dy > kCursorDeltaLimit)
      return in_.damaged("a cursor position beyond 32 bits");
    const std::int64_t x = cursorX(model_.channels.cursor) + dx, y = cursorY(model_.channels.cursor) + dy;
    if (x != std::int32_t(x) || y != std::int32_t(y)) return in_.damaged("a cursor position beyond 32 bits");
    return emit({packCursor(std::int32_t(x), std::int32_t(y)), ReplayEventKind::kCursor, 0});
  }

  ReplayModel& model_;
  PassInput& in_;
  std::vector<ReplayEvent>& pass_;
  const std::vector<ReplayEvent>* ref_;
  std::size_t p_ = 0;
};

}  // namespace

bool isPrintableGameVersion(const std::string& version) {
  return version.size() <= kReplayMaxGameVersion &&
         std::all_of(version.begin(), version.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

std::vector<std::uint8_t> encodeReplayHeader(const std::string& gameVersion, std::uint32_t& check) {
  std::vector<std::uint8_t> out(std::begin(kReplayMagic), std::end(kReplayMagic));
  out.push_back(std::uint8_t(kReplayFormatVersion));
  out.push_back(std::uint8_t(kReplayFormatVersion >> 8));
  out.push_back(std::uint8_t(gameVersion.size()));
  out.insert(out.end(), gameVersion.begin(), gameVersion.end());
  check = crc(0, out.data(), out.size());
  for (int i = 0; i < 4; ++i) out.push_back(std::uint8_t(check >> (8 * i)));
  return out;
}

ReplayHeaderStatus parseReplayHeader(const std::uint8_t* bytes, std::size_t size, ReplayHeader& header) {
  if (size == 0) return ReplayHeaderStatus::kEmpty;
  if (std::memcmp(bytes, kReplayMagic, std::min(size, sizeof kReplayMagic)) != 0) return ReplayHeaderStatus::kForeign;
  if (size < kHeaderFixedBytes - 1) return ReplayHeaderStatus::kCut;
  header.formatVersion = std::uint16_t(bytes[8] | bytes[9] << 8);
  if (header.formatVersion != kReplayFormatVersion) return ReplayHeaderStatus::kOtherVersion;
  if (size < kHeaderFixedBytes) return ReplayHeaderStatus::kCut;
  const std::size_t length = bytes[10];
  const std::size_t total = kHeaderFixedBytes + length + 4;
  if (size < total) return ReplayHeaderStatus::kCut;
  std::uint32_t stored = 0;
  for (int i = 0; i < 4; ++i) stored |= std::uint32_t(bytes[total - 4 + i]) << (8 * i);
  if (crc(0, bytes, total - 4) != stored) return ReplayHeaderStatus::kDamaged;
  std::string version(reinterpret_cast<const char*>(bytes) + kHeaderFixedBytes, length);
  if (!isPrintableGameVersion(version)) return ReplayHeaderStatus::kDamaged;
  header.gameVersion = std::move(version);
  header.size = total;
  header.check = stored;
  return ReplayHeaderStatus::kOk;
}

void startReplayModel(ReplayModel& model, std::uint32_t headerCheck) {
  model.channels = ReplayChannels{};
  for (std::vector<ReplayEvent>& ref : model.references) ref.clear();
  model.referenceCount = 0;
  model.check = headerCheck;
}

void encodeReplayPass(ReplayModel& model, const std::vector<ReplayEvent>& pass, std::vector<std::uint8_t>& out) {
  ReplayChannels bestChannels;
  const std::size_t choices = std::max<std::size_t>(model.referenceCount, 1);
  // Any reference but the first costs a code of its own: a pass of two bytes or fewer
  // against the first cannot be beaten.
  for (std::size_t i = 0; i < choices && (i == 0 || model.best.size() > 2); ++i) {
    ReplayChannels channels = model.channels;
    encodeAgainst(model.references[i], i, pass, channels, model.trial);
    if (i == 0 || model.trial.size() < model.best.size()) {
      std::swap(model.trial, model.best);
      bestChannels = channels;
    }
  }
  const std::size_t last = model.best.size() - 1;
  const std::uint32_t before = crc(model.check, model.best.data(), last);
  model.best[last] = std::uint8_t(model.best[last] | (before & kEndCheckMask));
  model.check = crc(before, &model.best[last], 1);
  out.insert(out.end(), model.best.begin(), model.best.end());
  model.channels = bestChannels;
  rememberPass(model, pass);
}

ReplayPassResult decodeReplayPass(ReplayModel& model, const std::uint8_t* bytes, std::size_t size, std::size_t start,
                                  std::vector<ReplayEvent>& pass) {
  pass.clear();
  PassInput in{bytes + start, bytes + size};
  PassDecoder decoder(model, in, pass);
  std::uint8_t endCode = 0;
  bool first = true;
  while (decoder.step(first, endCode)) first = false;
  if (in.status != ReplayPassStatus::kWhole) return {in.status, 0, in.fault};
  const std::size_t endAt = std::size_t(in.at - bytes) - 1;
  const std::uint32_t before = crc(model.check, bytes + start, endAt - start);
  if ((endCode & kEndCheckMask) != (before & kEndCheckMask)) return {ReplayPassStatus::kDamaged, 0, "its check fails"};
  if (!decoder.finish(endCode)) return {in.status, 0, in.fault};
  model.check = crc(before, &endCode, 1);
  rememberPass(model, pass);
  return {ReplayPassStatus::kWhole, endAt + 1, nullptr};
}

}  // namespace platform
