// Playing a replay file through the real game: the session answers the game's reads, this
// file counts rounds and deaths after every pass and prints the result when the file or the
// game ends.
#include "tools/dream_sim/replay_run.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/shell/entry.h"
#include "game/shell/round_opening.h"
#include "game/shell/world_digest.h"
#include "game/world/game_state.h"
#include "graphics/image.h"
#include "platform/base/exact_maths.h"
#include "platform/fake/fake_platform.h"
#include "platform/replay/session.h"
#include "tools/dream_sim/world_check.h"

namespace {

// What the replayed session did, seen after every pass.
struct ReplayStats {
  std::uint64_t rounds = 0;
  std::uint64_t deaths = 0;
  std::vector<std::int64_t> roundScores;
  bool playing = false;
  // How often the player went into each state (strikes, dashes, shots, meals).
  std::uint64_t entered[Eating + 1] = {};
  PlayerState state = Free;
  // Pixels the player covered on foot: a step of more than one and a half times its speed
  // is a run (double steps); dashes and knock-backs (a hit in the pass) are neither.
  double walked = 0;
  double ran = 0;
  float x = 0, y = 0;
  std::int32_t hitPoints = 0;
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

ReplayStats stats;
bool composeFrames = true;
bool drawingIntoSink = false;
std::FILE* digestLog = nullptr;
std::uint64_t roundPass = 0;

// The digests of a pass of a round: from the round's first pass to the one where hit points
// reach 0, counted in each round from 1.
void logDigests(bool playing) {
  if (!digestLog || (!playing && !stats.playing)) return;
  const bool starts = playing && !stats.playing;
  roundPass = starts ? 1 : roundPass + 1;
  std::fprintf(digestLog, "%s\n", passDigestLine(stats.rounds + starts, roundPass, composeFrames).c_str());
}

void afterPass() {
  // Without frames everything is drawn into a 1 x 1 image from the second pass on.
  if (!composeFrames && !drawingIntoSink) {
    static IMAGE sink(1, 1);
    setDrawTarget(&sink);
    drawingIntoSink = true;
  }
  const bool playing = player.hitPoints > 0;
  logDigests(playing);
  if (playing && stats.playing && player.state == Free && stats.state == Free && player.hitPoints == stats.hitPoints) {
    const double step = platform::exact::hypot(double(player.x) - stats.x, double(player.y) - stats.y);
    (step > 1.5 * player.speed ? stats.ran : stats.walked) += step;
  }
  stats.x = player.x;
  stats.y = player.y;
  stats.hitPoints = player.hitPoints;
  if (playing && !stats.playing) ++stats.rounds;
  if (!playing && stats.playing) {
    ++stats.deaths;
    stats.roundScores.push_back(scoreValue());
  }
  stats.playing = playing;
  if (player.state != stats.state && player.state >= 0 && player.state <= Eating) ++stats.entered[player.state];
  stats.state = player.state;
}

void printSummary(const char* ending) {
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - stats.start).count();
  const std::uint64_t passes = platform::replay::passNumber() - 1;
  std::string scores;
  for (std::int64_t s : stats.roundScores) scores += (scores.empty() ? "" : " ") + std::to_string(s);
  if (stats.playing) scores += (scores.empty() ? "" : " ") + std::to_string(scoreValue()) + " (playing)";
  std::printf("replay: %s\n", ending);
  std::printf("recorded by: %s\n", platform::replay::recordedGameVersion().c_str());
  std::printf("passes: %llu\n", static_cast<unsigned long long>(passes));
  std::printf("rounds: %llu\n", static_cast<unsigned long long>(stats.rounds));
  std::printf("deaths: %llu\n", static_cast<unsigned long long>(stats.deaths));
  std::printf("scores: %s\n", scores.empty() ? "none" : scores.c_str());
  auto times = [](PlayerState s) { return static_cast<unsigned long long>(stats.entered[s]); };
  std::printf("actions: %llu strikes, %llu dashes, %llu shots, %llu meals, %llu knock-backs\n", times(Striking),
              times(Dashing), times(Shooting), times(Eating), times(KnockedBack));
  std::printf("distance: %.0f px walked, %.0f px ran\n", stats.walked, stats.ran);
  std::printf("frames: %s\n", composeFrames ? "composed, frame digests checked" : "not composed");
  const double played = double(platform::replay::replayedMilliseconds()) / 1000.0;
  std::printf("time: %.1f s of play replayed in %.2f s (%.0f times real time)\n", played, seconds,
              seconds > 0 ? played / seconds : 0.0);
}

// The replay stopped inside the game: the end of the file, or a departure from it.
[[noreturn]] void onStop(platform::replay::StopReason reason, const std::string& message) {
  if (reason == platform::replay::StopReason::kEndOfFile) {
    printSummary(message.c_str());
    std::fflush(stdout);
    if (digestLog) std::fclose(digestLog);
    std::_Exit(0);
  }
  std::fflush(stdout);
  std::fprintf(stderr, "dream-sim: %s\n", message.c_str());
  std::_Exit(1);
}

}  // namespace

int replayFile(const std::string& path, bool frames, const std::string& digestPath) {
  composeFrames = frames;
  if (!frames) platform::fake::keepNoFrames();
  std::string error;
  if (!platform::replay::startReplay(path, frames, onStop, error)) {
    std::fprintf(stderr, "dream-sim: %s\n", error.c_str());
    return 1;
  }
  if (!digestPath.empty() && !(digestLog = std::fopen(digestPath.c_str(), "w"))) {
    std::fprintf(stderr, "dream-sim: cannot write %s\n", digestPath.c_str());
    return 1;
  }
  platform::replay::setAfterPass(afterPass);
  if (opensRound()) playRecordedRound();
  else gameMain();
  if (digestLog) std::fclose(digestLog);
  if (!platform::replay::finishReplay(error)) {
    std::fprintf(stderr, "dream-sim: %s\n", error.c_str());
    return 1;
  }
  printSummary("the whole file was played");
  return 0;
}
