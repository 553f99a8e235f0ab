#!/usr/bin/env bash
# The game on real desktops, under the openbox window manager, as a new player meets it:
# on laptop screens too small for a 1600 x 960 window the window and its frame lie wholly
# on the screen and show the whole frame scaled (the title, then the status bars at their
# scaled places after a click there); on a large screen F11 shows the picture fullscreen
# between black bars and back; on the game-over screen Alt+Enter toggles fullscreen and
# does not leave, and a plain Enter still does.
# Usage: desktop_fit.sh <path to dream-arena>
set -euo pipefail

source "$(dirname "$0")/lib.sh"
e2e_init desktop_fit "$1"

# Fast monsters that take a tenth of the player's life a hit, so the round ends soon but not
# before the bars have been looked at (damage, hit points, speed, kind).
e2e_stage_workdir
e2e_write_table $'5 3 6 1\n5 3 6 2\n5 3 6 3\n5 3 6 4\n'

# Screen analysis of the last grab, in frame coordinates: the client area (x y w h on the
# screen) shows the 1600 x 960 frame as the picture of the largest 5:3 size in it, centred.
cat >"$E2E_WORK/scaled_screen.py" <<'PY'
import os
import sys

sys.path.insert(0, os.environ["E2E_DIR"])
from ppm import load

TEXT = (0, 150, 255)
cmd, path = sys.argv[1], sys.argv[2]
cx, cy, cw, ch = (int(a) for a in sys.argv[3:7])
args = [int(a) for a in sys.argv[7:]]
steps = min(cw // 5, ch // 3)
pw, ph = 5 * steps, 3 * steps
px0, py0 = cx + (cw - pw) // 2, cy + (ch - ph) // 2
if cmd == "picture":  # picture: "x y w h" of the picture on the screen
    print(px0, py0, pw, ph)
    sys.exit(0)
width, height, px = load(path)

def screen(x, y):
    i = (y * width + x) * 3
    return tuple(px[i:i + 3])

def at_frame(x, y):
    # The screen pixel whose centre lies in frame pixel (x, y).
    return screen(px0 + (2 * x + 1) * pw // 3200, py0 + (2 * y + 1) * ph // 1920)

if cmd == "pixel":  # pixel <frame x> <frame y>: "r g b" there
    print("%d %d %d" % at_frame(*args))
elif cmd == "text":  # text <left top right bottom in frame pixels>: text-coloured screen pixels
    l, t, r, b = args
    x0, x1 = px0 + l * pw // 1600, px0 + r * pw // 1600
    y0, y1 = py0 + t * ph // 960, py0 + b * ph // 960
    print(sum(1 for y in range(y0, y1) for x in range(x0, x1) if screen(x, y) == TEXT))
elif cmd == "bars":  # bars: screen pixels of the client area outside the picture that are not black
    print(sum(1 for y in range(cy, cy + ch) for x in range(cx, cx + cw)
              if not (px0 <= x < px0 + pw and py0 <= y < py0 + ph) and screen(x, y) != (0, 0, 0)))
PY

fail() { e2e_fail "$@"; }
look() { e2e_grab && python3 "$E2E_WORK/scaled_screen.py" "$1" "$E2E_WORK/screen.ppm" "$E2E_WX" "$E2E_WY" "$E2E_WW" "$E2E_WH" "${@:2}"; }
# Looks without a new grab.
again() { python3 "$E2E_WORK/scaled_screen.py" "$1" "$E2E_WORK/screen.ppm" "$E2E_WX" "$E2E_WY" "$E2E_WW" "$E2E_WH" "${@:2}"; }
# click_frame <x> <y>: a click on the screen pixel over frame pixel (x, y).
click_frame() {
  local px py pw ph
  e2e_locate
  read -r px py pw ph < <(again picture)
  xdotool mousemove $((px + (2 * $1 + 1) * pw / 3200)) $((py + (2 * $2 + 1) * ph / 1920))
  sleep 0.05
  xdotool click 1
}
frame_extents() { xprop -id "$E2E_WID" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ','; }
title_shown() { (($(look text 425 192 1200 300) > 150)); }
game_over_shown() { (($(look text 450 192 1150 300) > 150 && $(again text 450 576 1150 680) > 150)); }
# The three bars of a fresh round: hit points red, ammunition yellow, energy green.
bars_shown() {
  [[ $(look pixel 110 825) == "255 0 0" && $(again pixel 110 875) == "255 221 65" &&
     $(again pixel 110 925) == "80 227 97" ]]
}
# The bars at their places whatever the hit points (a hit may have emptied them meanwhile).
bars_placed() { [[ $(look pixel 110 875) == "255 221 65" && $(again pixel 110 925) == "80 227 97" ]]; }
fullscreen() {
  e2e_locate
  [[ $E2E_WX == 0 && $E2E_WY == 0 && ${E2E_WW}x$E2E_WH == "$1" ]]
}
wait_until() { # wait_until <seconds> <command>...: true once the command is
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Sizes change here: each check reads the size itself.
E2E_SIZE=""

# Laptop screens: the window fits, frame included, and shows the whole frame scaled.
for screen_size in 1366x768 1280x800 1440x900 1600x900; do
  sw=${screen_size%x*}
  sh=${screen_size#*x}
  e2e_start_xvfb "$screen_size"
  e2e_start_openbox
  e2e_start_game
  read -r left right top bottom < <(frame_extents)
  [[ -n $bottom ]] || fail "$screen_size: openbox gave the window no frame extents"
  ((E2E_WW * 3 == E2E_WH * 5 && E2E_WW < 1600)) || fail "$screen_size: client area ${E2E_WW}x$E2E_WH is not a smaller 5:3"
  ((E2E_WX - left >= 0 && E2E_WY - top >= 0 && E2E_WX + E2E_WW + right <= sw && E2E_WY + E2E_WH + bottom <= sh)) ||
    fail "$screen_size: the window ${E2E_WW}x$E2E_WH at ($E2E_WX, $E2E_WY) with its frame does not lie on the screen"
  wait_until 5 title_shown || fail "$screen_size: no title text at its scaled place"
  echo "desktop_fit: $screen_size: client area ${E2E_WW}x$E2E_WH at ($E2E_WX, $E2E_WY)"
  if [[ $screen_size == 1366x768 ]]; then
    # A click on the scaled picture starts the round; the status strip is on the screen.
    click_frame 800 500
    wait_until 10 bars_shown || fail "$screen_size: no status bars at their scaled places: $(again pixel 110 825)"
  fi
  e2e_stop_display
done

# A large screen: F11 to fullscreen and back.
e2e_start_xvfb 1920x1080
e2e_start_openbox
e2e_start_game
[[ ${E2E_WW}x$E2E_WH == 1600x960 ]] || fail "on 1920x1080 the client area is ${E2E_WW}x$E2E_WH, not 1600x960"
wait_until 5 title_shown || fail "no title text"
windowed_x=$E2E_WX
windowed_y=$E2E_WY
e2e_focus
xdotool key F11
wait_until 5 fullscreen 1920x1080 || fail "F11: the window is ${E2E_WW}x$E2E_WH at ($E2E_WX, $E2E_WY), not the screen"
wait_until 5 title_shown || fail "F11: no title text at its fullscreen place"
[[ $(again picture) == "60 0 1800 1080" ]] || fail "F11: the picture is $(again picture)"
(($(again bars) == 0)) || fail "F11: $(again bars) pixels of the bars beside the picture are not black"
click_frame 800 500
wait_until 10 bars_shown || fail "F11: no status bars at their fullscreen places: $(again pixel 110 825)"
xdotool key F11
windowed() {
  e2e_locate
  [[ ${E2E_WW}x$E2E_WH == 1600x960 && $E2E_WX == "$windowed_x" && $E2E_WY == "$windowed_y" ]]
}
wait_until 5 windowed || fail "back from fullscreen ${E2E_WW}x$E2E_WH at ($E2E_WX, $E2E_WY), not 1600x960 at ($windowed_x, $windowed_y)"
wait_until 10 bars_placed || fail "back from fullscreen: no status bars at their places: $(again pixel 110 875)"
echo "desktop_fit: F11 to 1920x1080 and back to 1600x960 at ($E2E_WX, $E2E_WY)"

# The monsters end the round; Alt+Enter on the game-over screen toggles and stays there.
move_away() { e2e_locate && xdotool mousemove $((E2E_WX + 1590)) $((E2E_WY + 950)); }
move_away
wait_until 120 game_over_shown || fail "no game-over screen within 120 s"
e2e_focus
xdotool key alt+Return
wait_until 5 fullscreen 1920x1080 || fail "Alt+Enter on the game-over screen did not go fullscreen"
sleep 1
kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "Alt+Enter on the game-over screen ended the game"
wait_until 5 game_over_shown || fail "Alt+Enter left the game-over screen"
xdotool key alt+Return
wait_until 5 windowed || fail "the second Alt+Enter did not bring the window back"
game_over_shown || fail "the second Alt+Enter left the game-over screen"
echo "desktop_fit: Alt+Enter on the game-over screen toggled fullscreen twice and stayed"

# A plain Enter still leaves.
e2e_focus
xdotool key Return
e2e_wait_exit 10 || fail "the game still runs 10 s after Enter"
[[ $E2E_EXIT_STATUS == 0 ]] || fail "exit status $E2E_EXIT_STATUS after Enter"
echo "desktop_fit: passed"
