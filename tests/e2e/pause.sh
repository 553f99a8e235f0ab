#!/usr/bin/env bash
# The pause in the real window under openbox: Escape in a round shows "Paused" and the
# picture stands still while the game rests; Escape plays on and the picture moves again;
# minimising the window pauses the round, and it is still paused ten seconds after the
# window came back. The monsters of this script do no harm, so the round lasts.
# Usage: pause.sh <path to dream-arena>
set -euo pipefail

source "$(dirname "$0")/lib.sh"
e2e_init pause "$1"
e2e_stage_workdir
e2e_write_table $'0 1000 3 1\n0 1000 2 2\n0 1000 2 3\n0 1000 2 4\n'
e2e_start_xvfb
e2e_start_openbox
e2e_start_game

readonly TEXT="0 150 255"
# "Paused" stands in screen text over the middle of the field.
paused_shown() { (($(e2e_count 640 290 1000 390 $TEXT) > 150)); }
grab_sum() { e2e_grab && md5sum <"$E2E_WORK/screen.ppm" | cut -d' ' -f1; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$E2E_GAME_PID/stat"; }

paused() { e2e_grab && paused_shown; }
playing_on() { e2e_grab && ! paused_shown; }
changed_from() { [[ $(grab_sum) != "$1" ]]; }

xdotool windowactivate --sync "$E2E_WID" 2>/dev/null || e2e_focus
e2e_wait_until 15 e2e_title_shown || e2e_fail "no title screen"
e2e_click 800 500
e2e_wait_round
e2e_focus
xdotool key Escape
e2e_wait_until 5 paused || e2e_fail "no \"Paused\" after Escape in a round"
first=$(md5sum <"$E2E_WORK/screen.ppm" | cut -d' ' -f1)
# Under it, the line with the keys: screen text across most of the width.
(($(e2e_count 100 415 1500 455 $TEXT) > 400)) || e2e_fail "no line of keys under \"Paused\""
ticks=$(cpu_ticks)
sleep 2
second=$(grab_sum)
[[ $first == "$second" ]] || e2e_fail "the paused picture changed within 2 s"
used=$(($(cpu_ticks) - ticks))
# A running round keeps a core busy; a resting one wakes a few times a second.
((used * 100 < 2 * $(getconf CLK_TCK) * 20)) || e2e_fail "the paused game used $used ticks of CPU in 2 s"

e2e_focus
xdotool key Escape
e2e_wait_until 5 playing_on || e2e_fail "still paused after the second Escape"
moving=$(md5sum <"$E2E_WORK/screen.ppm" | cut -d' ' -f1)
e2e_wait_until 5 changed_from "$moving" || e2e_fail "the round did not go on after Escape"

xdotool windowminimize "$E2E_WID"
sleep 1.5
xdotool windowactivate --sync "$E2E_WID" 2>/dev/null || xdotool windowmap "$E2E_WID"
e2e_wait_until 5 paused || e2e_fail "minimising the window did not pause the round"
back=$(grab_sum)
sleep 10
[[ $(grab_sum) == "$back" ]] || e2e_fail "the round went on within 10 s of the window's return"
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game ended"
echo "pause: Escape pauses and plays on, minimising pauses, used $used ticks while paused 2 s"
