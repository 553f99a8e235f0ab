#!/usr/bin/env bash
# Prints the frame digests of two headless runs (seeds 1 and 2, 5,000 ticks each), to show
# that a change which only moves or merges code leaves every composed frame as it was.
#   scripts/frame_digests.sh [BUILD_DIR]     (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cmake --build "$build" -j2 --target dream-sim stage >/dev/null
cd "$build/stage"
for seed in 1 2; do
  digest=$(ALSOFT_DRIVERS=null "$build/tools/dream_sim/dream-sim" --seed "$seed" --ticks 5000 --frame-hash |
           sed -n 's/^frame digest: //p')
  echo "seed $seed: $digest"
done
