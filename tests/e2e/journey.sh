#!/usr/bin/env bash
# The whole player's journey in the real window under Xvfb, played with xdotool as a person
# would and checked on the screen read back after every step: the title, the countdown, the
# playing screen's bars and score, walking, running, a strike, a dash, firing at monsters
# until one dies, eating a piece of meat when one drops, death, the game-over texts, a second
# round, death again, Enter, the farewell and exit status 0. The sound goes to OpenAL Soft's
# wave output; afterwards the written file must hold the shots and hits.
# Usage: journey.sh <path to dream-arena>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init journey "$1"
PROBE="$(dirname "$0")/journey_probe.py"
STRETCHES="${DA_BINARY_DIR:-}/tests/reliability/wav_stretches"
[[ -x $STRETCHES ]] || e2e_fail "no wav_stretches helper at '$STRETCHES' (build the wav_stretches target)"

# Monsters that die to one shot, so kills (and the meat of one kill in eight) come often,
# and that take one hit point per hit (a bomb's blast two per update), so the player lives
# long enough to try every control and still falls within seconds to a minute when standing
# still (damage, hit points, speed, kind code). The table is read again before the second
# round, which gets harder-hitting monsters when nothing is left to try there.
e2e_stage_workdir
e2e_write_table $'1 1 3 1\n1 1 2 2\n1 1 2 3\n1 1 2 4\n'

# OpenAL Soft writes everything played to a WAV file; the game leaves this set-up alone.
WAV="$E2E_WORK/out.wav"
printf '[wave]\nfile=%s\n' "$WAV" >"$E2E_WORK/alsoft.conf"
export ALSOFT_DRIVERS=wave ALSOFT_CONF="$E2E_WORK/alsoft.conf"

fail() { e2e_fail "$@"; }
say() { echo "journey: $*"; }
now_ms() { date +%s%3N; }

e2e_start_xvfb
e2e_start_game
T0=$(now_ms)
alive() { kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended unexpectedly"; }

# --- Reading the screen -------------------------------------------------------------------

# frame: grabs the screen and reads the bars, the player, meat, monsters and the score into
# HP AMMO ENERGY COOLDOWN (right edges of the fills), PLAYER ("x0 y0 x1 y1 n" or none),
# PX PY (the player's body centre), MEAT, MEAT_ALL, MONSTERS (lists of "x,y"), SCORE (ink
# per digit cell) and SCORE_HASH.
frame() {
  alive
  e2e_grab
  read_frame
}
read_frame() {
  local key rest
  while read -r key rest; do
    case $key in
      hp) HP=$rest ;;
      ammo) AMMO=$rest ;;
      energy) ENERGY=$rest ;;
      cooldown) COOLDOWN=$rest ;;
      player) PLAYER=$rest ;;
      meat) MEAT=$rest ;;
      meatall) MEAT_ALL=$rest ;;
      monsters) MONSTERS=$rest ;;
      score) SCORE=$rest ;;
      scorehash) SCORE_HASH=$rest ;;
    esac
  done < <(python3 "$PROBE" "$E2E_WORK/screen.ppm" "$E2E_WX" "$E2E_WY" frame)
  PX=-1 PY=-1
  if [[ $PLAYER != none ]]; then
    local x0 y0 x1 y1 n
    read -r x0 y0 x1 y1 n <<<"$PLAYER"
    PX=$(((x0 + x1) / 2)) PY=$(((y0 + y1) / 2))
  fi
}

# The font's cell advance at heights 100 and 50 (a monospaced face), rounded down.
ADV100=51
ADV50=25

# text_at <x> <y> <chars> <height>: true when the last grab shows a text of that many
# characters whose glyphs start in the first cell at (x, y), stay inside the row of cells,
# and whose cell box holds nothing but white and the text colour. TEXT_INK keeps the glyphs'
# box and count.
text_at() {
  local x=$1 y=$2 chars=$3 height=$4 adv key rest stray=-1 x0 y0 x1 y1 n
  adv=$((height == 100 ? ADV100 : ADV50))
  TEXT_INK=none
  while read -r key rest; do
    case $key in
      ink) TEXT_INK=$rest ;;
      stray) stray=$rest ;;
    esac
  done < <(python3 "$PROBE" "$E2E_WORK/screen.ppm" "$E2E_WX" "$E2E_WY" text "$x" "$y" "$chars" "$height" "$adv")
  [[ $TEXT_INK != none ]] || return 1
  read -r x0 y0 x1 y1 n <<<"$TEXT_INK"
  ((x0 >= x && x0 < x + adv / 2 && y0 >= y && y0 < y + height / 2 && y1 < y + height)) || return 1
  ((x1 >= x + (chars - 1) * adv && x1 <= x + chars * (adv + 1))) || return 1
  ((stray == 0))
}

# wait_text <what> <seconds> <x> <y> <chars> <height>: polls the screen for the text.
wait_text() {
  local what=$1 deadline=$((SECONDS + $2))
  shift 2
  while ((SECONDS < deadline)); do
    alive
    e2e_grab
    text_at "$@" && return 0
    sleep 0.2
  done
  fail "\"$what\" not shown at ($1, $2) within the time (last glyph box: $TEXT_INK)"
}

# Full bars: hit points, ammunition and energy end at x 600 (the fill's last column is 599).
bars_full() { ((HP == 599 && AMMO == 599 && ENERGY == 599)); }
# The hit-point bar has no fill right of its left edge once the hit points are 0 or less.
dead() { ((HP <= 100)); }

# --- Input --------------------------------------------------------------------------------

release_all() {
  xdotool keyup w a s d h 3 j k e 2>/dev/null || true
  xdotool mouseup 1 2>/dev/null || true
}
# hold <seconds> <key>...
hold() { e2e_key_hold "$@"; }

# --- Title and countdown ------------------------------------------------------------------

wait_text "Click To Dream." 20 425 192 15 100
say "title shown after $(($(now_ms) - T0)) ms"
sleep 1  # a stretch of the silent title screen for the sound check
T_CLICK=$(($(now_ms) - T0))
# The right button leaves the title and the game-over screen as the left one does; the left
# one is also the fire button, and one still down at the first update of the round fires.
e2e_click 800 500 3

# "Ready To Dream?", then three one-character glyphs at (775, 192), each different from the
# one before, the last ('1') the narrowest; then the playing screen.
round_start() {
  wait_text "Ready To Dream?" 5 425 192 15 100
  local seen=() last="" deadline=$((SECONDS + 7)) x0 y0 x1 y1 n
  while ((SECONDS < deadline)); do
    alive
    import -window root -depth 8 "$E2E_WORK/screen.ppm" || fail "screen grab failed"
    if text_at 775 192 1 100; then
      read -r x0 y0 x1 y1 n <<<"$TEXT_INK"
      if [[ "$((x1 - x0)) $n" != "$last" ]]; then
        last="$((x1 - x0)) $n"
        seen+=("$((x1 - x0))")
      fi
      # The world stands still during the countdown: the new round's bars and score.
      if ((${#seen[@]} == 1)); then
        read_frame
        # A key pressed after the previous round's death is still "pressed since the last
        # query" at this round's first update, which runs before the countdown: a run key
        # costs 1 energy, J a strike (15), K a dash (30). The first round starts clean.
        if ((ROUND == 1)); then
          bars_full || fail "the bars during the countdown end at $HP, $AMMO, $ENERGY (not 599)"
        else
          ((HP == 599 && AMMO == 599 && ENERGY >= 480)) || fail "the bars during the countdown end at $HP, $AMMO, $ENERGY (not 599, 599, 480 or more)"
        fi
        read -r -a cells <<<"$SCORE"
        ((cells[0] > 20 && cells[1] == 0)) || fail "the score is not one digit at (1000, 810): ink per cell $SCORE"
        ZERO_HASH=$SCORE_HASH
      fi
    elif ((${#seen[@]} > 0)) && ! text_at 425 192 15 100; then
      break
    fi
    sleep 0.1
  done
  # A busy machine may take longer than a second a look and miss some of the three: one is
  # enough, and those seen come in order, the last the narrow '1'.
  ((${#seen[@]} >= 1 && ${#seen[@]} <= 3)) || fail "the countdown showed ${#seen[@]} digits (glyph widths: ${seen[*]:-none})"
  local lastw=${seen[-1]} w
  for w in "${seen[@]:0:${#seen[@]}-1}"; do
    ((lastw < w)) || fail "the last countdown digit is not the narrow '1' (widths ${seen[*]})"
  done
  # The player may stand under a monster's picture for a moment: look again until it shows.
  e2e_wait_until 10 player_shown || fail "no player on the playing screen within 10 s of the countdown's end"
  say "countdown digits (widths ${seen[*]}) over full bars and a one-digit score; playing screen"
}
player_shown() { frame && [[ $PLAYER != none ]]; }
ROUND=1
round_start

# --- Walking ------------------------------------------------------------------------------

# settle: waits (up to 2 s) until the player stands where the last frame showed it, so a
# knock-back in progress does not count as a step of the player's own.
settle() {
  local n x=$PX y=$PY
  for n in 1 2 3 4 5 6 7 8; do
    sleep 0.1
    frame
    dead && return 1
    ((PX >= 0 && (PX - x) * (PX - x) + (PY - y) * (PY - y) <= 9)) && return 0
    x=$PX y=$PY
  done
  return 0
}

# walk <key> <sx> <sy>: holds the key and checks the player's body moved that way; a hit's
# knock-back can spoil a try (a push may cross the field), so up to five.
walk() {
  local key=$1 sx=$2 sy=$3 try bx by dx dy
  for try in 1 2 3 4 5; do
    frame
    # Too near the edge it walks toward: make room first.
    if ((sx > 0 && PX > 1350)); then hold 0.5 a; elif ((sx < 0 && PX >= 0 && PX < 250)); then hold 0.5 d; fi
    if ((sy > 0 && PY > 560)); then hold 0.5 w; elif ((sy < 0 && PY >= 0 && PY < 200)); then hold 0.5 s; fi
    frame
    settle || return 1
    bx=$PX by=$PY
    hold 0.3 "$key"
    sleep 0.05
    frame
    dead && return 1
    ((bx >= 0 && PX >= 0)) || continue
    dx=$((PX - bx)) dy=$((PY - by))
    if ((sx != 0 && dx * sx >= 40 && dy * dy <= 400)) || ((sy != 0 && dy * sy >= 40 && dx * dx <= 400)); then
      say "walk $key: ($dx, $dy)"
      return 0
    fi
    say "walk $key try $try: ($dx, $dy)"
  done
  fail "holding $key did not walk the player"
}
walk_step() { walk d 1 0 && walk a -1 0 && walk s 0 1 && walk w 0 -1; }

# --- Running, strike, dash ----------------------------------------------------------------

# Running costs one energy per update while H is held and stops the regeneration.
run_step() {
  local try before
  for try in 1 2 3; do
    frame
    before=$ENERGY
    e2e_key_down h
    sleep 0.5
    frame
    e2e_key_up h
    dead && return 1
    if ((before == 599 && before - ENERGY >= 60)); then
      say "run: energy bar $before -> $ENERGY"
      sleep 1.6  # energy back to full
      return 0
    fi
    say "run try $try: energy bar $before -> $ENERGY"
    sleep 1.6
  done
  fail "holding H did not shrink the energy bar ($before -> $ENERGY)"
}

# With 3 held (the other run key) energy neither regenerates nor drains, so what an attack
# costs stays on the bar: a strike 15 (50 pixels), a dash 30 (100 pixels).
strike_step() {
  local try before drop
  for try in 1 2 3; do
    e2e_key_down 3
    sleep 0.3
    frame
    before=$ENERGY
    xdotool key j
    sleep 0.5
    frame
    xdotool keyup 3
    dead && return 1
    drop=$((before - ENERGY))
    if ((drop >= 45 && drop <= 55)); then
      say "strike: energy bar $before -> $ENERGY"
      sleep 1
      return 0
    fi
    say "strike try $try: energy bar $before -> $ENERGY"
    sleep 1.6
  done
  fail "J did not cost 15 energy (bar $before -> $ENERGY)"
}

dash_step() {
  local try before drop dir sx bx dx
  for try in 1 2 3; do
    frame
    dir=d sx=1
    ((PX < 800)) || dir=a sx=-1
    e2e_key_down 3
    sleep 0.3
    frame
    settle || { xdotool keyup 3; return 1; }
    before=$ENERGY bx=$PX
    xdotool keydown "$dir" keydown k
    sleep 0.03
    xdotool keyup k keyup "$dir"
    sleep 0.25
    frame
    xdotool keyup 3
    dead && return 1
    drop=$((before - ENERGY)) dx=$((PX - bx))
    if ((drop >= 95 && drop <= 105 && dx * sx >= 100 && COOLDOWN > 1100)); then
      say "dash: energy bar $before -> $ENERGY, moved $dx, cooldown bar to $COOLDOWN"
      return 0
    fi
    say "dash try $try: energy bar $before -> $ENERGY, moved $dx, cooldown bar to $COOLDOWN"
    sleep 1.6
  done
  fail "K did not dash (energy bar $before -> $ENERGY, moved $dx, cooldown bar $COOLDOWN)"
}

# --- Firing, a kill, and a meal -----------------------------------------------------------

# go_to <x> <y>: walks the player's body centre there, a few legs at a time.
go_to() {
  local tx=$1 ty=$2 leg dx dy
  for leg in 1 2 3 4 5 6; do
    frame
    ((PX >= 0)) || return 1
    dx=$((tx - PX)) dy=$((ty - PY))
    ((dx * dx <= 225 && dy * dy <= 400)) && return 0
    # about 450 pixels a second at 5 pixels an update
    if ((dx * dx > 225)); then hold "$(awk -v d="${dx#-}" 'BEGIN { printf "%.2f", d / 500 }')" "$([[ $dx -gt 0 ]] && echo d || echo a)"; fi
    if ((dy * dy > 400)); then hold "$(awk -v d="${dy#-}" 'BEGIN { printf "%.2f", d / 500 }')" "$([[ $dy -gt 0 ]] && echo s || echo w)"; fi
  done
  return 1
}

# try_meal <meat x,y>: walks onto the meat, eats it with H held (so energy is down too) and
# checks that the meal brings hit points and energy back to full. MEAL is set to "eaten"
# on success; a hit that cuts the meal short or a missed piece leaves it unset.
MEAL=""
MEAL_TRIES=0
# meat_near <x,y>: the last frame shows that piece of meat still there. Its frames move the
# centre a little, and the piece turns to face the player, which moves it 28 px sideways.
meat_near() {
  local piece dx dy mx=${1%,*} my=${1#*,}
  for piece in $MEAT_ALL; do
    dx=$((${piece%,*} - mx)) dy=$((${piece#*,} - my))
    ((dx >= -48 && dx <= 48 && dy >= -20 && dy <= 20)) && return 0
  done
  return 1
}
try_meal() {
  local mx=${1%,*} my=${1#*,} hp_before energy_before deadline
  MEAL_TRIES=$((MEAL_TRIES + 1))
  # The meat picture's box sits where the player's box must overlap it; the body colour's
  # centre lies 8 right and 29 below the meat colour's centre when the boxes coincide.
  go_to $((mx + 8)) $((my + 29)) || { say "meal $MEAL_TRIES: could not reach the meat at $1"; return 0; }
  e2e_key_down h
  sleep 0.3
  frame
  hp_before=$HP energy_before=$ENERGY
  # Meat lasts 15 s: a piece that is gone before E, or that goes later than the first look
  # after E, ran out its time rather than being eaten.
  if ! meat_near "$1"; then
    e2e_key_up h
    say "meal $MEAL_TRIES: the meat at $1 ran out its time on the way"
    return 0
  fi
  xdotool key e
  e2e_key_up h
  local looks=0 gone_at_first=0
  deadline=$((SECONDS + 5))
  while ((SECONDS < deadline)); do
    sleep 0.3
    frame
    dead && return 0
    looks=$((looks + 1))
    ((looks == 1)) && ! meat_near "$1" && gone_at_first=1
    if ((HP < hp_before)); then say "meal $MEAL_TRIES: hit while eating"; return 0; fi
    # Only a meal raises the hit points; it sets them to 50, though a hit may follow at once.
    if ((HP > hp_before)); then
      ((HP == 599 && ENERGY == 599)) || say "meal: a hit right after it (bars $HP, $ENERGY)"
      ((ENERGY > energy_before)) || fail "the meal restored hit points but not energy ($energy_before -> $ENERGY)"
      MEAL=eaten
      say "meal: bars hit points $hp_before -> $HP, energy $energy_before -> $ENERGY"
      return 0
    fi
    if ((hp_before == 599 && ENERGY == 599)); then
      say "meal $MEAL_TRIES: hit points were full, energy regenerates anyway: not counted"
      return 0
    fi
  done
  if meat_near "$1"; then
    say "meal $MEAL_TRIES: the meat at $1 is still there (E missed it)"
    return 0
  fi
  if ((!gone_at_first)); then
    say "meal $MEAL_TRIES: E missed the meat at $1, which then ran out its time"
    return 0
  fi
  fail "the meal at $1 did not restore the bars: hit points $hp_before -> $HP, energy $energy_before -> $ENERGY"
}

# fight <seconds>: fires at the monsters on the screen until the score has risen, the
# ammunition bar has shrunk and a meal has been eaten (or the time is up). Returns 1 if the
# player died meanwhile.
fight() {
  local deadline=$((SECONDS + $1)) target tx ty targets burst_at=-1 burst_ammo=0
  AMMO_START=$AMMO
  while ((SECONDS < deadline)); do
    frame
    dead && return 1
    # A burst counts for the sound check only if it fired (a knock-back takes the controls).
    ((burst_at >= 0 && AMMO < burst_ammo)) && FIRE_TIMES+=("$burst_at")
    burst_at=-1
    if [[ $SCORE_HASH != "$ZERO_HASH" ]]; then KILLED=1; fi
    ((AMMO < AMMO_MIN)) && AMMO_MIN=$AMMO
    if [[ -z $MEAL && -n $MEAT ]]; then
      try_meal "${MEAT%% *}"
      continue
    fi
    ((KILLED && AMMO_MIN < AMMO_START - 16)) && [[ -n $MEAL ]] && return 0
    read -r -a targets <<<"$MONSTERS"
    ((${#targets[@]} > 0)) || { sleep 0.2; continue; }
    burst_at=$(($(now_ms) - T0)) burst_ammo=$AMMO
    xdotool mousedown 1
    for target in "${targets[@]:0:4}"; do
      tx=${target%,*} ty=${target#*,}
      e2e_move "$tx" "$ty"
      sleep 0.12
    done
    xdotool mouseup 1
  done
  return 0
}

KILLED=0
AMMO_MIN=599
AMMO_START=599
FIRE_TIMES=()
fight_step() {
  fight 25 || return 1
  say "fire: ammunition bar down to $AMMO_MIN, score changed: $KILLED, meal: ${MEAL:-not eaten} after $MEAL_TRIES tries"
  ((AMMO_MIN < AMMO_START - 16)) || fail "firing did not shrink the ammunition bar ($AMMO_START -> $AMMO_MIN)"
  ((KILLED)) || fail "the score did not change while firing at the monsters"
}

# --- Death, game over, further rounds -----------------------------------------------------

# seek_monster: walks the player for 0.4 s toward the nearest monster on the last frame.
# A player standing in a quiet corner may go a minute and more without a hit; closer to the
# monsters their rams and volleys find it sooner.
seek_monster() {
  local target tx ty d best=-1 bx=0 by=0 keys=()
  ((PX >= 0)) || return 0
  for target in $MONSTERS; do
    tx=${target%,*} ty=${target#*,}
    d=$(((tx - PX) * (tx - PX) + (ty - PY) * (ty - PY)))
    ((best >= 0 && d >= best)) || best=$d bx=$tx by=$ty
  done
  ((best >= 0)) || return 0
  ((bx > PX + 20)) && keys+=(d)
  ((bx < PX - 20)) && keys+=(a)
  ((by > PY + 20)) && keys+=(s)
  ((by < PY - 20)) && keys+=(w)
  ((${#keys[@]} > 0)) && hold 0.4 "${keys[@]}"
  return 0
}

# stand_until_game_over <seconds>: nothing held; polls for the game-over screen and checks
# its four texts and the empty hit-point bar. After 20 s of standing still the player walks
# toward the monsters between polls, so an unlucky spot does not run out the time.
stand_until_game_over() {
  release_all
  e2e_move 1590 950
  local deadline=$((SECONDS + $1)) seek_from=$((SECONDS + 20))
  while ((SECONDS < deadline)); do
    alive
    e2e_grab
    if ((SECONDS >= seek_from)) && ! text_at 450 192 14 100; then
      read_frame
      dead || seek_monster
      e2e_grab
    fi
    if text_at 450 192 14 100; then
      text_at 275 384 21 100 || fail "\"Click to dream again.\" not at (275, 384) (glyph box $TEXT_INK)"
      text_at 450 576 14 100 || fail "\"Enter to exit.\" not at (450, 576) (glyph box $TEXT_INK)"
      text_at 375 768 34 50 || fail "\"Or close the window yourself(doge)\" not at (375, 768) (glyph box $TEXT_INK)"
      frame
      dead || fail "game over with the hit-point bar at $HP"
      return 0
    fi
    sleep 0.5
  done
  fail "no game-over screen within $1 s of standing still"
}

# Every round plays the steps still to do, in order, until the player falls; a step cut
# short by death is played again in the next round. Then the player stands still until the
# game-over screen. At least two rounds, at most four.
PENDING=(walk_step run_step strike_step dash_step fight_step)
for ((round = 1; round <= 4; ++round)); do
  ROUND=$round
  while ((${#PENDING[@]} > 0)); do
    "${PENDING[0]}" || { say "round $round: the player fell during ${PENDING[0]}"; break; }
    PENDING=("${PENDING[@]:1}")
  done
  # The meal comes with kills: a round without one fights on for it when nothing else is left.
  if ((${#PENDING[@]} == 0)) && [[ -z $MEAL ]] && ((round >= 2)); then fight 20 || true; fi
  t=$SECONDS
  stand_until_game_over 120
  say "round $round: game over after $((SECONDS - t)) s of standing still"
  ((${#PENDING[@]} == 0 && round >= 2)) && break
  ((round < 4)) || fail "steps left after four rounds: ${PENDING[*]}"
  # Nothing left but the second death: monsters that hit harder.
  ((${#PENDING[@]} == 0)) && [[ -n $MEAL ]] && e2e_write_table $'4 1 3 1\n4 1 2 2\n4 1 2 3\n4 1 2 4\n'
  e2e_click 800 500 3
  ROUND=$((round + 1))
  round_start
done
say "meal: ${MEAL:-not eaten} after $MEAL_TRIES tries"

# --- Farewell and exit --------------------------------------------------------------------

e2e_focus
xdotool key Return
# The window closes a second after the farewell: grab without looking the window up.
farewell_shown() { import -window root -depth 8 "$E2E_WORK/screen.ppm" 2>/dev/null && text_at 275 192 21 100; }
e2e_wait_until 3 farewell_shown || fail "\"Thanks for your play.\" not shown at (275, 192) after Enter (glyph box $TEXT_INK)"
e2e_wait_exit 10 || fail "the game still runs 10 s after Enter"
((E2E_EXIT_STATUS == 0)) || fail "exit status $E2E_EXIT_STATUS after Enter"
T_END=$(($(now_ms) - T0))
say "farewell shown, exit status 0"

# --- The sound written -------------------------------------------------------------------

[[ -s $WAV ]] || fail "no WAV file written by the wave output"
mapfile -t stretches < <("$STRETCHES" "$WAV" 0.02) || fail "wav_stretches could not read $WAV"
((${#stretches[@]} >= 3)) || fail "only ${#stretches[@]} sounding stretches in the WAV file"
# The title screen is silent; every burst of fire (a shot sound each, a hit sound for every
# shot that lands) sounds within the burst's half second. The file's clock starts when the
# game opens its audio device, before T0, and drifts from the wall clock on a busy machine
# (about a second in a hundred seen here), so the windows are widened to allow for both.
loud_between() { # <from ms> <to ms>: true if a stretch overlaps the span
  local s start len peak
  for s in "${stretches[@]}"; do
    read -r start len peak <<<"$s"
    ((start <= $2 && start + len >= $1)) && return 0
  done
  return 1
}
if loud_between 0 $((T_CLICK - 500)); then fail "sound on the title screen: ${stretches[0]}"; fi
silent_bursts=0
for t in "${FIRE_TIMES[@]}"; do
  loud_between $((t - 1000)) $((t + 2500)) || silent_bursts=$((silent_bursts + 1))
done
((${#FIRE_TIMES[@]} > 0)) || fail "no burst of fire to look for in the WAV file"
((silent_bursts == 0)) || fail "$silent_bursts of ${#FIRE_TIMES[@]} bursts of fire (at ${FIRE_TIMES[*]} ms) left the WAV file silent; stretches: ${stretches[*]}"
say "sound: ${#stretches[@]} stretches over $((T_END / 1000)) s, every one of ${#FIRE_TIMES[@]} bursts of fire heard"
say "passed in $SECONDS s"
