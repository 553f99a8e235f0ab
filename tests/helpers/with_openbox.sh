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

source "$(dirname "$0")/private_display.sh"
started=0
private_xvfb "$work" "$size" "${server_options[@]}" && started=1
server=$PRIVATE_XVFB_PID
((started)) || { cat "$work/xvfb.log" >&2; exit 1; }
started=0
private_openbox "$work" && started=1
manager=$PRIVATE_WM_PID
((started)) || { echo "openbox did not start: $(cat "$work/openbox.log")" >&2; exit 1; }

status=0
"$@" || status=$?
exit "$status"
