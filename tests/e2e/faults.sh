#!/usr/bin/env bash
# Faults around the running game, each on the real program under Xvfb: no audio device,
# no display, the window closed (as a window manager's close button does) during the
# countdown, a round, the game-over screen and the farewell, the display server killed
# under the game, SIGINT and SIGTERM, and the window destroyed by another program at the
# title, in the countdown and in a round (there also scaled on a small screen under
# openbox). The monsters are black clouds that die to one shot and kill with one water shot
# (damage 1000), so a round ends within seconds.
# Usage: faults.sh <path to dream-arena>
# FAULT_CASES="close_round destroy_round" runs only the cases named (the case_ functions below).
set -uo pipefail
source "$(dirname "$0")/lib.sh"

e2e_init faults "$1"
xwin=${DA_BINARY_DIR:?}/tests/reliability/xwin
[[ -x $xwin ]] || e2e_fail "no xwin helper at $xwin"
e2e_stage_workdir
e2e_write_table $'1000 1 2 2\n1000 1 2 2\n1000 1 2 2\n1000 1 2 2\n'
e2e_start_xvfb
failures=0
text=0096FF  # the screen texts' colour (red 0, green 150, blue 255)

cases=(no_audio no_display close_countdown close_round close_game_over close_farewell display_killed signals
  destroy_title destroy_countdown destroy_round destroy_round_scaled)
for name in ${FAULT_CASES:-}; do
  [[ " ${cases[*]} " == *" $name "* ]] || e2e_fail "FAULT_CASES names no case '$name'"
done
# wanted <case>: whether this run takes the case (every case when FAULT_CASES is empty).
wanted() { [[ -z ${FAULT_CASES:-} || " $FAULT_CASES " == *" $1 "* ]]; }

fail_case() {
  echo "FAIL $1: $2" >&2
  failures=$((failures + 1))
}

# launch [env assignments...]: starts the game in the working directory with a fresh output.
launch() {
  (cd "$E2E_WORK" && exec env "$@" "$E2E_GAME") >"$E2E_WORK/out.txt" 2>"$E2E_WORK/err.txt" &
  E2E_GAME_PID=$!
}

# ended_within <seconds>: sets status to the game's exit status, or "running" when it has
# not ended within the time (in this shell, which alone can wait for the game).
ended_within() {
  local n
  status=running
  for ((n = 0; n < $1 * 20; ++n)); do
    if ! kill -0 "$E2E_GAME_PID" 2>/dev/null; then
      status=0
      wait "$E2E_GAME_PID" || status=$?
      E2E_GAME_PID=""
      return 0
    fi
    sleep 0.05
  done
}

stop_game() {
  [[ -n $E2E_GAME_PID ]] || return 0
  kill -9 "$E2E_GAME_PID" 2>/dev/null
  wait "$E2E_GAME_PID" 2>/dev/null
  E2E_GAME_PID=""
}

# no crash report: nothing on standard output or error but what the case allows.
quiet_output() { [[ ! -s $E2E_WORK/out.txt && ! -s $E2E_WORK/err.txt ]]; }

title_shown() { "$xwin" waitcount dream-arena 425 192 1200 300 "$text" 200 15000 >/dev/null; }
gameover_shown() { "$xwin" waitcount dream-arena 450 576 1150 680 "$text" 200 "$1" >/dev/null; }

# The title, a click, and the four-second countdown's first second.
to_countdown() {
  title_shown || return 1
  "$xwin" wait dream-arena >/dev/null
  E2E_WID=$("$xwin" wait dream-arena)
  e2e_click 800 600
  sleep 1.5
}

# ends_as_closed <case>: the game ends within a second, status 0, printing nothing.
ends_as_closed() {
  ended_within 1
  if [[ $status == running ]]; then
    fail_case "$1" "still running a second later"
    stop_game
  elif [[ $status != 0 ]]; then
    fail_case "$1" "exit status $status, printed: $(cat "$E2E_WORK/out.txt" "$E2E_WORK/err.txt")"
  elif ! quiet_output; then
    fail_case "$1" "printed: $(cat "$E2E_WORK/out.txt" "$E2E_WORK/err.txt")"
  else
    echo "$1: exit 0 within a second, nothing printed"
  fi
}

close_case() { # close_case <phase>
  "$xwin" close dream-arena 2000 || fail_case "close during $1" "no window to close"
  ends_as_closed "close during $1"
}

# destroy_case <phase>: another program destroys the game's window (E2E_WID).
destroy_case() {
  xdotool windowclose "$E2E_WID" || fail_case "destroyed during $1" "xdotool could not destroy the window"
  ends_as_closed "destroyed during $1"
}

# No audio device: OpenAL Soft left to itself finds none here, or is told to use an output
# that does not exist. The game plays silently and says so in one line at most.
case_no_audio() {
  local drivers lines
  for drivers in "" "no-such-output"; do
    if [[ -z $drivers ]]; then launch -u ALSOFT_DRIVERS -u ALSOFT_CONF; else launch ALSOFT_DRIVERS="$drivers"; fi
    if title_shown && sleep 1 && kill -0 "$E2E_GAME_PID" 2>/dev/null; then
      kill -TERM "$E2E_GAME_PID"
      ended_within 2
      lines=$(wc -l <"$E2E_WORK/err.txt")
      if [[ -s $E2E_WORK/out.txt || $lines -gt 1 ]]; then
        fail_case "no audio device (${drivers:-probe})" "printed: $(cat "$E2E_WORK/out.txt" "$E2E_WORK/err.txt")"
      else
        echo "no audio device (${drivers:-probe}): title shown, stderr: '$(cat "$E2E_WORK/err.txt")'"
      fi
    else
      fail_case "no audio device (${drivers:-probe})" "no title screen: $(cat "$E2E_WORK/out.txt" "$E2E_WORK/err.txt")"
      stop_game
    fi
  done
}

# No display: a display that does not exist, and none at all.
case_no_display() {
  local display out
  for display in ":9999" ""; do
    if [[ -n $display ]]; then launch DISPLAY="$display"; else launch -u DISPLAY; fi
    ended_within 10
    out=$(cat "$E2E_WORK/out.txt")
    if [[ $status != 1 || $out != "cannot open window: "* || $(wc -l <"$E2E_WORK/out.txt") -ne 1 ]]; then
      fail_case "no display (DISPLAY='$display')" "exit $status, printed '$out'"
      stop_game
    else
      echo "no display (DISPLAY='$display'): exit 1, '$out'"
    fi
  done
}

# The window closed during the countdown, a round, the game-over screen, the farewell.
case_close_countdown() {
  launch
  if to_countdown; then close_case countdown; else fail_case "close during countdown" "no title"; stop_game; fi
}

case_close_round() {
  launch
  if to_countdown; then
    sleep 4
    close_case round
  else
    fail_case "close during round" "no title"
    stop_game
  fi
}

# The round is kept before the game-over screen shows: closing the window there loses
# nothing, and --scores then lists it. The session, recorded, replays through dream-sim with
# the table's answers and every digest checked, and leaves the table as it was.
case_close_game_over() {
  local scores=$XDG_DATA_HOME/dream-arena listing replayed kept
  local sim=${DA_BINARY_DIR:?}/tools/dream_sim/dream-sim
  rm -rf "$scores"
  launch DREAM_ARENA_RECORD="$E2E_WORK/game_over.replay"
  if to_countdown && gameover_shown 60000; then
    "$xwin" waitcount dream-arena 300 30 1300 130 "$text" 200 3000 >/dev/null ||
      fail_case "close during game over" "no line about the table above the screen's texts"
    close_case "game over"
    [[ $(grep -c $'^round\t' "$scores/scores.txt") == 1 && $(sed -n 2p "$scores/scores.txt") == $'totals\trounds=1\t'* ]] ||
      fail_case "close during game over" "the round is not in the table: $(cat "$scores/scores.txt" 2>&1)"
    listing=$("$E2E_GAME" --scores) || fail_case "close during game over" "--scores failed: $listing"
    [[ $listing == *$'\n  1. '*$'\nTotals: 1 round, '* ]] || fail_case "close during game over" "--scores printed: $listing"
    echo "close during game over: the round kept; --scores: $(tr '\n' '|' <<<"$listing")"
    kept=$(cat "$scores/scores.txt")
    replayed=$(cd "$E2E_WORK" && "$sim" --replay "$E2E_WORK/game_over.replay" 2>&1) ||
      fail_case "close during game over" "the recorded session does not replay: $replayed"
    [[ $(cat "$scores/scores.txt") == "$kept" ]] || fail_case "close during game over" "the replay changed the table"
    # The round's file was kept beside the table; --watch-best plays it to its end.
    ls "$scores"/round-*.replay >/dev/null 2>&1 || fail_case "close during game over" "no round file kept: $(ls "$scores")"
    local watched=0
    (cd "$E2E_WORK" && timeout 120 "$E2E_GAME" --watch-best) >"$E2E_WORK/watch.txt" 2>&1 || watched=$?
    ((watched == 0)) || fail_case "close during game over" "--watch-best ended with status $watched: $(cat "$E2E_WORK/watch.txt")"
    [[ $(cat "$scores/scores.txt") == "$kept" ]] || fail_case "close during game over" "watching changed the table"
    echo "close during game over: --watch-best watched the kept round to its end"
  else
    fail_case "close during game over" "no game-over screen"
    stop_game
  fi
}

case_close_farewell() {
  launch
  if to_countdown && gameover_shown 60000; then
    e2e_focus
    xdotool key Return
    sleep 0.3
    close_case farewell
  else
    fail_case "close during farewell" "no game-over screen"
    stop_game
  fi
}

# The display server killed under the running game; a new one is started for the cases after.
case_display_killed() {
  local out
  launch
  if to_countdown; then
    sleep 4
    kill -9 "$E2E_XVFB_PID"
    wait "$E2E_XVFB_PID" 2>/dev/null
    E2E_XVFB_PID=""
    ended_within 3
    out=$(cat "$E2E_WORK/out.txt")
    if [[ $status != 1 || $out != "display connection lost" || -s $E2E_WORK/err.txt ]]; then
      fail_case "display killed" "exit $status, stdout '$out', stderr '$(cat "$E2E_WORK/err.txt")'"
      stop_game
    else
      echo "display killed: exit 1, '$out'"
    fi
  else
    fail_case "display killed" "no title"
    stop_game
  fi
  e2e_start_xvfb
}

# SIGINT and SIGTERM during a round end the game at once, quietly. Job control keeps a
# background job's SIGINT from being ignored, as it is when started from a terminal.
case_signals() {
  local signal expected
  for signal in INT TERM; do
    set -m
    launch
    set +m
    if to_countdown; then
      sleep 4
      kill -"$signal" "$E2E_GAME_PID"
      ended_within 1
      expected=$((128 + $(kill -l "$signal")))
      if [[ $status != "$expected" ]] || ! quiet_output; then
        fail_case "SIG$signal" "exit $status (wanted $expected), printed: $(cat "$E2E_WORK/out.txt" "$E2E_WORK/err.txt")"
        stop_game
      else
        echo "SIG$signal: ended within a second, status $status, nothing printed"
      fi
    else
      fail_case "SIG$signal" "no title"
      stop_game
    fi
  done
}

# The window destroyed by another program (xdotool windowclose destroys it) at the title,
# during the countdown and in a round: the game ends as when it is closed.
case_destroy_title() {
  launch
  if title_shown; then
    E2E_WID=$("$xwin" wait dream-arena)
    destroy_case title
  else
    fail_case "destroyed during title" "no title"
    stop_game
  fi
}

case_destroy_countdown() {
  launch
  if to_countdown; then destroy_case countdown; else fail_case "destroyed during countdown" "no title"; stop_game; fi
}

case_destroy_round() {
  launch
  if to_countdown; then
    sleep 4
    destroy_case round
  else
    fail_case "destroyed during round" "no title"
    stop_game
  fi
}

# The same in a round on a laptop screen under openbox: the window is smaller than the frame,
# which the server scales through a Render picture on the window that goes with it. Last:
# it leaves this display and window manager running.
case_destroy_round_scaled() {
  local n scale E2E_SIZE=""
  e2e_stop_display
  e2e_start_xvfb 1366x768
  e2e_start_openbox
  launch
  # Mapped only once fitted to the screen: its size is final then.
  for ((n = 0; n < 150; ++n)); do
    E2E_WID=$(xdotool search --onlyvisible --name '^dream-arena$' 2>/dev/null | head -n1)
    [[ -n $E2E_WID ]] && break
    sleep 0.1
  done
  [[ -n $E2E_WID ]] && e2e_locate
  scale=$E2E_WW  # the client area is the picture's 5:3 shape: frame pixel x sits at x * scale / 1600
  if [[ -n $E2E_WID && $E2E_WW -lt 1600 ]] &&
    "$xwin" waitcount dream-arena $((425 * scale / 1600)) $((192 * scale / 1600)) $((1200 * scale / 1600)) \
      $((300 * scale / 1600)) "$text" 100 15000 >/dev/null; then
    e2e_click $((E2E_WW / 2)) $((E2E_WH * 5 / 8))
    sleep 5.5
    destroy_case "round, scaled"
  else
    fail_case "destroyed during round, scaled" "no scaled title (client area ${E2E_WW}x$E2E_WH)"
    stop_game
  fi
}

ran=0
for name in "${cases[@]}"; do
  wanted "$name" || continue
  "case_$name"
  ran=$((ran + 1))
done
echo "faults: $ran cases, $failures failed"
((failures == 0 && ran > 0))
