// The replay file on a minute of game-shaped seam traffic (tests/helpers/replay_traffic.h,
// 108,000 passes): coding it in memory, writing it to a file one write per pass, opening
// it (which checks every pass) and reading it back through the typed calls a replaying game
// makes. Reports bytes per pass and per minute, nanoseconds per event, and how many times
// faster than real time the reads of that minute are served.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "platform/replay/replay_codec.h"
#include "platform/replay/replay_reader.h"
#include "platform/replay/replay_writer.h"
#include "tests/helpers/replay_traffic.h"

namespace {

using replay_traffic::Passes;
using platform::ReplayEvent;
using platform::ReplayEventKind;

constexpr std::size_t kMinutePasses = 108'000;
constexpr double kMinuteNs = 60e9;

const Passes& minute() {
  static const Passes passes = replay_traffic::gameShaped(kMinutePasses, 1);
  return passes;
}

std::size_t eventCount(const Passes& passes) {
  std::size_t events = 0;
  for (const auto& pass : passes) events += pass.size();
  return events;
}

std::vector<std::uint8_t> encodeMinute() {
  std::uint32_t check;
  std::vector<std::uint8_t> bytes = platform::encodeReplayHeader("bench", check);
  platform::ReplayModel model;
  platform::startReplayModel(model, check);
  for (const auto& pass : minute()) platform::encodeReplayPass(model, pass, bytes);
  return bytes;
}

// Counters for one benchmark that handled the minute once per iteration in totalNs.
void reportPerMinute(benchmark::State& state, double totalNs, double bytes) {
  const double events = double(eventCount(minute()));
  const double minuteNs = totalNs / double(state.iterations());
  state.counters["ns_per_event"] = minuteNs / events;
  state.counters["events_per_pass"] = events / double(kMinutePasses);
  state.counters["times_real_time"] = kMinuteNs / minuteNs;
  if (bytes > 0) {
    state.counters["bytes_per_pass"] = bytes / double(kMinutePasses);
    state.counters["kib_per_minute"] = bytes / 1024.0;
  }
}

double nsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
}

void BM_ReplayEncodeMinute(benchmark::State& state) {
  std::size_t bytes = 0;
  double totalNs = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    bytes = encodeMinute().size();
    totalNs += nsSince(start);
  }
  reportPerMinute(state, totalNs, double(bytes));
}

void BM_ReplayWriteMinuteToFile(benchmark::State& state) {
  const std::string path = "/tmp/bench_replay_" + std::to_string(::getpid());
  std::uint64_t bytes = 0;
  double totalNs = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    platform::ReplayWriter writer;
    if (!writer.open(path, "bench")) {
      state.SkipWithError(writer.error().c_str());
      return;
    }
    for (const auto& pass : minute()) {
      for (const ReplayEvent& e : pass) {
        switch (e.kind) {
          case ReplayEventKind::kClock: writer.clock(e.value); break;
          case ReplayEventKind::kKey: writer.key(e.id, e.value); break;
          case ReplayEventKind::kCursor: writer.cursor(platform::cursorX(e.value), platform::cursorY(e.value)); break;
          case ReplayEventKind::kSeed: writer.seed(e.value); break;
          case ReplayEventKind::kDigest: writer.digest(e.id, e.value); break;
          case ReplayEventKind::kValue: writer.value(e.id, e.value); break;
        }
      }
      writer.endPass();
    }
    writer.close();
    totalNs += nsSince(start);
    bytes = writer.byteCount();
  }
  ::unlink(path.c_str());
  reportPerMinute(state, totalNs, double(bytes));
}

void BM_ReplayOpenMinute(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = encodeMinute();
  double totalNs = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    platform::ReplayReader reader;
    if (!reader.openBytes(bytes.data(), bytes.size(), "bench")) state.SkipWithError(reader.error().c_str());
    benchmark::DoNotOptimize(reader.passCount());
    totalNs += nsSince(start);
  }
  reportPerMinute(state, totalNs, 0);
}

// Opening is outside the timing: this is the cost a replay pays per read as it plays.
void BM_ReplayReadMinute(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = encodeMinute();
  double readNs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    platform::ReplayReader reader;
    reader.openBytes(bytes.data(), bytes.size(), "bench");
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t sum = 0, value = 0;
    bool pressed = false;
    int x = 0, y = 0;
    bool ok = true;
    for (const auto& pass : minute()) {
      for (const ReplayEvent& e : pass) {
        switch (e.kind) {
          case ReplayEventKind::kClock: ok &= reader.clock(value); break;
          case ReplayEventKind::kKey: ok &= reader.key(e.id, pressed); value = pressed; break;
          case ReplayEventKind::kCursor: ok &= reader.cursor(x, y); value = std::uint64_t(x + y); break;
          case ReplayEventKind::kSeed: ok &= reader.seed(value); break;
          case ReplayEventKind::kDigest: ok &= reader.digest(e.id, value); break;
          case ReplayEventKind::kValue: ok &= reader.value(e.id, value); break;
        }
        sum += value;
      }
      ok &= reader.endPass();
    }
    readNs += nsSince(start);
    if (!ok) state.SkipWithError(reader.error().c_str());
    benchmark::DoNotOptimize(sum);
  }
  reportPerMinute(state, readNs, 0);
}

BENCHMARK(BM_ReplayEncodeMinute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayWriteMinuteToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayOpenMinute)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplayReadMinute)->Unit(benchmark::kMillisecond);

}  // namespace
