// The record and replay session at the platform seam (see session.h). One session per
// process, owned by the thread that started it; the window thread's reads pass through.
#include "platform/replay/session.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/base/fatal.h"
#include "platform/base/maths_rules.h"
#include "platform/seam/input.h"
#include "platform/replay/replay_reader.h"
#include "platform/replay/replay_writer.h"

namespace platform::replay {
namespace {

enum class Mode { kNone, kRecording, kReplaying };

std::atomic<Mode> mode{Mode::kNone};
std::thread::id owner;
ReplayWriter writer;
// The round's file: recorded by roundOwner's reads while roundOpen, its passes counted apart.
std::atomic<bool> roundOpen{false};
std::thread::id roundOwner;
ReplayWriter roundWriter;
std::uint64_t roundPass = 1;
ReplayReader reader;
bool replayFrames = true;
bool writeFailureReported = false;
StopHandler stopHandler = nullptr;
void (*afterPassHook)() = nullptr;
std::uint64_t pass = 1;
std::uint64_t firstClock = 0;
std::uint64_t lastClock = 0;
bool clockSeen = false;

Mode sessionOfThisThread() {
  const Mode now = mode.load(std::memory_order_acquire);
  return now != Mode::kNone && std::this_thread::get_id() == owner ? now : Mode::kNone;
}

bool roundOfThisThread() {
  return roundOpen.load(std::memory_order_acquire) && std::this_thread::get_id() == roundOwner;
}

// Hands a live answer to every file that records this thread's reads.
template <typename Write>
void recordLive(Mode now, Write write) {
  const bool round = roundOfThisThread();
  if (now == Mode::kRecording) write(writer);
  if (round) write(roundWriter);
}

[[noreturn]] void stop(StopReason reason, const std::string& message) {
  mode.store(Mode::kNone, std::memory_order_release);
  stopHandler(reason, message);
  std::abort();  // a stop handler must not return
}

// Before every replayed read: past the file's last pass, the recorded session ended here.
void stopAtEndOfFile() {
  if (reader.pass() <= reader.passCount()) return;
  stop(StopReason::kEndOfFile, "the recorded session ends after pass " + std::to_string(reader.passCount()) +
                                   (reader.cutShort() ? " (the pass after it was cut short)" : ""));
}

// Keys the game of the first file format never read: the pause key and the window's news.
bool unknownToFirstFormat(int virtualKey) {
  return virtualKey == kVkPause || virtualKey == kVkFocusLost || virtualKey == kVkWindowAway;
}

// The first file format that holds value reads under tag: the score table's and a round's
// opening came with version 4, the pads' with version 5.
std::uint16_t firstFormatHolding(std::uint8_t tag) {
  if (tag >= value_tag::kFirstPad && tag < value_tag::kFirstScore) return 5;
  return tag >= value_tag::kFirstScore ? 4 : 3;
}

void stopUnless(bool readAsRecorded) {
  if (!readAsRecorded) stop(StopReason::kDeparture, reader.error());
}

// A failed write ends the recording, said once on standard error; the game plays on.
void reportWriteFailure() {
  if (writeFailureReported) return;
  writeFailureReported = true;
  std::fprintf(stderr, "%s; recording stopped\n", writer.error().c_str());
}

// Ends the pass numbered passOf in a file being recorded, with the digests due at it, and
// counts it; false when a write failed.
bool endRecordedPass(ReplayWriter& file, std::uint64_t& passOf, Digest worldDigest, Digest frameDigest) {
  if (passOf % kWorldDigestPasses == 0) file.digest(kWorldDigest, worldDigest());
  if (passOf % kFrameDigestPasses == 0) file.digest(kFrameDigest, frameDigest());
  ++passOf;
  return file.endPass();
}

}  // namespace

bool startRecording(const std::string& path, const std::string& gameVersion, std::string& error) {
  if (!writer.open(path, gameVersion)) {
    error = writer.error();
    return false;
  }
  owner = std::this_thread::get_id();
  pass = 1;
  mode.store(Mode::kRecording, std::memory_order_release);
  return true;
}

void recordIfAsked(const std::string& gameVersion) {
  const char* path = std::getenv("DREAM_ARENA_RECORD");
  if (path == nullptr || *path == '\0') return;
  std::string error;
  if (!startRecording(path, gameVersion, error)) fatalError(error + "\n");
}

void stopRecording() {
  if (mode.load(std::memory_order_acquire) != Mode::kRecording) return;
  mode.store(Mode::kNone, std::memory_order_release);
  if (!writer.close()) reportWriteFailure();
}

bool startRoundRecording(const std::string& path, const std::string& gameVersion, std::string& error) {
  if (sessionOfThisThread() == Mode::kReplaying) {
    error = "a replay records no round";
    return false;
  }
  roundOpen.store(false, std::memory_order_release);
  if (!roundWriter.open(path, gameVersion)) {
    error = roundWriter.error();
    return false;
  }
  roundOwner = std::this_thread::get_id();
  roundPass = 1;
  roundOpen.store(true, std::memory_order_release);
  return true;
}

bool finishRoundRecording(std::string& error) {
  if (!roundOpen.load(std::memory_order_acquire)) return true;
  roundOpen.store(false, std::memory_order_release);
  roundWriter.dropPass();
  if (roundWriter.close()) return true;
  error = roundWriter.error();
  return false;
}

bool recordingRound() { return roundOpen.load(std::memory_order_acquire); }

bool startReplay(const std::string& path, bool withFrames, StopHandler onStop, std::string& error) {
  if (!reader.open(path)) {
    error = reader.error();
    return false;
  }
  owner = std::this_thread::get_id();
  useLibraryArcTangent(reader.formatVersion() < kReplayFirstOwnMathsVersion);
  replayFrames = withFrames;
  stopHandler = onStop;
  pass = 1;
  clockSeen = false;
  mode.store(Mode::kReplaying, std::memory_order_release);
  return true;
}

bool finishReplay(std::string& message) {
  mode.store(Mode::kNone, std::memory_order_release);
  if (reader.endReplay()) return true;
  message = reader.error();
  return false;
}

bool active() { return mode.load(std::memory_order_acquire) != Mode::kNone; }

bool replaying() { return sessionOfThisThread() == Mode::kReplaying; }

std::uint64_t passNumber() { return pass; }

std::string recordedGameVersion() { return reader.gameVersion(); }

std::uint64_t replayedMilliseconds() { return clockSeen ? lastClock - firstClock : 0; }

std::uint64_t upcomingMilliseconds() {
  std::uint64_t next = 0;
  if (!reader.lastClockOfPass(next)) return replayedMilliseconds();
  return clockSeen ? next - firstClock : 0;
}

bool replayOpensWith(std::uint8_t tag) { return reader.opensWithValue(tag); }

std::uint64_t clockRead(std::uint64_t live) {
  const Mode now = sessionOfThisThread();
  if (now != Mode::kReplaying) {
    recordLive(now, [&](ReplayWriter& w) { w.clock(live); });
    return live;
  }
  stopAtEndOfFile();
  std::uint64_t recorded = 0;
  stopUnless(reader.clock(recorded));
  if (!clockSeen) firstClock = recorded;
  clockSeen = true;
  lastClock = recorded;
  return recorded;
}

bool keyRead(int virtualKey, bool live) {
  const Mode now = sessionOfThisThread();
  if (now != Mode::kReplaying) {
    recordLive(now, [&](ReplayWriter& w) { w.key(virtualKey, live); });
    return live;
  }
  if (reader.formatVersion() < 2 && unknownToFirstFormat(virtualKey)) return false;
  stopAtEndOfFile();
  bool recorded = false;
  stopUnless(reader.key(virtualKey, recorded));
  return recorded;
}

void cursorRead(int& x, int& y) {
  const Mode now = sessionOfThisThread();
  if (now != Mode::kReplaying) {
    recordLive(now, [&](ReplayWriter& w) { w.cursor(x, y); });
    return;
  }
  stopAtEndOfFile();
  stopUnless(reader.cursor(x, y));
}

std::uint64_t calendarRead(std::uint64_t live) {
  const Mode now = sessionOfThisThread();
  if (now != Mode::kReplaying) {
    recordLive(now, [&](ReplayWriter& w) { w.seed(live); });
    return live;
  }
  stopAtEndOfFile();
  std::uint64_t recorded = 0;
  stopUnless(reader.seed(recorded));
  return recorded;
}

std::uint64_t valueRead(std::uint8_t tag, std::uint64_t live, std::uint64_t unrecorded) {
  const Mode now = sessionOfThisThread();
  if (now != Mode::kReplaying) {
    recordLive(now, [&](ReplayWriter& w) { w.value(tag, live); });
    return live;
  }
  if (reader.formatVersion() < firstFormatHolding(tag)) return unrecorded;
  stopAtEndOfFile();
  std::uint64_t recorded = 0;
  stopUnless(reader.value(tag, recorded));
  return recorded;
}

std::string textRead(std::uint8_t tag, const std::string& live, const std::string& unrecorded) {
  const Mode now = sessionOfThisThread();
  if (now == Mode::kNone && !roundOfThisThread()) return live;
  if (now == Mode::kReplaying && reader.formatVersion() < firstFormatHolding(tag)) return unrecorded;
  const std::uint64_t size = valueRead(tag, live.size(), 0);
  if (size > kReplayMaxPassEvents * 8)
    stop(StopReason::kDeparture, "replay departs at pass " + std::to_string(pass) + ": a text read longer than a pass holds");
  std::string text(size, '\0');
  for (std::size_t at = 0; at < size; at += 8) {
    std::uint64_t word = 0;
    for (std::size_t i = at; i < at + 8 && i < size; ++i) word |= std::uint64_t(std::uint8_t(i < live.size() ? live[i] : 0)) << 8 * (i - at);
    word = valueRead(tag, word, 0);
    for (std::size_t i = at; i < at + 8 && i < size; ++i) text[i] = char(word >> 8 * (i - at));
  }
  return text;
}

void endPass(Digest worldDigest, Digest frameDigest) {
  const Mode now = sessionOfThisThread();
  if (now != Mode::kReplaying) {
    // A write failure of the round's file shows when the file is finished.
    if (roundOfThisThread()) endRecordedPass(roundWriter, roundPass, worldDigest, frameDigest);
    if (now == Mode::kRecording && !endRecordedPass(writer, pass, worldDigest, frameDigest)) reportWriteFailure();
    if (afterPassHook) afterPassHook();
    return;
  }
  const bool worldDue = pass % kWorldDigestPasses == 0;
  const bool frameDue = pass % kFrameDigestPasses == 0;
  stopAtEndOfFile();
  if (worldDue) stopUnless(reader.checkDigest(kWorldDigest, worldDigest()));
  if (frameDue && replayFrames) stopUnless(reader.checkDigest(kFrameDigest, frameDigest()));
  std::uint64_t unchecked = 0;
  if (frameDue && !replayFrames) stopUnless(reader.digest(kFrameDigest, unchecked));
  stopUnless(reader.endPass());
  ++pass;
  if (afterPassHook) afterPassHook();
}

void setAfterPass(void (*afterPass)()) { afterPassHook = afterPass; }

}  // namespace platform::replay
