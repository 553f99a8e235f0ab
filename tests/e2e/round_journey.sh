#!/usr/bin/env bash
# A round from end to end in the real window under Xvfb, driven as a person would: click the
# title, wait out the countdown, hold the fire button on the monsters until the score
# changes, stand still until the monsters kill the player, read the game-over texts, click
# for another round, die again, press Enter and see the farewell and exit status 0.
# The screen is read back with `import -window root`. The monsters of this journey die to
# one shot and hit hard (its own monsterData.txt), so the round is short either way.
# Usage: round_journey.sh <path to dream-arena>
set -euo pipefail

source "$(dirname "$0")/lib.sh"
e2e_init round_journey "$1"

# The working directory: the staged resources and a table of weak, hard-hitting monsters
# (damage, hit points, speed, kind code).
e2e_stage_workdir
e2e_write_table $'5 3 3 1\n5 3 2 2\n5 3 2 3\n5 3 2 4\n'

# Screen analysis of the last grab, in window coordinates: text pixels, blobs, the score.
cat >"$E2E_WORK/journey_screen.py" <<'PY'
import os
import sys

sys.path.insert(0, os.environ["E2E_DIR"])
from cells import touching_groups
from ppm import load


def pixel(img, x, y):
    width, _, px = img
    i = (y * width + x) * 3
    return px[i], px[i + 1], px[i + 2]

def count_colour(img, wx, wy, left, top, right, bottom, colour):
    n = 0
    for y in range(top, bottom):
        for x in range(left, right):
            if pixel(img, wx + x, wy + y) == colour:
                n += 1
    return n

def region_bytes(img, wx, wy, left, top, right, bottom):
    return bytes(b for y in range(top, bottom) for x in range(left, right) for b in pixel(img, wx + x, wy + y))

def blobs(img, wx, wy):
    # Centres of clusters of non-white 10 x 10 cells in the playing field.
    cells = set()
    for cy in range(0, 76):
        for cx in range(0, 160):
            x, y = wx + cx * 10 + 5, wy + cy * 10 + 5
            r, g, b = pixel(img, x, y)
            if r + g + b < 700:
                cells.add((cx, cy))
    found = []
    for group in touching_groups(sorted(cells)):
        if len(group) >= 12:
            x = sum(c[0] for c in group) * 10 // len(group) + 5
            y = sum(c[1] for c in group) * 10 // len(group) + 5
            found.append((x, y))
    return found

TEXT = (0, 150, 255)
cmd, path, wx, wy = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
img = load(path)
if cmd == "text":  # text: the number of text-coloured pixels in the box
    l, t, r, b = map(int, sys.argv[5:9])
    print(count_colour(img, wx, wy, l, t, r, b, TEXT))
elif cmd == "pixel":
    print("%d %d %d" % pixel(img, wx + int(sys.argv[5]), wy + int(sys.argv[6])))
elif cmd == "score":  # a fingerprint of the score digits
    import hashlib
    print(hashlib.sha1(region_bytes(img, wx, wy, 1000, 805, 1150, 870)).hexdigest())
elif cmd == "blobs":
    for x, y in blobs(img, wx, wy):
        print(x, y)
PY

e2e_start_xvfb
e2e_start_game

fail() { e2e_fail "$@"; }
grab() { e2e_grab; }
look() { python3 "$E2E_WORK/journey_screen.py" "$1" "$E2E_WORK/screen.ppm" "$E2E_WX" "$E2E_WY" "${@:2}"; }
move_to() { xdotool mousemove $((E2E_WX + $1)) $((E2E_WY + $2)); }
text_in() { # text_in left top right bottom: true when the box shows screen text
  local n
  n=$(look text "$@")
  ((n > 150))
}
game_over_shown() {
  text_in 450 192 1150 300 && text_in 275 384 1350 490 && text_in 450 576 1150 680
}

# Waits up to $1 seconds for the game-over texts.
wait_for_game_over() {
  local deadline=$((SECONDS + $1))
  while ((SECONDS < deadline)); do
    kill -0 "$E2E_GAME_PID" 2>/dev/null || fail "the game ended during a round"
    grab
    game_over_shown && return 0
    sleep 1
  done
  fail "no game-over screen within $1 s"
}

title_shown() { grab && text_in 425 192 1200 300; }
# The countdown of a round just clicked for: its text, and no game-over texts.
counting_down() { grab && ! game_over_shown && text_in 425 192 1200 300; }
# After a click on the game-over screen: its texts gone (the countdown, or already the round).
left_game_over() { grab && ! game_over_shown; }
# The round under way: the countdown's text gone and the hit-point bar there; or already the
# game-over screen (these monsters may end a round within a second or two of its start).
round_or_over() {
  grab
  if game_over_shown; then return 0; fi
  ! text_in 425 192 1200 300 && ! text_in 750 192 850 300 && [[ $(look pixel 110 825) == "255 0 0" ]]
}

# Title.
e2e_wait_until 15 title_shown || fail "the title text \"Click To Dream.\" is not shown"
move_to 800 500
xdotool click 1

# Countdown (four seconds), then the round.
e2e_wait_until 10 counting_down || fail "no countdown text after the click"
e2e_wait_until 15 round_or_over || fail "no hit-point bar on the playing screen after the countdown: $(look pixel 110 825)"
start_score=$(look score)

# Fire at whatever stands in the field until the score changes. A player who falls first
# clicks for another round and tries again (five rounds at most: a shark's dash can end a
# round in a moment).
scored=0
rounds=1
deadline=$((SECONDS + 40))
while ((scored == 0)); do
  ((SECONDS < deadline)) || fail "the score never changed in 40 s of firing at the monsters"
  grab
  if game_over_shown; then
    ((rounds < 5)) || fail "the player fell five times before the score changed"
    rounds=$((rounds + 1))
    move_to 800 500
    xdotool click 1
    e2e_wait_until 10 left_game_over || fail "a click on the game-over screen did not start another round"
    start_score=$(look score)
    deadline=$((SECONDS + 40))
    continue
  fi
  if [[ $(look score) != "$start_score" ]]; then
    scored=1
    break
  fi
  mapfile -t targets < <(look blobs)
  xdotool mousedown 1
  for target in "${targets[@]}"; do
    read -r tx ty <<<"$target"
    move_to "$tx" "$ty"
    sleep 0.15
  done
  xdotool mouseup 1
done
echo "round_journey: the score changed (round $rounds)"

# Stand still until the monsters kill the player.
move_to 1590 950
wait_for_game_over 240
echo "round_journey: game over after $SECONDS s"

# Another round.
move_to 800 500
xdotool click 1
e2e_wait_until 10 left_game_over || fail "the click did not leave the game-over screen"
move_to 1590 950
wait_for_game_over 240

# Enter: the farewell, then the program ends with status 0.
e2e_focus
xdotool key Return
# "Thanks for your play." starts at x 275, left of every game-over text on that line; it shows
# for a second before the window closes.
farewell_shown() { import -window root -depth 8 "$E2E_WORK/screen.ppm" 2>/dev/null && text_in 275 192 440 300; }
e2e_wait_until 3 farewell_shown || fail "the farewell \"Thanks for your play.\" was not shown"
# Waited for in this shell: only the shell that started the game can read its status.
status=0
timeout_at=$((SECONDS + 10))
while kill -0 "$E2E_GAME_PID" 2>/dev/null && ((SECONDS < timeout_at)); do sleep 0.1; done
kill -0 "$E2E_GAME_PID" 2>/dev/null && fail "the game still runs 10 s after Enter"
wait "$E2E_GAME_PID" || status=$?
E2E_GAME_PID=""
((status == 0)) || fail "exit status $status after Enter"
echo "round_journey: passed"
