// Coding a replay pass: against each reference in turn, keeping the shortest; events the
// reference predicts become runs, the others explicit codes (layout in replay_format.h).
#include <algorithm>

#include "platform/replay/replay_codes.h"

namespace platform {
namespace {

using namespace replay_codes;

// How far ahead in the reference the encoder looks for the slot of an unexpected event.
constexpr std::size_t kSkipLookahead = 32;

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
    case ReplayEventKind::kValue:
      out.push_back(code(kOpOther, kOtherValue));
      out.push_back(e.id);
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

}  // namespace

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

}  // namespace platform
