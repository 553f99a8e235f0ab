// The watch (see watch.h): the replay session answers the game, and after every pass the watch
// waits until the real time the file's clock says is due, scaled by the speed, reading its own
// keys meanwhile.
#include "game/shell/watch.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "game/shell/entry.h"
#include "game/shell/round_opening.h"
#include "game/shell/world_digest.h"
#include "graphics/draw.h"
#include "graphics/frame_mark.h"
#include "graphics/window.h"
#include "platform/seam/clock.h"
#include "platform/seam/input.h"
#include "platform/base/printable_text.h"
#include "platform/replay/session.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFastSpeed = 4;
// Keys are looked at this often while the watch waits.
constexpr auto kKeySlice = std::chrono::milliseconds(20);
// Further behind than this (a slow pass, a busy machine), the watch goes on from now instead
// of rushing to catch up.
constexpr auto kMostBehind = std::chrono::milliseconds(250);

struct Pace {
  Clock::time_point realBase;
  std::uint64_t fileBase = 0;  // the file's milliseconds at realBase
  int speed = 1;
  bool paused = false;
};

Pace pace;
std::FILE* digestLog = nullptr;

void mark() {
  if (pace.paused) gfx::markShownFrames("Replay - paused");
  else gfx::markShownFrames(pace.speed == 1 ? "Replay" : "Replay x4");
}

void rebase(std::uint64_t fileMs) {
  pace.realBase = Clock::now();
  pace.fileBase = fileMs;
}

[[noreturn]] void leave(int status) {
  if (digestLog) std::fclose(digestLog);
  gfx::closeGraphics();
  std::fflush(stdout);
  std::_Exit(status);
}

// Reads the watch's keys: Escape leaves; Space and the right arrow change the pace, from the
// file's time now on, and the mark with it (the frame on screen is shown again with it).
void readKeys(std::uint64_t fileNow) {
  if (platform::watchKeyPressed(platform::WatchKey::kLeave)) leave(0);
  bool changed = false;
  if (platform::watchKeyPressed(platform::WatchKey::kPause)) {
    pace.paused = !pace.paused;
    changed = true;
  }
  if (platform::watchKeyPressed(platform::WatchKey::kFaster)) {
    pace.speed = pace.speed == 1 ? kFastSpeed : 1;
    changed = true;
  }
  if (!changed) return;
  rebase(fileNow);
  mark();
  gfx::showFrame();
}

// Waits through the platform's rest, which in the browser hands the page back its thread.
void rest(Clock::duration wait) {
  platform::restMicros(std::uint64_t(std::chrono::duration_cast<std::chrono::microseconds>(wait).count()));
}

// After every pass: waits until the next pass is due, or while paused.
void afterPass() {
  if (digestLog) {
    std::fprintf(digestLog, "%s\n", passDigestLine(1, platform::replay::passNumber() - 1, true).c_str());
    std::fflush(digestLog);
  }
  const std::uint64_t now = platform::replay::replayedMilliseconds();
  const std::uint64_t next = platform::replay::upcomingMilliseconds();
  for (;;) {
    readKeys(now);
    if (pace.paused) {
      rest(kKeySlice);
      continue;
    }
    const Clock::time_point due =
        pace.realBase + std::chrono::milliseconds((next - pace.fileBase) / std::uint64_t(pace.speed));
    const Clock::time_point real = Clock::now();
    if (real - due > kMostBehind) rebase(next);
    if (real >= due) return;
    rest(std::min<Clock::duration>(due - real, kKeySlice));
  }
}

// A frame that differs from the recording's is said once: the round still plays as
// recorded (the world's digests decide), only its pictures are drawn as this version draws.
void onFrameDigest(std::uint64_t pass, std::uint64_t, std::uint64_t) {
  static bool said = false;
  if (said) return;
  said = true;
  std::fprintf(stderr, "watch: the frames differ from the recording's from pass %llu on (drawn by this version); "
               "the round plays as recorded\n", static_cast<unsigned long long>(pass));
}

[[noreturn]] void onStop(platform::replay::StopReason reason, const std::string& message) {
  if (reason == platform::replay::StopReason::kEndOfFile) leave(0);
  std::fprintf(stderr, "cannot watch: %s\n", platform::printableText(message).c_str());
  leave(1);
}

}  // namespace

int watchRound(const std::string& path, const std::string& gameVersion) {
  std::string error;
  if (!platform::replay::startReplay(path, true, onStop, error)) {
    std::fprintf(stderr, "cannot watch: %s\n", platform::printableText(error).c_str());
    return 1;
  }
  const std::string recordedBy = platform::replay::recordedGameVersion();
  if (recordedBy != gameVersion) {
    std::fprintf(stderr, "cannot watch: %s was recorded by %s; this is %s\n", platform::printableText(path).c_str(),
                 platform::printableText(recordedBy).c_str(),
                 gameVersion.c_str());
    return 1;
  }
  if (const char* log = std::getenv("DREAM_ARENA_WATCH_DIGESTS"); log && *log && !(digestLog = std::fopen(log, "w"))) {
    std::fprintf(stderr, "cannot watch: cannot write %s\n", platform::printableText(log).c_str());
    return 1;
  }
  mark();
  rebase(0);
  platform::replay::setAfterPass(afterPass);
  platform::replay::setFrameDigestReport(onFrameDigest);
  if (opensRound()) {
    playRecordedRound();
  } else {
    gameMain();
  }
  // A session's file whose player left by Enter: the game has said farewell.
  if (digestLog) std::fclose(digestLog);
  if (!platform::replay::finishReplay(error)) {
    std::fprintf(stderr, "cannot watch: %s\n", platform::printableText(error).c_str());
    return 1;
  }
  return 0;
}
