#!/usr/bin/env bash
# Runs a command on a private Xvfb screen of the given size managed by the openbox window
# manager, as on a player's desktop: frames, a work area, fullscreen on request.
#   with_openbox.sh <width>x<height> [Xvfb option]... -- <command> [argument]...
# Exits with the command's status; the server and the window manager are stopped.
set -euo pipefail
size=$1
shift
server_options=()
while [[ $# -gt 0 && $1 != "--" ]]; do
  server_options+=("$1")
  shift
done
[[ $# -gt 1 ]] || { echo "usage: with_openbox.sh WxH [Xvfb option]... -- command [argument]..." >&2; exit 2; }
shift

work=$(mktemp -d)
server=""
manager=""
cleanup() {
  [[ -n $manager ]] && kill "$manager" 2>/dev/null || true
  [[ -n $server ]] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# -displayfd: the server picks a free display and writes its number once it listens.
Xvfb -displayfd 3 -noreset -screen 0 "${size}x24" -nolisten tcp "${server_options[@]}" 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for ((n = 0; n < 100; ++n)); do
  [[ -s $work/display ]] && break
  kill -0 "$server" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$work/display")"

openbox >"$work/openbox.log" 2>&1 &
manager=$!
# The window manager is ready once it has claimed the screen and announced itself.
for ((n = 0; n < 100; ++n)); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  kill -0 "$manager" 2>/dev/null || { cat "$work/openbox.log" >&2; exit 1; }
  sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" || { echo "openbox did not start" >&2; exit 1; }

status=0
"$@" || status=$?
exit "$status"
