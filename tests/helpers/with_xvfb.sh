#!/usr/bin/env bash
# Runs a command on a private Xvfb screen of the given size, no window manager: the server
# names a free display itself (private_display.sh), so tests running side by side, here or
# in another tree on this machine, never meet on one display as xvfb-run -a may let them.
#   with_xvfb.sh <width>x<height> [Xvfb option]... -- <command> [argument]...
# Exits with the command's status; the server is stopped.
set -euo pipefail
size=$1
shift
server_options=()
while [[ $# -gt 0 && $1 != "--" ]]; do
  server_options+=("$1")
  shift
done
[[ $# -gt 1 ]] || { echo "usage: with_xvfb.sh WxH [Xvfb option]... -- command [argument]..." >&2; exit 2; }
shift

work=$(mktemp -d)
server=""
cleanup() {
  [[ -n $server ]] && kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

source "$(dirname "$0")/private_display.sh"
started=0
private_xvfb "$work" "$size" "${server_options[@]}" && started=1
server=$PRIVATE_XVFB_PID
((started)) || { cat "$work/xvfb.log" >&2; exit 1; }

status=0
"$@" || status=$?
exit "$status"
