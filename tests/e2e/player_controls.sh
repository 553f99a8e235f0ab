#!/usr/bin/env bash
# The player's controls in the real window under Xvfb, driven with xdotool as a person would:
# W A S D and the arrow keys walk the player, firing shrinks the ammunition bar, running
# shrinks the energy bar. The monsters are kings that neither move nor hurt and whose
# pictures are left out of the working directory, so the field shows the player alone.
# Usage: player_controls.sh <path to dream-arena>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

e2e_init player_controls "$1"
e2e_stage_workdir 'king*.png' 'kingatk*.png'
# damage, hit points, speed, kind code: harmless kings that stand still
e2e_write_table $'0 1000000 0 4\n0 1000000 0 4\n0 1000000 0 4\n0 1000000 0 4\n'
e2e_start_xvfb
e2e_start_game

# Title, then the four-second countdown.
e2e_wait_until 15 e2e_title_shown || e2e_fail "no title screen"
e2e_click 800 600
e2e_wait_round

# The player: the bounding box of everything that differs from the background in the field.
player_box() {
  e2e_grab
  local box
  box=$(e2e_bbox 0 0 1600 760)
  [[ $box != none ]] || e2e_fail "no player in the field"
  echo "$box"
}
centre() {
  local x0 y0 x1 y1 n
  read -r x0 y0 x1 y1 n <<<"$1"
  ((n >= 200)) || e2e_fail "too little of the player is visible ($n pixels): $1"
  echo "$(((x0 + x1) / 2)) $(((y0 + y1) / 2))"
}

# walk <key> <dx sign> <dy sign>: holds the key and looks until the player has gone that way.
DX=0 DY=0
walked() { # walked <bx> <by> <sx> <sy>: the player stands 20 px or more that way, not sideways
  local ax ay
  read -r ax ay <<<"$(centre "$(player_box)")"
  DX=$((ax - $1)) DY=$((ay - $2))
  if (($3 != 0)); then ((DX * $3 >= 20 && DY * DY <= 36)); else ((DY * $4 >= 20 && DX * DX <= 36)); fi
}
walk() {
  local key=$1 bx by
  read -r bx by <<<"$(centre "$(player_box)")"
  e2e_key_hold 0.3 "$key"
  e2e_wait_until 3 walked "$bx" "$by" "$2" "$3" || e2e_fail "$key moved the player by ($DX, $DY)"
  echo "$key: ($DX, $DY)"
}

walk d 1 0
walk a -1 0
walk s 0 1
walk w 0 -1
walk Right 1 0
walk Left -1 0
walk Down 0 1
walk Up 0 -1

# The bars: their fill colours as pixels, measured from x 101 inside the border.
ammo_bar() { e2e_grab; e2e_run_length 101 875 255 221 65; }
energy_bar() { e2e_grab; e2e_run_length 101 925 80 227 97; }
# shrunk <bar> <from> <pixels>: the bar is now at least that many pixels shorter.
BAR=0
shrunk() { BAR=$("$1"); ((BAR <= $2 - $3)); }
full() { BAR=$("$1"); ((BAR >= 490)); }

e2e_wait_until 5 full ammo_bar || e2e_fail "ammunition bar at the start is $BAR pixels"
full_ammo=$BAR
read -r px py <<<"$(centre "$(player_box)")"
aim_x=$((px < 800 ? px + 400 : px - 400))
for _ in 1 2 3 4 5; do
  e2e_click "$aim_x" "$py"
  sleep 0.25
done
e2e_wait_until 3 shrunk ammo_bar "$full_ammo" 64 || e2e_fail "five shots shrank the ammunition bar only from $full_ammo to $BAR"
echo "ammunition bar: $full_ammo -> $BAR pixels"

# Energy comes back after the walks; running then shrinks it while H is held.
e2e_wait_until 5 full energy_bar || e2e_fail "energy bar before running is $BAR pixels"
full_energy=$BAR
e2e_key_down h
e2e_wait_until 4 shrunk energy_bar "$full_energy" 50 || { e2e_key_up h; e2e_fail "running shrank the energy bar only from $full_energy to $BAR"; }
e2e_key_up h
echo "energy bar: $full_energy -> $BAR pixels"

kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game ended during the test"
echo "player_controls: passed"
