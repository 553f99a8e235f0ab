// The replay reader (see replay_reader.h): reads the whole file through the reader of the player's files, checks
// every pass once at open, then decodes one pass at a time as the replaying game asks.
#include "platform/replay/replay_reader.h"

#include <algorithm>

#include "platform/port/storage.h"
#include "platform/replay/replay_words.h"

namespace platform {
namespace {

// Reads the whole file through the reader of the player's files: a pipe or a device is
// refused without waiting, a file over the size limit before it is read.
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::string& error) {
  std::string reason;
  const FileText read = readFileBytes(path, bytes, reason, kReplayMaxFileBytes);
  if (read == FileText::kRead) return true;
  if (reason.rfind("it is too large", 0) == 0) {
    error = "replay " + path + reason.substr(2);
    return false;
  }
  error = (read == FileText::kMissing ? "cannot open replay " : "cannot read replay ") + path + ": " + reason;
  return false;
}

std::string asked(ReplayEventKind kind, int id) {
  switch (kind) {
    case ReplayEventKind::kClock: return "the game read the clock";
    case ReplayEventKind::kKey: return "the game asked for key " + describeKey(id);
    case ReplayEventKind::kCursor: return "the game read the cursor";
    case ReplayEventKind::kSeed: return "the game read the seed";
    case ReplayEventKind::kDigest: return "the game looked for digest " + std::to_string(id);
    case ReplayEventKind::kValue: return "the game read value " + std::to_string(id);
  }
  return "the game asked for something unknown";
}

}  // namespace

bool ReplayReader::open(const std::string& path) {
  std::string why;
  if (!readWholeFile(path, bytes_, why)) return refuse(why);
  return load(path);
}

bool ReplayReader::openBytes(const std::uint8_t* bytes, std::size_t size, const std::string& name) {
  if (size > kReplayMaxFileBytes)
    return refuse("replay " + name + " is too large: " + std::to_string(size) + " bytes (at most " +
                  std::to_string(kReplayMaxFileBytes) + ")");
  bytes_.assign(bytes, bytes + size);
  return load(name);
}

bool ReplayReader::load(const std::string& name) {
  header_ = ReplayHeader{};
  passCount_ = 0;
  cutShort_ = departed_ = firstIsValue_ = false;
  error_.clear();
  switch (parseReplayHeader(bytes_.data(), bytes_.size(), header_)) {
    case ReplayHeaderStatus::kOk: break;
    case ReplayHeaderStatus::kEmpty: return refuse("replay " + name + " is empty");
    case ReplayHeaderStatus::kForeign: return refuse(name + " is not a replay file");
    case ReplayHeaderStatus::kCut: return refuse("replay " + name + " is cut short in its header");
    case ReplayHeaderStatus::kOtherVersion:
      return refuse("replay " + name + " has format version " + std::to_string(header_.formatVersion) +
                    "; this build reads versions " + std::to_string(kReplayOldestFormatVersion) + " to " +
                    std::to_string(kReplayFormatVersion));
    case ReplayHeaderStatus::kDamaged: return refuse("replay " + name + " is damaged in its header");
  }
  startReplayModel(model_, header_.check);
  clockless_.clear();
  for (std::size_t at = header_.size; at < bytes_.size();) {
    const ReplayPassResult result = decodeReplayPass(model_, bytes_.data(), bytes_.size(), at, events_);
    if (result.status == ReplayPassStatus::kCut) {
      cutShort_ = true;
      break;
    }
    if (result.status == ReplayPassStatus::kDamaged)
      return refuse("replay " + name + " is damaged at pass " + std::to_string(passCount_ + 1) + " (byte " +
                    std::to_string(at) + "): " + result.fault);
    ++passCount_;
    at = result.end;
    noteClockOfPass();
  }
  startReplayModel(model_, header_.check);
  position_ = header_.size;
  pass_ = 1;
  decodeCurrentPass();
  firstIsValue_ = !events_.empty() && events_[0].kind == ReplayEventKind::kValue;
  firstTag_ = firstIsValue_ ? events_[0].id : 0;
  return true;
}

bool ReplayReader::refuse(const std::string& why) {
  error_ = why;
  departed_ = true;
  bytes_.clear();
  events_.clear();
  passCount_ = 0;
  return false;
}

void ReplayReader::decodeCurrentPass() {
  events_.clear();
  next_ = 0;
  if (pass_ > passCount_) return;
  // Every pass was decoded whole at open, so this decodes whole too.
  position_ = decodeReplayPass(model_, bytes_.data(), bytes_.size(), position_, events_).end;
}

const ReplayEvent* ReplayReader::peek() const {
  if (departed_ || next_ >= events_.size()) return nullptr;
  return &events_[next_];
}

void ReplayReader::noteClockOfPass() {
  const auto clock = std::find_if(events_.begin(), events_.end(),
                                  [](const ReplayEvent& e) { return e.kind == ReplayEventKind::kClock; });
  const bool open = !clockless_.empty() && !clockless_.back().clockFollows;
  if (clock != events_.end()) {
    if (open) clockless_.back() = {clockless_.back().first, clockless_.back().last, clock->value, true};
  } else if (open && clockless_.back().last + 1 == passCount_) {
    clockless_.back().last = passCount_;
  } else {
    clockless_.push_back({passCount_, passCount_, 0, false});
  }
}

bool ReplayReader::lastClockOfPass(std::uint64_t& ms) const {
  for (std::size_t i = events_.size(); i-- > next_;) {
    if (events_[i].kind != ReplayEventKind::kClock) continue;
    ms = events_[i].value;
    return true;
  }
  if (std::any_of(events_.begin(), events_.begin() + std::ptrdiff_t(next_),
                  [](const ReplayEvent& e) { return e.kind == ReplayEventKind::kClock; }))
    return false;  // its clock is read already
  const auto run = std::upper_bound(clockless_.begin(), clockless_.end(), pass_,
                                    [](std::uint64_t p, const ClocklessRun& r) { return p < r.first; });
  if (run == clockless_.begin() || std::prev(run)->last < pass_ || !std::prev(run)->clockFollows) return false;
  ms = std::prev(run)->nextClock;
  return true;
}

const ReplayEvent* ReplayReader::take(ReplayEventKind kind, int id) {
  if (departed_) return nullptr;
  if (next_ < events_.size() && events_[next_].kind == kind && events_[next_].id == id) return &events_[next_++];
  depart(asked(kind, id) + "; " + whatFollows());
  return nullptr;
}

std::string ReplayReader::whatFollows() const {
  if (pass_ > passCount_) {
    if (passCount_ == 0) return std::string("the file holds no pass") + (cutShort_ ? " (its first was cut short)" : "");
    return "the file ends after pass " + std::to_string(passCount_) +
           (cutShort_ ? " (the pass after it was cut short)" : "");
  }
  if (next_ < events_.size()) return "the file holds " + describeReplayEvent(events_[next_]);
  return "the file holds the end of the pass";
}

bool ReplayReader::depart(const std::string& what) {
  if (departed_) return false;
  error_ = "replay departs at pass " + std::to_string(pass_) + ": " + what;
  departed_ = true;
  return false;
}

bool ReplayReader::clock(std::uint64_t& ms) {
  const ReplayEvent* e = take(ReplayEventKind::kClock, 0);
  if (e) ms = e->value;
  return e;
}

bool ReplayReader::key(int virtualKey, bool& pressed) {
  if (virtualKey < 0 || virtualKey > 255) return depart(asked(ReplayEventKind::kKey, virtualKey) + "; " + whatFollows());
  const ReplayEvent* e = take(ReplayEventKind::kKey, virtualKey);
  if (e) pressed = e->value != 0;
  return e;
}

bool ReplayReader::cursor(int& x, int& y) {
  const ReplayEvent* e = take(ReplayEventKind::kCursor, 0);
  if (!e) return false;
  x = cursorX(e->value);
  y = cursorY(e->value);
  return true;
}

bool ReplayReader::seed(std::uint64_t& seconds) {
  const ReplayEvent* e = take(ReplayEventKind::kSeed, 0);
  if (e) seconds = e->value;
  return e;
}

bool ReplayReader::value(std::uint8_t tag, std::uint64_t& value) {
  const ReplayEvent* e = take(ReplayEventKind::kValue, tag);
  if (e) value = e->value;
  return e;
}

bool ReplayReader::digest(std::uint8_t tag, std::uint64_t& value) {
  const ReplayEvent* e = take(ReplayEventKind::kDigest, tag);
  if (e) value = e->value;
  return e;
}

bool ReplayReader::checkDigest(std::uint8_t tag, std::uint64_t made) {
  std::uint64_t recorded;
  if (!digest(tag, recorded)) return false;
  if (recorded == made) return true;
  return depart("digest " + std::to_string(tag) + " differs: the file holds " + describeDigest(recorded) +
                ", the game made " + describeDigest(made));
}

bool ReplayReader::endPass() {
  if (departed_) return false;
  if (pass_ > passCount_ || next_ < events_.size()) return depart("the game ended its pass; " + whatFollows());
  ++pass_;
  decodeCurrentPass();
  return true;
}

bool ReplayReader::endReplay() {
  if (departed_) return false;
  if (pass_ > passCount_ || (pass_ == passCount_ && next_ == events_.size())) return true;
  const std::uint64_t later = passCount_ - pass_;
  return depart("the game ended; " + whatFollows() +
                (later ? " and " + std::to_string(later) + (later == 1 ? " pass more" : " passes more") : ""));
}

}  // namespace platform
