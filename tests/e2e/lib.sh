# Shared helpers of the end-to-end scripts: a temporary working directory staged from
# $DA_STAGE_DIR, a private Xvfb, the game started there, its window found, input sent with
# xdotool as a person would, and the screen grabbed with `import -window root` and read back
# in window coordinates. Source it, then call e2e_init <name> <path to dream-arena>.
# Everything started here is stopped on exit.

E2E_NAME=""
E2E_GAME=""
E2E_WORK=""
E2E_CONFIG=""
# This folder: the screen helpers import the shared PPM reader from it.
export E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../helpers/private_display.sh
source "$E2E_DIR/../helpers/private_display.sh"
E2E_XVFB_PID=""
E2E_WM_PID=""
E2E_GAME_PID=""
E2E_WID=""
E2E_WX=0
E2E_WY=0
# The client area's size; e2e_locate fails unless it is E2E_SIZE (empty: any size).
E2E_WW=0
E2E_WH=0
E2E_SIZE=1600x960

e2e_cleanup() {
  if [[ -n $E2E_GAME_PID ]] && kill -0 "$E2E_GAME_PID" 2>/dev/null; then kill "$E2E_GAME_PID" 2>/dev/null || true; fi
  if [[ -n $E2E_WM_PID ]] && kill -0 "$E2E_WM_PID" 2>/dev/null; then kill "$E2E_WM_PID" 2>/dev/null || true; fi
  if [[ -n $E2E_XVFB_PID ]] && kill -0 "$E2E_XVFB_PID" 2>/dev/null; then kill "$E2E_XVFB_PID" 2>/dev/null || true; fi
  if [[ -n $E2E_WORK ]]; then rm -rf "$E2E_WORK"; fi
  if [[ -n $E2E_CONFIG ]]; then rm -rf "$E2E_CONFIG"; fi
}

# e2e_fail <message>: reports, keeps the last screen for a look, shows the game's output.
e2e_fail() {
  echo "$E2E_NAME: $*" >&2
  if [[ -f $E2E_WORK/screen.ppm ]]; then
    local keep="${TMPDIR:-/tmp}/${E2E_NAME}_failure.ppm"
    cp "$E2E_WORK/screen.ppm" "$keep" && echo "last screen: $keep" >&2
  fi
  if [[ -f $E2E_WORK/out.txt ]]; then
    echo "game output:" >&2
    cat "$E2E_WORK/out.txt" >&2
  fi
  exit 1
}

# e2e_init <name> <game binary>
e2e_init() {
  E2E_NAME=$1
  E2E_GAME=$2
  [[ -x $E2E_GAME ]] || { echo "$E2E_NAME: no game at '$E2E_GAME'" >&2; exit 1; }
  : "${DA_STAGE_DIR:?DA_STAGE_DIR must name the staged working directory}"
  export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}
  E2E_WORK=$(mktemp -d)
  # The game's settings and scores in a folder of the script's own, beside the working
  # directory: every script starts as a first start does, and the tester's own settings and
  # scores are left alone.
  E2E_CONFIG=$(mktemp -d)
  export XDG_CONFIG_HOME=$E2E_CONFIG
  export XDG_DATA_HOME=$E2E_CONFIG/data
  trap e2e_cleanup EXIT
  e2e_write_helper
}

# e2e_stage_workdir [file name to leave out]...: links every staged resource into the working
# directory except the named files (a missing picture draws nothing), and copies the table.
e2e_stage_workdir() {
  local src="$DA_STAGE_DIR/resources" f rel skip name
  [[ -d $src ]] || e2e_fail "no staged resources in $src (build the stage target)"
  while IFS= read -r -d '' f; do
    rel=${f#"$src"/}
    name=${rel##*/}
    skip=0
    for pattern in "$@"; do
      # shellcheck disable=SC2053
      [[ $name == $pattern ]] && skip=1
    done
    ((skip)) && continue
    mkdir -p "$E2E_WORK/resources/$(dirname "$rel")"
    ln -s "$f" "$E2E_WORK/resources/$rel"
  done < <(find "$src" -type f -print0)
  e2e_write_table "$E2E_LASTING_TABLE"
}

# The game's own kinds, hit points and speeds with no damage: a round lasts as long as a check
# needs, whatever a busy machine makes of the script's timing (the game's own table can end a
# round of a player standing still within 15 s). A script that wants deaths writes its own.
E2E_LASTING_TABLE=$'0 18 3 1\n0 15 2 2\n0 21 2 3\n0 30 2 4\n'

# e2e_write_table <text>: the working directory's monsterData.txt.
e2e_write_table() { printf '%s' "$1" >"$E2E_WORK/monsterData.txt"; }

# e2e_start_xvfb [<width>x<height>]: a private X server, its screen 1920x1080 unless given;
# exports DISPLAY once the server answers.
e2e_start_xvfb() {
  local started=0
  private_xvfb "$E2E_WORK" "${1:-1920x1080}" && started=1
  E2E_XVFB_PID=$PRIVATE_XVFB_PID
  ((started)) || e2e_fail "Xvfb did not start or does not answer: $(cat "$E2E_WORK/xvfb.log")"
}

# e2e_start_openbox: the openbox window manager on the private server, as on a player's
# desktop; returns once it manages windows.
e2e_start_openbox() {
  local started=0
  private_openbox "$E2E_WORK" && started=1
  E2E_WM_PID=$PRIVATE_WM_PID
  ((started)) || e2e_fail "openbox did not start: $(cat "$E2E_WORK/openbox.log")"
}

# e2e_stop_display: stops the game, the window manager and the server (for a script that
# starts the game on several screens).
e2e_stop_display() {
  local pid
  for pid in "$E2E_GAME_PID" "$E2E_WM_PID" "$E2E_XVFB_PID"; do
    [[ -n $pid ]] || continue
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  E2E_GAME_PID=""
  E2E_WM_PID=""
  E2E_XVFB_PID=""
}

# e2e_start_game [directory [argument]...]: starts the game in the working directory (or the
# one given) with the arguments and waits for its window; sets E2E_WID and the window's client
# origin E2E_WX, E2E_WY on the screen.
e2e_start_game() {
  (cd "${1:-$E2E_WORK}" && exec "$E2E_GAME" "${@:2}") >"$E2E_WORK/out.txt" 2>&1 &
  E2E_GAME_PID=$!
  local n
  for ((n = 0; n < 200; ++n)); do
    E2E_WID=$(xdotool search --onlyvisible --name '^dream-arena$' 2>/dev/null | head -n1 || true)
    [[ -n $E2E_WID ]] && break
    kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the game ended before showing its window"
    sleep 0.1
  done
  [[ -n $E2E_WID ]] || e2e_fail "no game window appeared"
  sleep 0.5
  e2e_locate
}

# e2e_locate: reads the window's client origin and size on the screen again (the window
# may be placed after it first shows) and checks the size against E2E_SIZE.
e2e_locate() {
  local info
  info=$(xwininfo -id "$E2E_WID") || e2e_fail "the game window is gone"
  E2E_WX=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  E2E_WY=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  E2E_WW=$(awk '/^ *Width:/ {print $2}' <<<"$info")
  E2E_WH=$(awk '/^ *Height:/ {print $2}' <<<"$info")
  [[ -z $E2E_SIZE || ${E2E_WW}x$E2E_WH == "$E2E_SIZE" ]] ||
    e2e_fail "window client area is ${E2E_WW}x$E2E_WH, not $E2E_SIZE"
}

# e2e_wait_exit <seconds>: waits for the game to end and sets E2E_EXIT_STATUS to its exit
# status; returns 1 (E2E_EXIT_STATUS "running") when it still runs after the time. Call it in
# the script's own shell, never inside $(...): only the shell that started the game can
# read its status with `wait`.
E2E_EXIT_STATUS=""
e2e_wait_exit() {
  local n
  E2E_EXIT_STATUS=running
  for ((n = 0; n < $1 * 10; ++n)); do
    if ! kill -0 "$E2E_GAME_PID" 2>/dev/null; then
      E2E_EXIT_STATUS=0
      wait "$E2E_GAME_PID" || E2E_EXIT_STATUS=$?
      E2E_GAME_PID=""
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# e2e_wait_until <seconds> <command> [argument]...: runs the command until it succeeds, every
# 0.2 s, and at least once; returns 1 once the time (decimals allowed) is up. A check that
# reads the screen or a moment looks again this way rather than once: a busy machine may
# show what is looked for a little late.
e2e_wait_until() {
  local deadline
  deadline=$((${EPOCHREALTIME//[.,]/} + $(awk -v s="$1" 'BEGIN { printf "%d", s * 1000000 }')))
  shift
  until "$@"; do
    ((${EPOCHREALTIME//[.,]/} < deadline)) || return 1
    sleep 0.2
  done
}

# e2e_shows_text <left> <top> <right> <bottom>: the last grab holds screen text in the box
# (more than 150 pixels of the screens' text colour).
e2e_shows_text() { (($(e2e_count "$@" 0 150 255) > 150)); }

# e2e_title_shown: grabs the screen; true when it shows the title's (or the countdown's) text.
e2e_title_shown() { e2e_grab && e2e_shows_text 425 192 1200 300; }

# e2e_playing: grabs the screen; true when it shows a round under way: no screen text where
# the title, the countdown and the game-over screen write theirs, and the hit-point bar.
e2e_playing() {
  e2e_grab
  ! e2e_shows_text 425 192 1200 300 && [[ $(e2e_pixel 110 825) == "255 0 0" ]]
}

# e2e_wait_round [seconds]: after the click on the title (or the game-over screen), waits out
# the countdown until the round is under way; fails after the time (20 s unless given).
e2e_wait_round() {
  e2e_wait_until "${1:-20}" e2e_playing || e2e_fail "no round under way within ${1:-20} s of the click"
}

# Input, in window coordinates.
e2e_move() {
  e2e_locate
  xdotool mousemove $((E2E_WX + $1)) $((E2E_WY + $2))
}
e2e_click() {
  e2e_move "$1" "$2"
  sleep 0.05
  xdotool click "${3:-1}"
}
# Keys go to the focused window: the game's window gets the focus first (no window manager).
e2e_focus() { xdotool windowfocus --sync "$E2E_WID" 2>/dev/null || xdotool windowfocus "$E2E_WID" 2>/dev/null || true; }
e2e_key_down() {
  e2e_focus
  xdotool keydown "$@"
}
e2e_key_up() { xdotool keyup "$@"; }
# e2e_key_hold <seconds> <key>...: holds the keys together for the time, then lets go.
e2e_key_hold() {
  local seconds=$1
  shift
  e2e_focus
  xdotool keydown "$@"
  sleep "$seconds"
  xdotool keyup "$@"
}

# e2e_grab: the whole screen into $E2E_WORK/screen.ppm.
e2e_grab() {
  e2e_locate
  import -window root -depth 8 "$E2E_WORK/screen.ppm" || e2e_fail "screen grab failed"
}

# e2e_query <command> <args>: reads the last grab in window coordinates (see the helper).
e2e_query() { python3 "$E2E_WORK/screen.py" "$1" "$E2E_WORK/screen.ppm" "$E2E_WX" "$E2E_WY" "${@:2}"; }

# e2e_pixel <x> <y>: "r g b" of a window pixel in the last grab.
e2e_pixel() { e2e_query pixel "$1" "$2"; }

# e2e_run_length <x> <y> <r> <g> <b>: how many pixels of that colour run right from (x, y).
e2e_run_length() { e2e_query run "$@"; }

# e2e_bbox <left> <top> <right> <bottom>: "x0 y0 x1 y1 count" of the pixels in the box that
# differ from the colour at (left, top), or "none".
e2e_bbox() { e2e_query bbox "$@"; }

# e2e_count <left> <top> <right> <bottom> <r> <g> <b>: how many pixels of the box have the colour.
e2e_count() { e2e_query count "$@"; }

e2e_write_helper() {
  cat >"$E2E_WORK/screen.py" <<'PY'
import os
import sys

sys.path.insert(0, os.environ["E2E_DIR"])
from ppm import load, unlike


cmd, path, wx, wy = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
width, height, px = load(path)
args = [int(a) for a in sys.argv[5:]]

def row(y, left, right):
    i = ((wy + y) * width + wx + left) * 3
    return px[i:i + (right - left) * 3]

def pixel(x, y):
    return tuple(row(y, x, x + 1))

if cmd == "pixel":
    print("%d %d %d" % pixel(args[0], args[1]))
elif cmd == "run":
    x, y, colour = args[0], args[1], bytes(args[2:5])
    mask = unlike(row(y, x, 1600), colour)
    print(len(mask) - len(mask.lstrip(b"\0")))
elif cmd == "bbox":
    left, top, right, bottom = args
    ground = bytes(pixel(left, top))
    x0 = y0 = 10 ** 9
    x1 = y1 = -1
    count = 0
    for y in range(top, bottom):
        mask = unlike(row(y, left, right), ground)
        n = len(mask) - mask.count(0)
        if n == 0:
            continue
        count += n
        x0, x1 = min(x0, left + len(mask) - len(mask.lstrip(b"\0"))), max(x1, left + len(mask.rstrip(b"\0")) - 1)
        y0, y1 = min(y0, y), max(y1, y)
    print("none" if count == 0 else "%d %d %d %d %d" % (x0, y0, x1, y1, count))
elif cmd == "count":
    left, top, right, bottom, colour = args[0], args[1], args[2], args[3], bytes(args[4:7])
    print(sum(unlike(row(y, left, right), colour).count(0) for y in range(top, bottom)))
else:
    sys.exit("unknown query " + cmd)
PY
}
