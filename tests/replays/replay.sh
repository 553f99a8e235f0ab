#!/usr/bin/env bash
# Plays a recorded session through the real game with dream-sim, in a working directory of
# the staged resources and the session's own monster table, and checks what it printed.
#   replay.sh BUILD_DIR SESSION_DIR            frames composed and every digest checked; the
#                                              summary must match SESSION_DIR/expected.txt
#   replay.sh --no-frames BUILD_DIR SESSION_DIR  the same without composing frames: the world's
#                                              digests and the summary checked
#   replay.sh --expect BUILD_DIR SESSION_DIR   writes expected.txt from a replay that keeps to
#                                              its file (after recording)
#   replay.sh --altered BUILD_DIR SESSION_DIR  alters one recorded answer in a copy; the replay
#                                              must stop at that pass, exit status 1
set -euo pipefail
mode=check
frames=()
if [[ ${1:-} == --expect || ${1:-} == --altered ]]; then
  mode=${1#--}
  shift
elif [[ ${1:-} == --no-frames ]]; then
  frames=(--no-frames)
  shift
fi
session=$(cd "$2" && pwd)
source "$(dirname "$0")/workdir.sh"
replay_workdir "$1" "$session/monsterData.txt"

# The lines of the summary that the session decides (not the time the replay took).
summary() { grep -E '^(replay|recorded by|passes|rounds|deaths|scores|actions|distance):' "$1"; }

case $mode in
  expect)
    (cd "$work" && "$sim" --replay "$session/session.replay") >"$work/out.txt"
    summary "$work/out.txt" >"$session/expected.txt"
    cat "$session/expected.txt"
    ;;
  check)
    status=0
    (cd "$work" && "$sim" --replay "$session/session.replay" "${frames[@]}") >"$work/out.txt" 2>"$work/err.txt" || status=$?
    cat "$work/out.txt" "$work/err.txt"
    ((status == 0)) || { echo "replay $(basename "$session"): exit status $status" >&2; exit 1; }
    if ! diff <(summary "$work/out.txt") "$session/expected.txt"; then
      echo "replay $(basename "$session"): the summary differs from expected.txt (< now, > recorded)" >&2
      exit 1
    fi
    ;;
  altered)
    pass=$("$build/tests/replay_alter" "$session/session.replay" "$work/altered.replay")
    status=0
    (cd "$work" && "$sim" --replay "$work/altered.replay" --no-frames) >"$work/out.txt" 2>"$work/err.txt" || status=$?
    cat "$work/err.txt"
    ((status == 1)) || { echo "altered replay: exit status $status, not 1" >&2; exit 1; }
    grep -q "^dream-sim: replay departs at pass $pass: " "$work/err.txt" ||
      { echo "altered replay: the answer altered at pass $pass is not where the replay stopped" >&2; exit 1; }
    echo "altered replay: stopped at pass $pass, where the answer was altered"
    ;;
esac
