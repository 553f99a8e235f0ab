// The speed of replays: each recorded session of tests/replays/older/ played by dream-sim --replay,
// without frames (target: at least 50 times faster than the session was played) and with
// every frame composed (target: the speed of dream-sim itself, set beside a plain dream-sim
// run of 5,000 ticks). Each run is a child process, timed as a whole: "times_real_time" is
// the session's play time over the replay's wall time, "ms_per_pass" the wall time of one
// pass (for dream-sim: of one composed frame, start-up included in both).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// A working directory with the staged resources and the session's monster table.
fs::path workingDirectory(const std::string& session) {
  const fs::path dir = fs::temp_directory_path() / ("bench_replay_" + session + "_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  fs::remove(dir / "resources");
  fs::create_directory_symlink(fs::path(DA_STAGE_DIR) / "resources", dir / "resources");
  fs::copy_file(fs::path(DA_REPLAY_DIR) / session / "monsterData.txt", dir / "monsterData.txt",
                fs::copy_options::overwrite_existing);
  return dir;
}

void BM_Replay(benchmark::State& state, const char* session, bool frames) {
  const fs::path dir = workingDirectory(session);
  const std::string command = "cd '" + dir.string() + "' && ALSOFT_DRIVERS=null '" DA_DREAM_SIM "' --replay '" +
                              (fs::path(DA_REPLAY_DIR) / session / "session.replay").string() + "'" +
                              (frames ? "" : " --no-frames");
  double played = 0;
  double passes = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    FILE* output = ::popen(command.c_str(), "r");
    char line[256];
    while (output && std::fgets(line, sizeof line, output)) {
      std::sscanf(line, "time: %lf s of play", &played);
      std::sscanf(line, "passes: %lf", &passes);
    }
    const int status = output ? ::pclose(output) : -1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (status != 0) {
      state.SkipWithError("the replay did not keep to its file");
      break;
    }
    state.SetIterationTime(seconds);
    state.counters["times_real_time"] = played / seconds;
    state.counters["ms_per_pass"] = passes > 0 ? seconds * 1000 / passes : 0;
  }
  state.counters["play_seconds"] = played;
  fs::remove_all(dir);
}

// dream-sim's own pace with frames: 5,000 ticks of its simulated player.
void BM_DreamSimFrames(benchmark::State& state) {
  const std::string command = "cd '" DA_STAGE_DIR "' && ALSOFT_DRIVERS=null '" DA_DREAM_SIM "' --ticks 5000";
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    FILE* output = ::popen(command.c_str(), "r");
    char line[256];
    double frames = 0;
    while (output && std::fgets(line, sizeof line, output)) std::sscanf(line, "frames: %lf", &frames);
    const int status = output ? ::pclose(output) : -1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (status != 0 || frames == 0) {
      state.SkipWithError("dream-sim failed");
      break;
    }
    state.SetIterationTime(seconds);
    state.counters["ms_per_pass"] = seconds * 1000 / frames;
  }
}

}  // namespace

BENCHMARK_CAPTURE(BM_Replay, walk_fight_eat_no_frames, "walk_fight_eat", false)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Replay, die_and_click_no_frames, "die_and_click", false)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Replay, enter_to_leave_no_frames, "enter_to_leave", false)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Replay, walk_fight_eat_frames, "walk_fight_eat", true)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Replay, enter_to_leave_frames, "enter_to_leave", true)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DreamSimFrames)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
