#!/usr/bin/env bash
# The game-over screen waits for a choice made while it is shown, in the real window under
# Xvfb: an Enter tapped on the title, a right click during a round and the fire button held
# at the moment of death must neither end the game nor start another round. Three rounds:
# Enter on the title, then die standing still; a right click in the round, then die; fire
# held until death, let go, then Enter ends the game with status 0. The monsters of this
# script kill with one hit and do not die, so every round is short.
# Usage: game_over_choices.sh <path to dream-arena>
set -euo pipefail

source "$(dirname "$0")/lib.sh"
e2e_init game_over_choices "$1"
e2e_stage_workdir
e2e_write_table $'60 1000 3 1\n60 1000 3 2\n60 1000 3 3\n60 1000 3 4\n'
e2e_start_xvfb
e2e_start_game

readonly TEXT="0 150 255"
text_in() { # text_in left top right bottom: true when the box shows screen text
  local n
  n=$(e2e_count "$@" $TEXT)
  ((n > 150))
}
# "Click to dream again." is on the game-over screen only.
game_over_shown() { text_in 275 384 1350 490 && text_in 450 576 1150 680; }
alive() { kill -0 "$E2E_GAME_PID" 2>/dev/null; }

# Waits up to $1 seconds for the game-over screen.
wait_for_game_over() {
  local deadline=$((SECONDS + $1))
  while ((SECONDS < deadline)); do
    alive || e2e_fail "the game ended during a round"
    e2e_grab
    game_over_shown && return 0
    sleep 0.5
  done
  e2e_fail "no game-over screen within $1 s"
}

# The game-over screen is still shown after $1 seconds: no round started, the game runs.
expect_waiting() {
  sleep "$1"
  alive || e2e_fail "$2: the game ended without a choice on the game-over screen"
  e2e_grab
  game_over_shown || e2e_fail "$2: the game-over screen did not wait for a choice"
}

# A click that starts the next round: the countdown shows and the game-over texts go. The
# script's input for the round follows at once, while the countdown still runs, so that it
# lands in the round even when the monsters kill the player in its first moments.
# After the click: the game-over texts gone (the countdown, or already the round, shows).
left_game_over() { e2e_grab && ! game_over_shown; }
click_for_another_round() {
  e2e_click 800 500
  e2e_wait_until 10 left_game_over || e2e_fail "a click on the game-over screen did not start another round"
}

# Round 1: Enter tapped on the title.
e2e_wait_until 15 e2e_title_shown || e2e_fail "the title text is not shown"
e2e_focus
xdotool key Return
sleep 0.3
alive || e2e_fail "Enter on the title ended the game"
e2e_click 800 500
counting_down() { e2e_grab && ! game_over_shown && text_in 425 192 1200 300; }
e2e_wait_until 10 counting_down || e2e_fail "no countdown after the click on the title"
e2e_move 1590 950
wait_for_game_over 180
expect_waiting 2 "Enter tapped on the title"
echo "game_over_choices: an Enter from the title is not a choice"

# Round 2: a right click during the round (the countdown is its first pass).
click_for_another_round
e2e_click 800 400 3
e2e_move 1590 950
wait_for_game_over 180
expect_waiting 2 "right click during the round"
echo "game_over_choices: a right click from the round is not a choice"

# Round 3: the fire button held from the countdown to the moment of death, and after it.
click_for_another_round
e2e_move 800 380
xdotool mousedown 1
wait_for_game_over 180
expect_waiting 2 "fire held at the moment of death"
xdotool mouseup 1
expect_waiting 1 "fire let go on the game-over screen"
echo "game_over_choices: the fire button held at death is not a choice"

e2e_focus
xdotool key Return
e2e_wait_exit 10 || e2e_fail "the game still runs 10 s after Enter"
[[ $E2E_EXIT_STATUS == 0 ]] || e2e_fail "exit status $E2E_EXIT_STATUS after Enter"
echo "game_over_choices: passed"
