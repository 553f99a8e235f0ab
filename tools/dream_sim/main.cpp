// dream-sim: plays the real game headless. The same game and graphics libraries as the
// program, on the fake platform: a clock moved by 11 ms per pass (so every pass runs one
// update), a simulated player on the fake keyboard and mouse, frames composed into the
// working image of a window that opens nothing. Rounds run through the shell's own pass
// functions (playingPass, showCountdown, gameOverPass) and restart from the game-over
// screen by a click, as a person would. Prints what happened and what it cost.
#include <sys/resource.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "game/render/frame.h"
#include "game/shell/frame.h"
#include "game/shell/screens.h"
#include "game/shell/startup.h"
#include "game/world/game_state.h"
#include "graphics/draw.h"
#include "graphics/image.h"
#include "graphics/window.h"
#include "platform/fake/fake_platform.h"
#include "tools/dream_sim/frame_png.h"
#include "tools/dream_sim/replay_run.h"
#include "tools/dream_sim/sim_player.h"
#include "tools/dream_sim/world_check.h"

namespace {

constexpr std::uint64_t kTickMs = 11;
constexpr std::uint64_t kStartTick = 1000000;
constexpr int kTitlePasses = 3;

struct Options {
  std::uint32_t seed = 1;
  std::uint64_t ticks = 10000;
  PlayerKind player = PlayerKind::kRandom;
  bool frames = true;
  bool check = false;
  bool frameHash = false;
  std::string replay;
  std::string png;  // where to write the last composed frame, or empty
};

void printHelp() {
  std::puts(
      "usage: dream-sim [options]\n"
      "Plays the game headless in the current directory, which must hold monsterData.txt and\n"
      "resources/ (the staged directory, build/stage). Never opens a window.\n"
      "\n"
      "  --seed N           seed of the game's random generator (reseeded with N + round after\n"
      "                     every start-up) and of the simulated player (default 1)\n"
      "  --ticks N          update ticks to play, 11 simulated ms each (default 10000)\n"
      "  --player KIND      random (default): changing intents, fires at monsters, strikes,\n"
      "                     dashes, eats meat that is near; scripted: eats, shoots the nearest\n"
      "                     monster, strikes it when close, dashes every 900 ticks\n"
      "  --no-frames        compose nothing: the animation step still runs (ends of animations,\n"
      "                     spent bombs); the pictures are not drawn\n"
      "  --check            after every pass, check that every list is consistent (each element\n"
      "                     reachable from its head, links both ways, no cycle) and that no\n"
      "                     position is NaN; the first violation is printed and exits with 1\n"
      "  --frame-hash       print one digest of every composed frame's pixels, to show that a\n"
      "                     change to the drawing code leaves every pixel as it was\n"
      "  --replay FILE      play a replay file (recorded with DREAM_ARENA_RECORD=FILE) through the\n"
      "                     real game instead of the simulated player; with --no-frames nothing\n"
      "                     is composed and frame digests go unchecked. Exit status 1 when the\n"
      "                     replay departs from its file, with the pass and what differed\n"
      "  --png FILE         write the last composed frame (after --ticks ticks) as a PNG file\n"
      "  --help             this text\n"
      "\n"
      "Prints ticks, frames, rounds, deaths, kills, score, peak list lengths, start-up time,\n"
      "time per update and per frame, and peak resident memory.");
}

bool parseNumber(const char* text, std::uint64_t& value) {
  if (!text || !*text) return false;
  char* end = nullptr;
  errno = 0;
  const unsigned long long v = std::strtoull(text, &end, 10);
  if (errno != 0 || *end != '\0' || text[0] == '-') return false;
  value = v;
  return true;
}

// Returns -1 to go on, else the exit status.
int parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
    std::uint64_t number = 0;
    if (arg == "--help" || arg == "-h") {
      printHelp();
      return 0;
    } else if (arg == "--seed" && parseNumber(next, number) && number <= 0xFFFFFFFFu) {
      options.seed = static_cast<std::uint32_t>(number);
      ++i;
    } else if (arg == "--ticks" && parseNumber(next, number) && number > 0) {
      options.ticks = number;
      ++i;
    } else if (arg == "--player" && next && (std::strcmp(next, "random") == 0 || std::strcmp(next, "scripted") == 0)) {
      options.player = std::strcmp(next, "random") == 0 ? PlayerKind::kRandom : PlayerKind::kScripted;
      ++i;
    } else if (arg == "--no-frames") {
      options.frames = false;
    } else if (arg == "--check") {
      options.check = true;
    } else if (arg == "--frame-hash") {
      options.frameHash = true;
    } else if (arg == "--replay" && next && *next) {
      options.replay = next;
      ++i;
    } else if (arg == "--png" && next && *next) {
      options.png = next;
      ++i;
    } else {
      std::fprintf(stderr, "dream-sim: bad option or value: %s%s%s (see --help)\n", arg.c_str(), next ? " " : "",
                   next ? next : "");
      return 2;
    }
  }
  return -1;
}

// Running mean and maximum of a duration.
struct Timing {
  double totalNs = 0;
  double maxNs = 0;
  std::uint64_t count = 0;
  void add(double ns) {
    totalNs += ns;
    maxNs = ns > maxNs ? ns : maxNs;
    ++count;
  }
  double meanNs() const { return count ? totalNs / double(count) : 0.0; }
};

class Stopwatch {
 public:
  Stopwatch() : start_(std::chrono::steady_clock::now()) {}
  double ns() const { return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start_).count(); }

 private:
  std::chrono::steady_clock::time_point start_;
};

long peakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

class Simulation {
 public:
  explicit Simulation(const Options& options)
      : options_(options), player_(options.player, options.seed), sink_(1, 1), waitRandom_(options.seed ^ 0x5EEDu) {}

  int run();

 private:
  void startUpTimed();
  // After every pass: kills, peaks and (with --check) the consistency check.
  void afterPass();
  void hashFrame();
  bool playRound(RoundTimer& timer, bool& countdownPending);
  void gameOver(RoundTimer& timer, bool& countdownPending, bool& anotherRound);
  void printSummary() const;
  // With --png: writes the working image, the last composed frame. False on failure.
  bool writePicture() const;

  Options options_;
  SimPlayer player_;
  IMAGE sink_;
  std::mt19937 waitRandom_;
  DeathCounter deaths_;
  std::uint64_t ticks_ = 0;
  std::uint64_t frames_ = 0;
  std::uint64_t rounds_ = 0;
  std::uint64_t playerDeaths_ = 0;
  std::uint64_t kills_ = 0;
  std::vector<std::int64_t> roundScores_;
  ListLengths peak_;
  Timing update_, frame_, startUp_;
  bool violated_ = false;
  std::uint64_t frameDigest_ = kFrameDigestStart;
};

void Simulation::startUpTimed() {
  // Without frames the sink is the draw target, so the text settings land on it too.
  if (!options_.frames) setDrawTarget(&sink_);
  Stopwatch watch;
  startUp();
  startUp_.add(watch.ns());
  if (!options_.frames) setDrawTarget(&sink_);
  // startUp seeds with the calendar time; the run stays reproducible by its own seed.
  std::srand(options_.seed + static_cast<std::uint32_t>(rounds_));
}

// Folds the working image's words into the run's digest (with --frame-hash).
void Simulation::hashFrame() {
  if (options_.frameHash && options_.frames) frameDigest_ = frameDigest(frameDigest_);
}

void Simulation::afterPass() {
  const int died = deaths_.deathsSince();
  kills_ += std::uint64_t(died);
  keepPeak(peak_, measureLists());
  if (!options_.check || violated_) return;
  const std::string why = findViolation();
  if (!why.empty()) {
    violated_ = true;
    std::printf("violation after tick %llu (round %llu): %s\n", static_cast<unsigned long long>(ticks_),
                static_cast<unsigned long long>(rounds_), why.c_str());
    std::fflush(stdout);
  }
}

// One round until the player dies (true) or the ticks run out (false).
bool Simulation::playRound(RoundTimer& timer, bool& countdownPending) {
  ++rounds_;
  resetRound();
  timer = RoundTimer{};
  while (player.hitPoints > 0) {
    if (ticks_ >= options_.ticks || violated_) return false;
    player_.playTick(ticks_);
    platform::fake::advanceTicks(kTickMs);
    deaths_.before();
    Stopwatch updateWatch;
    if (updateIfDue(timer, true)) {
      update_.add(updateWatch.ns());
      ++ticks_;
    }
    // The pass itself finds no update due and composes and shows the frame.
    Stopwatch frameWatch;
    if (options_.frames) {
      playingPass(timer);
      frame_.add(frameWatch.ns());
      ++frames_;
      hashFrame();
    } else {
      drawFrame();
    }
    afterPass();
    if (countdownPending) {
      showCountdown();
      if (options_.frames) frames_ += 4;
      countdownPending = false;
    }
  }
  roundScores_.push_back(scoreValue());
  ++playerDeaths_;
  return true;
}

// The game-over screen: the player lets go, waits a while, then clicks for another round.
void Simulation::gameOver(RoundTimer& timer, bool& countdownPending, bool& anotherRound) {
  anotherRound = false;
  startGameOverScreen();
  const int wait = std::uniform_int_distribution<int>(60, 150)(waitRandom_);
  for (int pass = 0; ticks_ < options_.ticks && !violated_; ++pass) {
    if (pass >= wait) player_.click();
    else player_.releaseAll();
    platform::fake::advanceTicks(kTickMs);
    deaths_.before();
    Stopwatch updateWatch;
    if (updateIfDue(timer, false)) {
      update_.add(updateWatch.ns());
      ++ticks_;
    }
    Stopwatch frameWatch;
    const GameOverChoice choice = gameOverPass(timer);
    if (options_.frames) {
      frame_.add(frameWatch.ns());
      ++frames_;
      hashFrame();
    }
    afterPass();
    if (choice == GameOverChoice::kAnotherRound) {
      player_.releaseAll();
      startUpTimed();
      countdownPending = true;
      anotherRound = true;
      return;
    }
  }
}

int Simulation::run() {
  windowHandle = gfx::openGraphics(1600, 960, 0);
  platform::fake::setTickCount(kStartTick);
  startUpTimed();
  gfx::beginDeferredShow();

  bool countdownPending = false;
  startTitleScreen();
  for (int pass = 0;; ++pass) {
    if (pass + 1 >= kTitlePasses) player_.click();
    platform::fake::advanceTicks(kTickMs);
    const bool clicked = titlePass(countdownPending);
    if (options_.frames) ++frames_;
    if (clicked) break;
  }
  player_.releaseAll();

  while (ticks_ < options_.ticks && !violated_) {
    RoundTimer timer;
    if (!playRound(timer, countdownPending)) break;
    bool anotherRound = false;
    gameOver(timer, countdownPending, anotherRound);
    if (!anotherRound) break;
  }
  if (roundScores_.size() < rounds_) roundScores_.push_back(scoreValue());
  const bool pictureWritten = writePicture();

  gfx::endDeferredShow();
  setDrawTarget(nullptr);
  gfx::closeGraphics();
  printSummary();
  return violated_ || !pictureWritten ? 1 : 0;
}

bool Simulation::writePicture() const {
  if (options_.png.empty()) return true;
  std::string error;
  const std::uint32_t* words = pixelBuffer(nullptr);
  if (!options_.frames || !words) {
    error = "no frame was composed (--no-frames)";
  } else if (writeFramePng(options_.png, words, targetWidth(), targetHeight(), error)) {
    std::printf("picture: %s\n", options_.png.c_str());
    return true;
  }
  std::fprintf(stderr, "dream-sim: %s\n", error.c_str());
  return false;
}

void Simulation::printSummary() const {
  std::int64_t total = 0, best = 0;
  std::string perRound;
  for (std::int64_t s : roundScores_) {
    total += s;
    best = s > best ? s : best;
    perRound += (perRound.empty() ? "" : " ") + std::to_string(s);
  }
  auto u = [](std::uint64_t v) { return static_cast<unsigned long long>(v); };
  std::printf("dream-sim: seed %u, %s player, %llu ticks of %llu ms, frames %s, checks %s\n", options_.seed,
              options_.player == PlayerKind::kRandom ? "random" : "scripted", u(options_.ticks), u(kTickMs),
              options_.frames ? "composed" : "not composed", options_.check ? "on" : "off");
  std::printf("ticks: %llu\n", u(ticks_));
  std::printf("frames: %llu\n", u(frames_));
  std::printf("rounds: %llu\n", u(rounds_));
  std::printf("deaths: %llu\n", u(playerDeaths_));
  std::printf("kills: %llu\n", u(kills_));
  std::printf("score: %lld in all, best round %lld (rounds: %s)\n", static_cast<long long>(total),
              static_cast<long long>(best), perRound.c_str());
  std::printf("peak lists: player shots %lld, enemy shots %lld, bombs %lld, meat %lld, score digits %lld\n",
              static_cast<long long>(peak_.playerShots), static_cast<long long>(peak_.enemyShots),
              static_cast<long long>(peak_.booms), static_cast<long long>(peak_.meats),
              static_cast<long long>(peak_.scoreDigits));
  std::printf("start-ups: %llu, %.1f ms mean\n", u(startUp_.count), startUp_.meanNs() / 1e6);
  std::printf("update: %.2f us mean, %.2f us max\n", update_.meanNs() / 1e3, update_.maxNs / 1e3);
  if (options_.frames) std::printf("frame: %.3f ms mean, %.3f ms max\n", frame_.meanNs() / 1e6, frame_.maxNs / 1e6);
  std::printf("peak resident memory: %ld KiB\n", peakResidentKiB());
  if (options_.check) std::printf("checks: %s\n", violated_ ? "FAILED" : "passed after every pass");
  if (options_.frameHash && options_.frames)
    std::printf("frame digest: %016llx\n", static_cast<unsigned long long>(frameDigest_));
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  const int status = parseOptions(argc, argv, options);
  if (status >= 0) return status;
  if (!options.replay.empty()) return replayFile(options.replay, options.frames);
  if (!std::filesystem::exists("monsterData.txt") || !std::filesystem::is_directory("resources")) {
    std::fprintf(stderr,
                 "dream-sim: no monsterData.txt or resources/ in %s; run it in the staged directory "
                 "(build/stage)\n",
                 std::filesystem::current_path().c_str());
    return 2;
  }
  Simulation simulation(options);
  return simulation.run();
}
