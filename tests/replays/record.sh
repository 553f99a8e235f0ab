#!/usr/bin/env bash
# Records the four sessions the replay tests play, in the real window under Xvfb with input
# from xdotool, and writes next to each its monster table and what its replay must print.
# Run it again after a change of behaviour on purpose, and say why in the commit.
#   tests/replays/record.sh [BUILD_DIR [SESSION...]]   (default: build, all four sessions)
# Sessions:
#   walk_fight_eat   walks, runs, strikes, dashes, fires and eats; ends by closing the window
#   die_and_click    dies and starts another round by clicking, twice; ends by SIGTERM
#   enter_to_leave   fires and walks, dies, and leaves with Enter on the game-over screen
#   pause_rebound    another player's settings (kept beside it: pause on Space, strike on L,
#                    play paced to the display); strikes, pauses with Space, finds Escape
#                    unbound, plays on with Space, fires; ends by closing the window
# pad_twin_stick is recorded by PadGame.RecordSession of pad_game_tests into $PAD_SESSION_DIR.
# older/ keeps these sessions as first recorded, in formats 1 to 5, with pause_and_resume
# (recorded by hand): they show that older files still replay natively, taking the C
# library's arc tangent as when they were recorded. Another C library may round it otherwise,
# so the sessions here were recorded again in format 6. Nothing is recorded into older/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

if [[ ${1:-} != --session ]]; then
  build=$(cd "${1:-$root/build}" && pwd)
  sessions=("${@:2}")
  ((${#sessions[@]})) || sessions=(walk_fight_eat die_and_click enter_to_leave pause_rebound)
  cmake --build "$build" -j2 --target dream-arena dream-sim xwin replay_alter stage >/dev/null
  for name in "${sessions[@]}"; do
    for attempt in 1 2 3; do
      echo "record: $name (attempt $attempt)"
      if bash "$0" --session "$name" "$build" && "$here/replay.sh" --expect "$build" "$here/$name"; then
        continue 2
      fi
    done
    echo "record: $name could not be recorded" >&2
    exit 1
  done
  exit 0
fi

# --- One session ------------------------------------------------------------------------

name=$2
build=$3
export DA_STAGE_DIR=$build/stage DA_BINARY_DIR=$build
source "$root/tests/e2e/lib.sh"
e2e_init "record_$name" "$build/dream-arena"
xwin=$build/tests/reliability/xwin
PROBE=$root/tests/e2e/journey_probe.py
out=$here/$name
mkdir -p "$out"
e2e_stage_workdir

say() { echo "record $name: $*"; }
HP=599  # the hit-point bar's right edge, full until a frame is read
alive() { kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game ended during the session"; }

# frame: grabs the screen and reads HP (the hit-point bar's right edge), PX PY (the player's
# body centre, -1 when not seen), MEAT and MONSTERS (lists of "x,y").
frame() {
  alive
  e2e_grab
  local key rest x0 y0 x1 y1 n
  PX=-1 PY=-1 MEAT="" MONSTERS="" HP=0
  while read -r key rest; do
    case $key in
      hp) HP=$rest ;;
      player) [[ $rest == none ]] || { read -r x0 y0 x1 y1 n <<<"$rest"; PX=$(((x0 + x1) / 2)) PY=$(((y0 + y1) / 2)); } ;;
      meat) MEAT=$rest ;;
      monsters) MONSTERS=$rest ;;
    esac
  done < <(python3 "$PROBE" "$E2E_WORK/screen.ppm" "$E2E_WX" "$E2E_WY" frame)
}
game_over() { ((HP <= 100)); }

start_session() { # start_session <monster table>
  e2e_write_table "$1"
  cp "$E2E_WORK/monsterData.txt" "$out/monsterData.txt"
  rm -f "$out/session.replay"
  export DREAM_ARENA_RECORD=$out/session.replay
  e2e_start_xvfb
  e2e_start_game
  unset DREAM_ARENA_RECORD
  "$xwin" waitcount dream-arena 425 192 1200 300 0096ff 200 15000 >/dev/null || e2e_fail "no title"
}

# A click that leaves the title or the game-over screen, then the countdown.
click_and_count_down() {
  e2e_click 800 500
  sleep 5
}

# fire_burst: holds the fire button while the cursor visits every monster (not on the
# game-over screen, where the button would start another round).
fire_burst() {
  frame
  game_over && return 0
  local target tx ty
  xdotool mousedown 1
  for target in $MONSTERS; do
    IFS=, read -r tx ty <<<"$target"
    e2e_move "$tx" "$ty"
    sleep 0.12
  done
  xdotool mouseup 1
}

# eat_nearest_meat: walks onto the first piece of meat the screen shows and presses E.
# The player's body centre stands 8 right of and 29 below the meat's when the boxes meet.
eat_nearest_meat() {
  local mx my dx dy keys step
  IFS=, read -r mx my <<<"${MEAT%% *}"
  for step in $(seq 1 40); do
    frame
    ((PX >= 0)) || return 1
    dx=$((mx + 8 - PX)) dy=$((my + 29 - PY))
    if ((dx * dx + dy * dy <= 64)); then
      e2e_key_hold 0.3 e
      return 0
    fi
    keys=()
    ((dx > 6)) && keys+=(d)
    ((dx < -6)) && keys+=(a)
    ((dy > 6)) && keys+=(s)
    ((dy < -6)) && keys+=(w)
    e2e_key_hold 0.06 "${keys[@]}"
  done
  return 1
}

stand_until_game_over() {
  xdotool keyup w a s d h j k e 2>/dev/null || true
  e2e_move 1590 950
  local deadline=$((SECONDS + $1))
  while ((SECONDS < deadline)); do
    frame
    game_over && return 0
    sleep 0.5
  done
  e2e_fail "no game over within $1 s"
}

case $name in
  walk_fight_eat)
    # Monsters that die to one shot and never hurt: kills, and so meat, come often.
    start_session $'0 1 3 1\n0 1 2 2\n0 1 2 3\n0 1 2 4\n'
    click_and_count_down
    e2e_key_hold 0.6 d && e2e_key_hold 0.6 s && e2e_key_hold 0.6 a && e2e_key_hold 0.6 w
    e2e_key_hold 0.8 h d && e2e_key_hold 0.8 3 a
    for _ in 1 2 3; do e2e_key_hold 0.1 j; sleep 0.5; done
    e2e_key_hold 0.1 k && sleep 1.2 && e2e_key_hold 0.15 w k
    meals=0
    start=$SECONDS
    while ((SECONDS - start < 60 || (meals == 0 && SECONDS - start < 100))); do
      fire_burst
      frame
      if [[ -n $MEAT ]] && eat_nearest_meat; then meals=$((meals + 1)); sleep 3; fi
    done
    say "meals tried: $meals"
    "$xwin" close dream-arena >/dev/null
    e2e_wait_exit 10 || e2e_fail "the game did not end when its window was closed"
    ;;
  die_and_click)
    start_session $'3 3 3 1\n3 3 2 2\n3 3 2 3\n3 3 2 4\n'
    click_and_count_down
    for round in 1 2; do
      for _ in $(seq 1 10); do fire_burst; done
      stand_until_game_over 120
      say "round $round over"
      sleep 1.5
      click_and_count_down
    done
    fire_burst
    kill -TERM "$E2E_GAME_PID"
    e2e_wait_exit 10 || e2e_fail "the game did not end on SIGTERM"
    ;;
  enter_to_leave)
    start_session $'1 5 3 1\n1 5 2 2\n1 5 2 3\n1 5 2 4\n'
    click_and_count_down
    start=$SECONDS
    while ((SECONDS - start < 45)) && ! game_over; do
      e2e_key_hold 0.4 d && fire_burst && e2e_key_hold 0.4 a && fire_burst
    done
    stand_until_game_over 150
    sleep 1.5
    e2e_focus
    xdotool key Return
    e2e_wait_exit 10 || e2e_fail "the game did not end after Enter"
    ((E2E_EXIT_STATUS == 0)) || e2e_fail "exit status $E2E_EXIT_STATUS after Enter"
    ;;
  pause_rebound)
    mkdir -p "$XDG_CONFIG_HOME/dream-arena"
    printf '%s\n' "# Another player's keys: pause on Space, strike on L; play paced to the display." \
      "pause = Space" "strike = L" "frame_pacing = display" >"$out/settings.ini"
    cp "$out/settings.ini" "$XDG_CONFIG_HOME/dream-arena/settings.ini"
    start_session $'0 1000 3 1\n0 1000 2 2\n0 1000 2 3\n0 1000 2 4\n'
    click_and_count_down
    e2e_key_hold 0.6 d
    for _ in 1 2 3; do e2e_key_hold 0.1 l; sleep 0.4; done
    paused_shown() { e2e_grab && (($(e2e_count 640 290 1000 390 0 150 255) > 150)); }
    e2e_key_hold 0.1 space
    sleep 1.5
    paused_shown || e2e_fail "no \"Paused\" after Space"
    e2e_key_hold 0.1 Escape
    sleep 1
    paused_shown || e2e_fail "Escape, no longer bound, played on"
    e2e_key_hold 0.1 space
    sleep 1
    paused_shown && e2e_fail "still paused after Space"
    e2e_key_hold 0.6 a
    fire_burst
    e2e_key_hold 0.1 j
    "$xwin" close dream-arena >/dev/null
    e2e_wait_exit 10 || e2e_fail "the game did not end when its window was closed"
    ;;
  *) e2e_fail "no session named $name" ;;
esac
say "recorded $(stat -c %s "$out/session.replay") bytes"
