#!/usr/bin/env bash
# Keys by their place and the settings file, in the real window under Xvfb and openbox,
# driven with xdotool as a person would. With the French (AZERTY) layout the keys printing
# Z and Q (the places of W and A) walk and the key printing W does not; the first start has
# written the settings file. A file that binds strike to L and walk_up to W and I: L strikes,
# J does not, both walk-up keys walk. M unmutes a game that started muted (the file's line
# follows, and the sound reaches OpenAL Soft's wave output only after it). F11 is
# remembered: the next start comes up fullscreen. As in player_controls.sh, the monsters are
# harmless kings whose pictures are left out, so the field shows the player alone.
# Usage: keys_and_settings.sh <path to dream-arena>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

e2e_init keys_and_settings "$1"
STRETCHES="${DA_BINARY_DIR:-}/tests/reliability/wav_stretches"
[[ -x $STRETCHES ]] || e2e_fail "no wav_stretches helper at '$STRETCHES' (build the wav_stretches target)"
e2e_stage_workdir 'king*.png' 'kingatk*.png'
e2e_write_table $'0 1000000 0 4\n0 1000000 0 4\n0 1000000 0 4\n0 1000000 0 4\n'
INI=$XDG_CONFIG_HOME/dream-arena/settings.ini
WAV=$E2E_WORK/out.wav
printf '[wave]\nfile=%s\n' "$WAV" >"$E2E_WORK/alsoft.conf"
export ALSOFT_DRIVERS=wave ALSOFT_CONF="$E2E_WORK/alsoft.conf"
e2e_start_xvfb
e2e_start_openbox

# play: starts the game, clicks the title away and waits out the countdown. GAME_STARTED:
# the start in milliseconds since the epoch.
GAME_STARTED=0
play() {
  GAME_STARTED=$(date +%s%3N)
  e2e_start_game
  e2e_wait_until 15 e2e_title_shown || e2e_fail "no title screen"
  e2e_click 800 600
  e2e_wait_round
}
stop_game() {
  kill "$E2E_GAME_PID"
  wait "$E2E_GAME_PID" 2>/dev/null || true
  E2E_GAME_PID=""
}

# The player's centre: the middle of everything in the field that differs from the background.
centre() {
  local box x0 y0 x1 y1 n
  e2e_grab
  box=$(e2e_bbox 0 0 1600 760)
  [[ $box != none ]] || e2e_fail "no player in the field"
  read -r x0 y0 x1 y1 n <<<"$box"
  ((n >= 200)) || e2e_fail "too little of the player is visible ($n pixels): $box"
  echo "$(((x0 + x1) / 2)) $(((y0 + y1) / 2))"
}

# walks <key> <dx sign> <dy sign>: the key moves the player that way, looked for until a
# deadline; 0 0: the player still stands where it stood half a second after the key.
DX=0 DY=0
went() { # went <bx> <by> <sx> <sy>
  local ax ay
  read -r ax ay <<<"$(centre)"
  DX=$((ax - $1)) DY=$((ay - $2))
  if (($3 == 0 && $4 == 0)); then
    ((DX * DX + DY * DY <= 36))
  elif (($3 != 0)); then
    ((DX * $3 >= 20 && DY * DY <= 36))
  else
    ((DY * $4 >= 20 && DX * DX <= 36))
  fi
}
walks() {
  local bx by
  read -r bx by <<<"$(centre)"
  e2e_key_hold 0.3 "$1"
  if (($2 == 0 && $3 == 0)); then
    sleep 0.5
    went "$bx" "$by" 0 0 || e2e_fail "$1 moved the player by ($DX, $DY)"
  else
    e2e_wait_until 3 went "$bx" "$by" "$2" "$3" || e2e_fail "$1 moved the player by ($DX, $DY)"
  fi
  echo "$1: ($DX, $DY)"
}

energy_bar() { e2e_grab; e2e_run_length 101 925 80 227 97; }

# strike_cost <key>: the energy a press of the key took, in bar pixels, once the bar shows a
# strike's 50 or 1.5 s have passed. With 3 held (the run that lets energy come back) energy
# neither drains nor grows, so what a strike costs stays on the bar.
COST=0
cost_shown() { COST=$(($1 - $(energy_bar))); ((COST >= 45)); }
strike_cost() {
  local before
  e2e_key_down 3
  sleep 0.3
  before=$(energy_bar)
  xdotool key "$1"
  e2e_wait_until 1.5 cost_shown "$before" || true
  e2e_key_up 3
  sleep 1.6
}

# --- A French keyboard: keys by their place ------------------------------------------------
setxkbmap -layout fr || e2e_fail "setxkbmap could not set the French layout"
setxkbmap -query | grep -q '^layout: *fr' || e2e_fail "the layout is not French: $(setxkbmap -query)"
play
[[ -f $INI ]] || e2e_fail "the first start wrote no settings file at $INI"
grep -qx 'walk_up = W Up' "$INI" || e2e_fail "the settings file has no 'walk_up = W Up' line"
walks s 0 1
walks z 0 -1
walks q -1 0
walks w 0 0
stop_game
# --help names the keys as the layout prints them, the number row too (SDL alone says 1).
help=$("$E2E_GAME" --help)
grep -Eq '^  strike +J & ' <<<"$help" || e2e_fail "--help under AZERTY: $(grep -E '^  (strike|walk_up) ' <<<"$help")"
grep -Eq '^  walk_up +Z Up ' <<<"$help" || e2e_fail "--help under AZERTY: $(grep -E '^  walk_up ' <<<"$help")"

# --- Rebound keys, and a start muted -------------------------------------------------------
setxkbmap -layout us
printf '# mine\nstrike = L\nwalk_up = W I\nmuted = yes\n' >"$INI"
play
walks s 0 1
walks w 0 -1
walks s 0 1
walks i 0 -1
strike_cost l
echo "L: energy bar -$COST"
((COST >= 45 && COST <= 55)) || e2e_fail "L took $COST pixels of energy, not a strike's 50"
strike_cost j
echo "J: energy bar -$COST"
((COST <= 5)) || e2e_fail "J still struck ($COST pixels of energy) after strike was bound to L"

# Shots while muted, then M, then shots heard. Times in milliseconds since the game started
# (the wave output writes from then on, in real time).
shots() {
  local x y n
  read -r x y <<<"$(centre)"
  for n in 1 2 3; do
    e2e_click $((x < 800 ? x + 400 : x - 400)) "$y"
    sleep 0.4
  done
}
shots
sleep 1.2
e2e_focus
unmuted=$(date +%s%3N)
xdotool key m
shots
sleep 0.5
grep -qx 'muted = no' "$INI" || e2e_fail "M did not rewrite the muted line: $(cat "$INI")"
[[ $(head -n3 "$INI") == $'# mine\nstrike = L\nwalk_up = W I' ]] || e2e_fail "M changed other lines: $(cat "$INI")"
stop_game
stretches=$("$STRETCHES" "$WAV" 0.02) || e2e_fail "no WAV file written by the wave output"
echo "M at about $((unmuted - GAME_STARTED)) ms; loud stretches (start ms, length ms, peak):" $stretches
[[ -n $stretches ]] || e2e_fail "nothing was heard after M unmuted"
first=$(head -n1 <<<"$stretches" | cut -d' ' -f1)
((first >= unmuted - GAME_STARTED - 500)) ||
  e2e_fail "a sound at $first ms, before M unmuted at about $((unmuted - GAME_STARTED)) ms"

# --- F11 remembered ------------------------------------------------------------------------
e2e_start_game
e2e_focus
xdotool key F11
sleep 1
grep -qx 'fullscreen = yes' "$INI" || e2e_fail "F11 did not rewrite the fullscreen line: $(cat "$INI")"
stop_game
E2E_SIZE=""
e2e_start_game
for ((n = 0; n < 30; ++n)); do
  e2e_locate
  [[ ${E2E_WW}x$E2E_WH == 1920x1080 ]] && break
  sleep 0.1
done
[[ ${E2E_WW}x$E2E_WH == 1920x1080 ]] || e2e_fail "the second start is ${E2E_WW}x$E2E_WH, not fullscreen"
echo "second start: ${E2E_WW}x$E2E_WH"
stop_game

echo "keys_and_settings: passed"
