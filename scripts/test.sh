#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   scripts/test.sh              the normal build in build/
#   scripts/test.sh --sanitize   the same with AddressSanitizer + UBSan in build-sanitize/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"

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

# Short runs of the long checks: 10 s of fuzzing per loader, a few simulated minutes of
# play under the sanitizers.
cd "$root"
bash "$root/scripts/fuzz.sh" 10
bash "$root/scripts/soak.sh" --ticks 20000
