#!/usr/bin/env bash
# Faults around the running game, each on the real program under Xvfb: no audio device,
# no display, the window closed (as a window manager's close button does) during the
# countdown, a round, the game-over screen and the farewell, the display server killed
# under the game, SIGINT and SIGTERM. The monsters are black clouds that die to one shot
# and kill with one water shot (damage 1000), so a round ends within seconds.
# Usage: faults.sh <path to dream-arena>
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

close_case() { # close_case <phase> <seconds to wait before closing, after the phase began>
  "$xwin" close dream-arena 2000 || fail_case "close during $1" "no window to close"
  ended_within 1
  if [[ $status == running ]]; then
    fail_case "close during $1" "still running a second after the close request"
    stop_game
  elif [[ $status != 0 ]]; then
    fail_case "close during $1" "exit status $status"
  elif ! quiet_output; then
    fail_case "close during $1" "printed: $(cat "$E2E_WORK/out.txt" "$E2E_WORK/err.txt")"
  else
    echo "close during $1: exit 0 within a second"
  fi
}

# 1. No audio device: OpenAL Soft left to itself finds none here, or is told to use an
# output that does not exist. The game plays silently and says so in one line at most.
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

# 2. No display: a display that does not exist, and none at all.
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

# 3. The window closed during the countdown, a round, the game-over screen, the farewell.
launch
if to_countdown; then close_case countdown; else fail_case "close during countdown" "no title"; stop_game; fi

launch
if to_countdown; then
  sleep 4
  close_case round
else
  fail_case "close during round" "no title"
  stop_game
fi

launch
if to_countdown && gameover_shown 60000; then close_case "game over"; else
  fail_case "close during game over" "no game-over screen"
  stop_game
fi

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

# 4. The display server killed under the running game.
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

# 5. SIGINT and SIGTERM during a round end the game at once, quietly. Job control keeps a
# background job's SIGINT from being ignored, as it is when started from a terminal.
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

echo "faults: $failures failed"
((failures == 0))
