#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test, printing each phase's
# time (wall clock, and the CPU time of the phase's processes) as it ends and all of them at
# the end.
#   scripts/test.sh              the normal build in build/
#   scripts/test.sh --sanitize   the same with AddressSanitizer + UBSan in build-sanitize/
#   scripts/test.sh --tsan       ThreadSanitizer in build-tsan/: the window tests, and one round
#                                ended by closing its window and one by destroying it
# ctest runs DA_TEST_JOBS tests side by side (the number of processors unless set); the tests
# that show a window take turns among themselves (tests/CMakeLists.txt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
test_jobs=${DA_TEST_JOBS:-$jobs}

# phase <name> <command>...: runs the command, then prints "phase NAME: ..." with its times;
# returns its status.
phases=()
phase() {
  local name=$1 status=0 times
  shift
  times=$(mktemp)
  { TIMEFORMAT="%0R s (CPU %0U s user, %0S s system)"; time "$@" 2>&3 || status=$?; } 3>&2 2>"$times"
  phases+=("phase $name: $(cat "$times")$( ((status == 0)) || echo ", failed with status $status")")
  rm -f "$times"
  echo "${phases[-1]}"
  return "$status"
}
summary() {
  local status=$?
  if ((${#phases[@]} > 0)); then
    echo "test phases:"
    printf '  %s\n' "${phases[@]}"
  fi
  return "$status"
}
trap summary EXIT

phase setup bash "$root/scripts/setup.sh"

if [ "${1:-}" = "--tsan" ]; then
  build="$root/build-tsan"
  phase build bash -c 'cmake -S "$1" -B "$2" -DDA_TSAN=ON -DDA_BUILD_BENCH=OFF >/dev/null &&
    cmake --build "$2" -j"$3" --target window_tests window_child xwin dream-arena stage' _ "$root" "$build" "$jobs"
  cd "$build"
  # A report fails the run: the test programs end with status 66, the game's stderr is no
  # longer empty. No pause at exit: the window tests time how soon a closed child ends.
  export TSAN_OPTIONS="atexit_sleep_ms=0 ${TSAN_OPTIONS:-}"
  FAULT_CASES="close_round destroy_round" \
    phase ctest ctest --output-on-failure -R '^(window_tests|window_tests_without_shared_memory|e2e_faults)$'
  exit 0
fi

build="$root/build"
sanitize=OFF
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=ON
  build="$root/build-sanitize"
fi
phase "desktop build" bash -c 'cmake -S "$1" -B "$2" -DDA_SANITIZE="$3" >/dev/null && cmake --build "$2" -j"$4"' \
  _ "$root" "$build" "$sanitize" "$jobs"
cd "$build"
phase "desktop tests" ctest --output-on-failure -j"$test_jobs"
# The headless driver built to WebAssembly, its tests under node against this build; then the
# page, played in Debian's chromium.
if [ "$sanitize" = OFF ]; then
  phase "WebAssembly driver" bash "$root/scripts/web_test.sh" "$build"
  phase "page build" bash "$root/scripts/web.sh" --build-only "$root/build-page" "$build"
  phase "browser tests" bash "$root/tests/web/run.sh" "$build" "$root/build-page"
fi

# Short runs of the long checks, in one sanitized tree: 10 s of fuzzing per loader, a few
# simulated minutes of play under the sanitizers.
cd "$root"
phase fuzzers bash "$root/scripts/fuzz.sh" 10
phase soak bash "$root/scripts/soak.sh" --ticks 20000
