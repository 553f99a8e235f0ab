#!/usr/bin/env bash
# Measures the game's CPU use as a player would meet it: the game in a window under a private
# X server with openbox, its own utime + stime from /proc/PID/stat over 10 s (the X server's
# share apart), on the title screen, in a round, paused, and with its window minimised; then
# again with frame_pacing = display, on the title screen and in a round; then paused and
# minimised with a gamepad attached (SDL's virtual pad, which lives only in the process that
# attached it: the pad tests' program plays the game there and pauses it with the pad's Start).
#   scripts/cpu_use.sh [BUILD_DIR]      (default: build; the game and its staged data)
# Prints one line per state: ticks of CPU in the window and the percentage of one core.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cmake --build "$build" -j2 --target dream-arena pad_game_tests stage >/dev/null
work=$(mktemp -d)
source "$root/tests/helpers/private_display.sh"
private_xvfb "$work" 1920x1080 || { echo "cpu_use: Xvfb did not start"; exit 1; }
private_openbox "$work" || { echo "cpu_use: openbox did not start"; exit 1; }
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data ALSOFT_DRIVERS=null
pid=
trap 'kill $pid 2>/dev/null || true; kill $PRIVATE_XVFB_PID 2>/dev/null; rm -rf "$work"' EXIT
start_game() {
  (cd "$build/stage" && exec "$build/dream-arena") >>"$work/game.log" 2>&1 &
  pid=$!
  sleep 4
  wid=$(xdotool search --name dream-arena | head -1)
  xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
}
start_game
hz=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
measure() { # measure <state>: CPU over the next 10 s
  local a b
  a=$(cpu)
  sleep 10
  b=$(cpu)
  awk -v s="$1" -v t=$((b - a)) -v hz="$hz" 'BEGIN { printf "%-14s %4d ticks in 10 s, %5.1f%% of one core\n", s, t, 100 * t / (10 * hz) }'
}
measure title
xdotool mousemove --window "$wid" 800 500 click 1
sleep 5  # the countdown
xdotool key --window "$wid" Escape
sleep 1
measure paused
xdotool key --window "$wid" Escape
sleep 0.5
# A round may end before 10 s: measure what is left of it for 3 s and scale.
measure_round() {
  local a b
  a=$(cpu); sleep 3; b=$(cpu)
  awk -v s="$1" -v t=$((b - a)) -v hz="$hz" 'BEGIN { printf "%-14s %4d ticks in 3 s, %5.1f%% of one core\n", s, t, 100 * t / (3 * hz) }'
}
measure_round round
xdotool windowminimize "$wid"
sleep 1
measure minimised
kill $pid
wait $pid 2>/dev/null || true
sed -i 's/^frame_pacing = .*/frame_pacing = display/' "$work/config/dream-arena/settings.ini"
start_game
measure "title, paced"
xdotool mousemove --window "$wid" 800 500 click 1
sleep 5.5  # the countdown
measure_round "round, paced"
kill $pid
wait $pid 2>/dev/null || true
meeting=$work/pad_rest
mkdir -p "$meeting"
(cd "$build/stage" && PAD_REST_DIR=$meeting DA_STAGE_DIR=$build/stage exec "$build/tests/pad_game_tests" \
   --gtest_brief=1 --gtest_filter=PadGame.RestWithPad) >>"$work/pad.log" 2>&1 &
pid=$!
for _ in $(seq 60); do [[ -f $meeting/paused ]] && break; sleep 0.5; done
[[ -f $meeting/paused ]] || { echo "cpu_use: the pad game did not pause"; cat "$work/pad.log"; exit 1; }
sleep 1
measure "paused, pad"
wid=$(xdotool search --name pad_game_tests | head -1)
xdotool windowminimize "$wid"
sleep 1
measure "minimised, pad"
xdotool windowmap "$wid" >/dev/null 2>&1 || true
xdotool windowactivate --sync "$wid" >/dev/null 2>&1 || true
sleep 1
touch "$meeting/done"
wait $pid || { echo "cpu_use: the pad game failed"; cat "$work/pad.log"; exit 1; }
