#!/usr/bin/env bash
# The WebAssembly driver against the desktop's: dream-sim's mean time per pass (seed 1,
# 3,000 passes, frames composed; the best of three runs each), and the blend's SSE2 path:
# x86's SSE2 kernel against its WebAssembly SIMD kernel. Prints the figures and the ratios.
#   bench/web/compare.sh DESKTOP_BUILD WEB_BUILD
set -euo pipefail
desktop=$(cd "$1" && pwd)
web=$(cd "$2" && pwd)
export NODE_PATH=/usr/share/nodejs ALSOFT_DRIVERS=null
cmake --build "$desktop" -j2 --target dream-sim blend_rate stage >/dev/null
cmake --build "$web" -j2 --target dream-sim blend_rate stage >/dev/null

best_pass() {  # BUILD: the lowest mean pass time of three runs, in ms
  for _ in 1 2 3; do
    (cd "$1/stage" && "$1/tools/dream_sim/dream-sim" --seed 1 --ticks 3000) | sed -n 's/^pass: \([0-9.]*\) ms mean.*/\1/p'
  done | sort -g | head -1
}
native=$(best_pass "$desktop")
wasm=$(best_pass "$web")
echo "pass: desktop $native ms, WebAssembly $wasm ms: $(awk -v w="$wasm" -v n="$native" 'BEGIN { printf "%.2f", w / n }')x"

blend() { sed -n "s/^blend $2: \([0-9]*\) ns.*/\1/p" <<<"$1"; }
native_blend=$("$desktop/bench/web/blend_rate")
wasm_blend=$(node --no-experimental-fetch "$web/bench/web/blend_rate.js")
for kind in "random alpha" "sprite-like"; do
  n=$(blend "$native_blend" "$kind")
  w=$(blend "$wasm_blend" "$kind")
  echo "blend $kind (SSE2 path, 128x128): desktop SSE2 $n ns, WebAssembly SIMD $w ns: $(awk -v w="$w" -v n="$n" 'BEGIN { printf "%.2f", w / n }')x"
done
