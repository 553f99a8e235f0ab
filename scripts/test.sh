#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   scripts/test.sh              the normal build in build/
#   scripts/test.sh --sanitize   the same with AddressSanitizer + UBSan in build-sanitize/
#   scripts/test.sh --tsan       ThreadSanitizer in build-tsan/: the window tests, and one round
#                                ended by closing its window and one by destroying it
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"

if [ "${1:-}" = "--tsan" ]; then
  build="$root/build-tsan"
  cmake -S "$root" -B "$build" -DDA_TSAN=ON -DDA_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" -j"$(nproc)" --target window_tests window_child xwin dream-arena stage
  cd "$build"
  # A report fails the run: the test programs end with status 66, the game's stderr is no
  # longer empty. No pause at exit: the window tests time how soon a closed child ends.
  export TSAN_OPTIONS="atexit_sleep_ms=0 ${TSAN_OPTIONS:-}"
  FAULT_CASES="close_round destroy_round" \
    ctest --output-on-failure -R '^(window_tests|window_tests_without_shared_memory|e2e_faults)$'
  exit 0
fi

build="$root/build"
sanitize=OFF
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=ON
  build="$root/build-sanitize"
fi
cmake -S "$root" -B "$build" -DDA_SANITIZE=$sanitize >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure
# The headless driver built to WebAssembly, its tests under node against this build; then the
# page, played in Debian's chromium.
if [ "$sanitize" = OFF ]; then
  bash "$root/scripts/web_test.sh" "$build"
  bash "$root/scripts/web.sh" --build-only "$root/build-page" "$build"
  bash "$root/tests/web/run.sh" "$build" "$root/build-page"
fi

# Short runs of the long checks: 10 s of fuzzing per loader, a few simulated minutes of
# play under the sanitizers.
cd "$root"
bash "$root/scripts/fuzz.sh" 10
bash "$root/scripts/soak.sh" --ticks 20000
