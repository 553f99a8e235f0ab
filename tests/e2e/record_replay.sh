#!/usr/bin/env bash
# Recording a real session and playing it back: the game under Xvfb with
# DREAM_ARENA_RECORD set, driven by xdotool, ended by closing its window and then by SIGTERM;
# each file dream-sim --replay plays through with every digest checked. Without the variable
# the game leaves its working directory as it was; a file that cannot be made is a fatal
# error with one line.
# Usage: record_replay.sh <path to dream-arena>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init record_replay "$1"
sim=${DA_BINARY_DIR:?}/tools/dream_sim/dream-sim
xwin=$DA_BINARY_DIR/tests/reliability/xwin
[[ -x $sim && -x $xwin ]] || e2e_fail "no dream-sim or xwin in $DA_BINARY_DIR"
e2e_stage_workdir
e2e_start_xvfb

# play <ending>: a short session (title, countdown, walking, firing), ended by "close" or "term".
play() {
  e2e_start_game
  "$xwin" waitcount dream-arena 425 192 1200 300 0096ff 200 15000 >/dev/null || e2e_fail "no title"
  e2e_click 800 500
  sleep 4.5
  e2e_key_hold 0.5 d
  xdotool mousedown 1 && e2e_move 300 300 && sleep 0.5 && xdotool mouseup 1
  e2e_key_hold 0.5 a
  if [[ $1 == close ]]; then "$xwin" close dream-arena >/dev/null; else kill -TERM "$E2E_GAME_PID"; fi
  e2e_wait_exit 10 || e2e_fail "the game did not end ($1)"
}

replays() { # replays <file>: dream-sim plays the whole file through
  local out
  out=$(cd "$E2E_WORK" && "$sim" --replay "$1" 2>&1) || e2e_fail "the replay of $1 failed: $out"
  grep -q "^replay: the recorded session ends after pass" <<<"$out" || e2e_fail "unexpected replay output: $out"
  echo "record_replay: $(basename "$1"): $(grep -E '^passes:' <<<"$out")"
}

# The game's own output goes to out.txt, which the first start makes.
before=$(ls -A "$E2E_WORK" | grep -vx out.txt)
play close
[[ $(ls -A "$E2E_WORK" | grep -vx out.txt) == "$before" ]] || e2e_fail "without DREAM_ARENA_RECORD the game wrote to its directory"

export DREAM_ARENA_RECORD=$E2E_WORK/closed.replay
play close
replays "$E2E_WORK/closed.replay"
export DREAM_ARENA_RECORD=$E2E_WORK/signal.replay
play term
replays "$E2E_WORK/signal.replay"

export DREAM_ARENA_RECORD=$E2E_WORK/no/such/dir/x.replay
status=0
out=$(cd "$E2E_WORK" && "$E2E_GAME" 2>&1) || status=$?
((status == 1)) || e2e_fail "an impossible replay file: exit status $status"
[[ $out == "cannot create replay $DREAM_ARENA_RECORD: No such file or directory" ]] || e2e_fail "an impossible replay file printed: $out"
echo "record_replay: passed"
