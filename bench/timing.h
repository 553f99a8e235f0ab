// Timers shared by the benchmarks (header only: every bench/*.cpp is its own program): the
// best of several rounds, so ratios measured on a loaded machine compare like with like,
// and the reference they are measured against, a memcpy of one 1600 x 960 frame.
#pragma once
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace bench_timing {

// Best time per call, in nanoseconds, of fn over several rounds of at least minMs each.
template <typename Fn>
double bestNsPerCall(Fn&& fn, int rounds = 5, double minMs = 30.0) {
  using clock = std::chrono::steady_clock;
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    std::int64_t calls = 0;
    const auto start = clock::now();
    double elapsed = 0;
    do {
      fn();
      ++calls;
      elapsed = std::chrono::duration<double, std::milli>(clock::now() - start).count();
    } while (elapsed < minMs);
    best = std::min(best, elapsed * 1e6 / double(calls));
  }
  return best;
}

// Best time of one memcpy of a whole 1600 x 960 frame between two warm buffers, over the
// given number of rounds.
inline double frameMemcpyNs(int rounds = 5) {
  static std::uint32_t* from = static_cast<std::uint32_t*>(std::aligned_alloc(64, 1600 * 960 * 4));
  static std::uint32_t* to = static_cast<std::uint32_t*>(std::aligned_alloc(64, 1600 * 960 * 4));
  static bool filled = false;
  if (!filled) {
    std::memset(from, 0x5A, 1600 * 960 * 4);
    std::memset(to, 0, 1600 * 960 * 4);
    filled = true;
  }
  return bestNsPerCall(
      [] {
        std::memcpy(to, from, 1600 * 960 * 4);
        asm volatile("" : : "r"(to) : "memory");
      },
      rounds);
}

// Best times of fn and of the frame memcpy, measured in alternating rounds so that both
// see the same load; returns fn's, sets copyNs.
template <typename Fn>
double bestNsAgainstMemcpy(Fn&& fn, double& copyNs) {
  double best = 1e300;
  copyNs = 1e300;
  for (int round = 0; round < 7; ++round) {
    best = std::min(best, bestNsPerCall(fn, 1));
    copyNs = std::min(copyNs, frameMemcpyNs(1));
  }
  return best;
}

}  // namespace bench_timing
