// dream-sim: plays the real game headless. The same game and graphics libraries as the
// program, on the fake platform: the game's own entry and loops run as they do in the window,
// and after every pass (the seam's end of pass) the driver moves the fake clock on by 11 ms
// and sets the simulated player's keys, buttons and cursor for the next pass: a click on the
// title, play in a round, a wait and a click on the game-over screen. Its seeds reach the
// game through the fake calendar that start-up reads. The run ends from the same seam once
// its passes are played. Prints what happened and what it cost.
#include <sys/resource.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "game/render/frame.h"
#include "game/shell/entry.h"
#include "game/world/game_state.h"
#include "graphics/draw.h"
#include "graphics/image.h"
#include "graphics/text/face_match.h"
#include "graphics/window.h"
#include "platform/base/random.h"
#include "platform/fake/fake_platform.h"
#include "platform/replay/session.h"
#include "game/files/round_files.h"
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
  std::string record;     // a session file to record, or empty
  std::string rounds;     // a folder for a file of every round, or empty
  std::string digestLog;  // where --replay writes its digests, or empty
};

void printHelp() {
  std::puts(
      "usage: dream-sim [options]\n"
      "Plays the game headless in the current directory, which must hold monsterData.txt and\n"
      "resources/ (the staged directory, build/stage). Never opens a window.\n"
      "\n"
      "  --seed N           seed of the game's random generator (reseeded with N + round after\n"
      "                     every start-up) and of the simulated player (default 1)\n"
      "  --ticks N          passes to play after the title, 11 simulated ms each; every one\n"
      "                     runs one world update but the four of each countdown (default 10000)\n"
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
      "  --replay FILE      play a replay file (a session recorded with DREAM_ARENA_RECORD=FILE, or\n"
      "                     a round's file, which plays alone) through the real game instead of\n"
      "                     the simulated player; with --no-frames nothing is composed and frame\n"
      "                     digests go unchecked. Exit status 1 when the replay departs from its\n"
      "                     file, with the pass and what differed\n"
      "  --png FILE         write the last composed frame (after --ticks ticks) as a PNG file\n"
      "  --record FILE      record the session into FILE, as DREAM_ARENA_RECORD does\n"
      "  --rounds DIR       record every round into a file of its own in DIR (made when missing),\n"
      "                     as the game does in its data folder; each replays alone\n"
      "  --digest-log FILE  with --replay: one line per pass of a round, \"round R pass P world W\",\n"
      "                     the pass counted from the round's first, with \" frame F\" every 64th\n"
      "                     when frames are composed\n"
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
    } else if (arg == "--record" && next && *next) {
      options.record = next;
      ++i;
    } else if (arg == "--rounds" && next && *next) {
      options.rounds = next;
      ++i;
    } else if (arg == "--digest-log" && next && *next) {
      options.digestLog = next;
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

  // Plays through the game's own entry; the run ends inside it, after its last pass.
  [[noreturn]] void run();

 private:
  // After every pass of the game: observes it, then sets up the next pass or ends the run.
  void afterPass();
  void observe();
  void chooseInput();
  [[noreturn]] void finish();
  void printSummary() const;
  // With --png: writes the working image, the last composed frame. False on failure.
  bool writePicture() const;

  Options options_;
  SimPlayer player_;
  IMAGE sink_;
  platform::RandomGenerator waitRandom_;
  DeathCounter deaths_;
  std::uint64_t ticks_ = 0;  // passes of rounds and game-over screens
  std::uint64_t frames_ = 0;
  std::uint64_t titlePasses_ = 0;
  std::uint64_t rounds_ = 0;
  std::uint64_t playerDeaths_ = 0;
  std::uint64_t kills_ = 0;
  std::vector<std::int64_t> roundScores_;
  bool playing_ = false;
  int gameOverPasses_ = 0;
  int gameOverWait_ = 0;
  ListLengths peak_;
  Timing pass_;
  std::chrono::steady_clock::time_point passStart_ = std::chrono::steady_clock::now();
  bool violated_ = false;
  bool drawingIntoSink_ = false;
  std::uint64_t frameDigest_ = kFrameDigestStart;
};

Simulation* running = nullptr;

void Simulation::run() {
  running = this;
  platform::fake::setTickCount(kStartTick + kTickMs);
  platform::fake::setCalendarSeconds(options_.seed);
  if (!options_.frames) platform::fake::keepNoFrames();
  platform::replay::setAfterPass([] { running->afterPass(); });
  gameMain();
  // The game left by itself (the simulated player never asks it to): end as after the last pass.
  finish();
}

void Simulation::afterPass() {
  const auto now = std::chrono::steady_clock::now();
  pass_.add(std::chrono::duration<double, std::nano>(now - passStart_).count());
  // Without frames, what the screens still draw (texts, the title) goes into a 1 x 1 image.
  if (!options_.frames && !drawingIntoSink_) {
    setDrawTarget(&sink_);
    drawingIntoSink_ = true;
  }
  observe();
  if (ticks_ >= options_.ticks || violated_) finish();
  chooseInput();
  platform::fake::advanceTicks(kTickMs);
  passStart_ = std::chrono::steady_clock::now();
}

void Simulation::observe() {
  if (options_.frames) {
    ++frames_;
    if (options_.frameHash) frameDigest_ = frameDigest(frameDigest_);
  }
  const bool playing = player.hitPoints > 0;
  if (playing && !playing_) ++rounds_;
  if (!playing && playing_) {
    ++playerDeaths_;
    roundScores_.push_back(scoreValue());
  }
  playing_ = playing;
  if (rounds_ == 0) {
    ++titlePasses_;
    return;
  }
  ++ticks_;
  kills_ += std::uint64_t(deaths_.deathsSince());
  deaths_.before();
  keepPeak(peak_, measureLists());
  if (!options_.check || violated_) return;
  const std::string why = findViolation();
  if (!why.empty()) {
    violated_ = true;
    std::printf("violation after pass %llu (round %llu): %s\n", static_cast<unsigned long long>(ticks_),
                static_cast<unsigned long long>(rounds_), why.c_str());
    std::fflush(stdout);
  }
}

// The next pass's input: a click on the title's third pass; play in a round; on the
// game-over screen nothing held for a while, then one click, with the next round's seed on
// the calendar that its start-up reads. Everything is let go before a round begins.
void Simulation::chooseInput() {
  if (rounds_ == 0) {
    if (titlePasses_ + 1 == kTitlePasses) player_.click();
    else player_.releaseAll();
    return;
  }
  if (playing_) {
    gameOverPasses_ = 0;
    player_.playTick(ticks_);
    return;
  }
  if (gameOverPasses_ == 0) gameOverWait_ = 60 + waitRandom_.next() % 91;
  if (++gameOverPasses_ != gameOverWait_ + 1) {
    player_.releaseAll();
    return;
  }
  player_.click();
  platform::fake::setCalendarSeconds(options_.seed + static_cast<std::uint32_t>(rounds_));
}

// Closes the window as the game's farewell does, so that the process ends normally (leak
// checkers then look at what it still holds).
void Simulation::finish() {
  if (playing_) roundScores_.push_back(scoreValue());
  const bool pictureWritten = writePicture();
  platform::replay::stopRecording();
  gfx::endDeferredShow();
  setDrawTarget(nullptr);
  gfx::closeGraphics();
  printSummary();
  std::exit(violated_ || !pictureWritten ? 1 : 0);
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
  std::printf("dream-sim: seed %u, %s player, %llu passes of %llu ms, frames %s, checks %s\n", options_.seed,
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
  std::printf("pass: %.3f ms mean, %.3f ms max (update, animation step%s)\n", pass_.meanNs() / 1e6,
              pass_.maxNs / 1e6, options_.frames ? ", picture and show" : "");
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
  // Frame digests of text drawn without the staged faces would differ from the desktop's.
  if (options.frames && (options.frameHash || !options.replay.empty())) {
    std::string names;
    for (const std::string& name : gfx::text::missingFontFiles()) names += (names.empty() ? "" : ", ") + name;
    if (!names.empty()) {
      std::fprintf(stderr, "dream-sim: no frame digests without the font files %s (run it in the staged directory)\n",
                   names.c_str());
      return 1;
    }
  }
  if (!options.replay.empty()) return replayFile(options.replay, options.frames, options.digestLog);
  if (!std::filesystem::exists("monsterData.txt") || !std::filesystem::is_directory("resources")) {
    std::fprintf(stderr,
                 "dream-sim: no monsterData.txt or resources/ in %s; run it in the staged directory "
                 "(build/stage)\n",
                 std::filesystem::current_path().c_str());
    return 2;
  }
  if (!options.record.empty()) {
    std::string error;
    if (!platform::replay::startRecording(options.record, DA_GAME_VERSION, error)) {
      std::fprintf(stderr, "dream-sim: %s\n", error.c_str());
      return 1;
    }
  }
  if (!options.rounds.empty()) recordRoundsInto(options.rounds, DA_GAME_VERSION);
  Simulation simulation(options);
  simulation.run();
}
