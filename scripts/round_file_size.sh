#!/usr/bin/env bash
# Measures how large the game's round files grow: the game in a window under a private X
# server, a player walking and firing for about 30 s (rounds end and begin again as they
# will), then every round file of that play (the one still running too) read back by
# dream-sim --replay for its passes and its time of play.
#   scripts/round_file_size.sh [BUILD_DIR]      (default: build)
# Prints one line per file: bytes, passes, seconds of play, bytes per pass, passes per second
# and kilobytes per minute of play (the limit is 1 MB per minute).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cmake --build "$build" -j2 --target dream-arena dream-sim stage >/dev/null
work=$(mktemp -d)
source "$root/tests/helpers/private_display.sh"
private_xvfb "$work" 1920x1080 || { echo "round_file_size: Xvfb did not start"; exit 1; }
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data ALSOFT_DRIVERS=null
(cd "$build/stage" && exec "$build/dream-arena") >"$work/game.log" 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; kill $PRIVATE_XVFB_PID 2>/dev/null; rm -rf "$work"' EXIT
sleep 4
wid=$(xdotool search --name dream-arena | head -1)
xdotool windowfocus "$wid" 2>/dev/null || true
xdotool mousemove --window "$wid" 800 500 click 1
for ((i = 0; i < 8; ++i)); do
  xdotool keydown d; sleep 1; xdotool keyup d
  xdotool mousemove --window "$wid" $((300 + 120 * i)) 400 mousedown 1; sleep 1; xdotool mouseup 1
  xdotool keydown a; sleep 1; xdotool keyup a
  xdotool keydown w; sleep 0.5; xdotool keyup w
done
for file in "$XDG_DATA_HOME"/dream-arena/round-*.replay "$XDG_DATA_HOME"/dream-arena/.round-*.tmp; do
  [[ -f $file ]] || continue
  cp "$file" "$work/measured.replay"
  out=$(cd "$build/stage" && "$build/tools/dream_sim/dream-sim" --replay "$work/measured.replay" --no-frames 2>/dev/null) || true
  passes=$(sed -n 's/^passes: //p' <<<"$out")
  seconds=$(sed -n 's/^time: \([0-9.]*\) s of play.*/\1/p' <<<"$out")
  bytes=$(stat -c %s "$file")
  awk -v f="$(basename "$file")" -v b="$bytes" -v p="$passes" -v s="$seconds" 'BEGIN {
    printf "%-44s %7d bytes %6d passes %6.1f s  %.2f bytes/pass %5.0f passes/s %6.1f KB/min\n",
           f, b, p, s, b / p, p / s, b / s * 60 / 1000 }'
done
