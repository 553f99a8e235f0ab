// Decoding a replay pass into its events, with every way the bytes can be wrong named
// (layout in replay_format.h).
#include <algorithm>

#include "platform/replay/replay_codes.h"

namespace platform {
namespace {

using namespace replay_codes;

constexpr std::int64_t kCursorDeltaLimit = std::int64_t(1) << 32;

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
        if (arg >= std::max<std::size_t>(model_.referenceCount, 1))
          return in_.damaged("a reference to a pass shape not yet seen");
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
    if (arg == kOtherValue) {
      std::uint8_t tag;
      return in_.byte(tag) && in_.varint(a) && emit({a, ReplayEventKind::kValue, tag});
    }
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
