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
  cp "$DA_STAGE_DIR/monsterData.txt" "$E2E_WORK/monsterData.txt"
}

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
from ppm import load


cmd, path, wx, wy = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
width, height, px = load(path)
args = [int(a) for a in sys.argv[5:]]

def pixel(x, y):
    i = ((wy + y) * width + wx + x) * 3
    return tuple(px[i:i + 3])

if cmd == "pixel":
    print("%d %d %d" % pixel(args[0], args[1]))
elif cmd == "run":
    x, y, colour = args[0], args[1], tuple(args[2:5])
    n = 0
    while x + n < 1600 and pixel(x + n, y) == colour:
        n += 1
    print(n)
elif cmd == "bbox":
    left, top, right, bottom = args
    ground = pixel(left, top)
    x0 = y0 = 10 ** 9
    x1 = y1 = -1
    count = 0
    for y in range(top, bottom):
        i = ((wy + y) * width + wx + left) * 3
        row = px[i:i + (right - left) * 3]
        for k in range(right - left):
            if tuple(row[3 * k:3 * k + 3]) != ground:
                x = left + k
                count += 1
                x0, y0, x1, y1 = min(x0, x), min(y0, y), max(x1, x), max(y1, y)
    print("none" if count == 0 else "%d %d %d %d %d" % (x0, y0, x1, y1, count))
elif cmd == "count":
    left, top, right, bottom, colour = args[0], args[1], args[2], args[3], tuple(args[4:7])
    print(sum(1 for y in range(top, bottom) for x in range(left, right) if pixel(x, y) == colour))
else:
    sys.exit("unknown query " + cmd)
PY
}
