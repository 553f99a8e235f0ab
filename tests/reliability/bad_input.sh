#!/usr/bin/env bash
# The whole program fed bad input, one row of the README's "Bad input" table per case: each
# case gets a copy of the staged working directory with one thing broken, runs the real
# game under Xvfb and checks what it printed and how it ended. A case that must work waits
# for the title screen (and, for pictures, the background), checks the game still runs a
# second later, then ends it with SIGTERM and expects nothing printed.
# Usage: bad_input.sh <path to dream-arena>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"

e2e_init bad_input "$1"
xwin=${DA_TOOL_DIR:-${DA_BINARY_DIR:-}/tests/reliability}/xwin
[[ -x $xwin ]] || e2e_fail "no xwin helper at $xwin"
e2e_start_xvfb

good_table=$'5 18 3 1\n2 15 2 2\n3 21 2 3\n2 30 2 4\n'
pictures=resources/images/pillowkin
failures=0
cases=0

# A fresh copy of the staged working directory for one case.
fresh() {
  rm -rf "$E2E_WORK/case"
  mkdir -p "$E2E_WORK/case"
  cp -r "$DA_STAGE_DIR/resources" "$E2E_WORK/case/resources"
  printf '%s' "$good_table" >"$E2E_WORK/case/monsterData.txt"
  cd "$E2E_WORK/case"
}

# A PNG whose header claims width x height with a correct CRC, then a real picture's data.
claiming_png() { # claiming_png <width> <height> <out>
  python3 - "$1" "$2" "$3" <<'PY'
import struct, sys, zlib
w, h, out = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
body = b"IHDR" + struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)
raw = b"\x00" + b"\xff\x00\x00\xff"
idat = b"IDAT" + zlib.compress(raw)
chunk = lambda b: struct.pack(">I", len(b) - 4) + b + struct.pack(">I", zlib.crc32(b))
open(out, "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(body) + chunk(idat) + chunk(b"IEND"))
PY
}

fail_case() {
  echo "FAIL $1: $2" >&2
  failures=$((failures + 1))
}

# run_case <name> <expectation> [runner...]: expectation is "works", "works-white" (the
# background picture must show white at (20, 20)), "plays:TEXT" (works, having printed
# exactly TEXT), "plays-like:PATTERN" (works, having printed what the glob PATTERN matches)
# or the exact text expected on standard output before exit status 1. The optional runner
# prefixes the game's command line.
run_case() {
  local name=$1 expect=$2
  shift 2
  cases=$((cases + 1))
  local out="$E2E_WORK/out_$cases.txt" err="$E2E_WORK/err_$cases.txt"
  "$@" "$E2E_GAME" >"$out" 2>"$err" &
  local pid=$! status=running n
  if [[ $expect == works* || $expect == plays* ]]; then
    # The title's white text box, then (for pictures) the background.
    if ! "$xwin" waitpixel dream-arena 427 194 FFFFFF 15000 >/dev/null; then
      fail_case "$name" "no title screen; output: $(cat "$out" "$err")"
      kill "$pid" 2>/dev/null || true
      wait "$pid" 2>/dev/null || true
      return
    fi
    if [[ $expect == works-white ]] && ! seen=$("$xwin" waitpixel dream-arena 20 20 FFFFFF 3000); then
      fail_case "$name" "background pixel (20, 20) is $seen, not white: the picture did not decode"
    fi
    # Still running a second later: then end it (closing the window is faults.sh's business).
    sleep 1
    kill -0 "$pid" 2>/dev/null && kill -TERM "$pid"
  fi
  for ((n = 0; n < 150; ++n)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      status=0
      wait "$pid" || status=$?
      break
    fi
    sleep 0.1
  done
  if [[ $status == running ]]; then
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    fail_case "$name" "still running after 15 s"
    return
  fi
  if [[ $expect == works* || $expect == plays* ]]; then
    local said=""
    [[ $expect == plays:* ]] && said=${expect#plays:}
    [[ $status == 143 ]] || fail_case "$name" "exit status $status: it ended before SIGTERM or did not die by it"
    if [[ $expect == plays-like:* ]]; then
      # shellcheck disable=SC2053
      [[ $(cat "$out") == ${expect#plays-like:} ]] || fail_case "$name" "printed '$(cat "$out")', not like '${expect#plays-like:}'"
    else
      [[ $(cat "$out"; echo x) == "$said"x ]] || fail_case "$name" "printed '$(cat "$out")', not '$said'"
    fi
    [[ ! -s $err ]] || fail_case "$name" "wrote to standard error: $(cat "$err")"
  else
    [[ $status == 1 ]] || fail_case "$name" "exit status $status, not 1"
    [[ $(cat "$out"; echo x) == "$expect"x ]] || fail_case "$name" "printed '$(cat "$out")', not '$expect'"
    [[ ! -s $err ]] || fail_case "$name" "wrote to standard error: $(cat "$err")"
  fi
  echo "case $cases $name: exit $status, stdout '$(tr '\n' '|' <"$out")'"
}

# monsterData.txt
fresh; rm monsterData.txt
run_case "table missing" "data text open fail"
fresh; : >monsterData.txt
run_case "table empty" $'data text format fail: line 1\n'
fresh; printf '5 18 3 1\n2 15 2 2\n3 21 2 3\n' >monsterData.txt
run_case "table short (three lines)" $'data text format fail: line 3\n'
fresh; printf '5 18 3 1\n2 fifteen 2 2\n3 21 2 3\n2 30 2 4\n' >monsterData.txt
run_case "table non-numeric" $'data text format fail: line 2\n'
fresh; printf '5 18 3 1\r\n2 15 2 2\r\n3 21 2 3\r\n2 30 2 4\r\n' >monsterData.txt
run_case "table with CRLF line ends" works
fresh; printf '\xEF\xBB\xBF5 18 3 1\n2 15 2 2\n3 21 2 3\n2 30 2 4\n' >monsterData.txt
run_case "table with a byte-order mark" works
fresh; printf '5 18 3 1\n2 15 2 2\n3 21 2 3\n2 30 2 5\n' >monsterData.txt
run_case "table kind code 5" $'data text format fail: line 4\n'
fresh; printf '5 18 3 1\n2 15 2 2\n3 99999999999999999999 2 3\n2 30 2 4\n' >monsterData.txt
run_case "table huge number" $'data text format fail: line 3\n'
fresh; rm monsterData.txt; mkdir monsterData.txt
run_case "table is a directory" "data text open fail"

# Pictures
fresh; rm "$pictures/sharkMove4.png"
run_case "picture missing" works
fresh; : >resources/images/white.png
run_case "picture empty" works
fresh; head -c 300 "$DA_STAGE_DIR/resources/images/white.png" >resources/images/white.png
run_case "picture truncated" works
fresh; printf 'not a picture\n' >"$pictures/nor1.png"
run_case "picture not PNG" works
fresh; claiming_png 0 1 "$pictures/nor1.png"
run_case "picture zero size" works
fresh; claiming_png 1000000 1000000 "$pictures/nor1.png"; claiming_png 2147483647 1 resources/images/sleep1.png
run_case "picture hostile dimensions" works
for form in "palette|PNG8" "grey|-colorspace Gray PNG24" "grey-alpha|-colorspace Gray -type GrayscaleAlpha PNG32" \
  "16-bit|-depth 16 PNG64" "interlaced|-interlace PNG PNG32" "16-bit-interlaced|-depth 16 -interlace PNG PNG64"; do
  label=${form%%|*}
  read -r -a words <<<"${form#*|}"
  fresh
  convert "$DA_STAGE_DIR/resources/images/white.png" "${words[@]:0:${#words[@]}-1}" \
    "${words[-1]}:resources/images/white.png" || e2e_fail "convert could not write the $label picture"
  run_case "picture $label" works-white
done

# Sounds
fresh; rm resources/music/kingatk.mp3
run_case "sound missing" $'sound load fail\n'
fresh; : >resources/music/shoot.ogg
run_case "sound empty" $'sound load fail\n'
fresh; head -c 40 "$DA_STAGE_DIR/resources/music/plane.ogg" >resources/music/plane.ogg
run_case "sound truncated to its first page" $'sound load fail\n'
fresh; head -c $(($(stat -c %s "$DA_STAGE_DIR/resources/music/blast.mp3") / 2)) "$DA_STAGE_DIR/resources/music/blast.mp3" >resources/music/blast.mp3
run_case "sound truncated in the middle" works
fresh; printf 'not a sound\n' >resources/music/blast.mp3
run_case "sound not audio" $'sound load fail\n'
fresh; cp "$DA_STAGE_DIR/resources/music/boom.ogg" resources/music/blast.mp3
run_case "sound with the wrong extension" works
fresh; rm resources/music/waterhit.mp3; mkdir resources/music/waterhit.mp3
run_case "sound is a directory" $'sound load fail\n'

# The working directory
fresh; rm -rf resources; printf 'x' >resources
run_case "resources is a file" $'sound load fail\n'
fresh
chmod 000 "$E2E_WORK/case"
if [[ $(id -u) == 0 ]]; then
  # root reads any directory: run the game as nobody, from a copy nobody can execute.
  cp "$E2E_GAME" "$E2E_WORK/dream-arena"
  chmod 755 "$E2E_WORK" "$E2E_WORK/dream-arena"
  E2E_GAME_SAVED=$E2E_GAME
  E2E_GAME=$E2E_WORK/dream-arena
  mkdir -p "$E2E_WORK/nobody_config" "$E2E_WORK/nobody_data"
  chown nobody "$E2E_WORK/nobody_config" "$E2E_WORK/nobody_data"
  run_case "working directory not readable" "data text open fail" runuser -u nobody -- env DISPLAY="$DISPLAY" ALSOFT_DRIVERS=null \
    XDG_CONFIG_HOME="$E2E_WORK/nobody_config" XDG_DATA_HOME="$E2E_WORK/nobody_data"
  E2E_GAME=$E2E_GAME_SAVED
else
  run_case "working directory not readable" "data text open fail"
fi
cd "$E2E_WORK"
chmod 755 "$E2E_WORK/case"
fresh; cd "$E2E_WORK/case" && rm -rf "$E2E_WORK/case"
run_case "working directory deleted" "data text open fail"
cd "$E2E_WORK"

# The settings file: each bad line one warning naming the file and the line, and the game
# plays; a file that cannot be read or written one line, and the game plays on its defaults.
config=$E2E_WORK/case/config
ini=$config/dream-arena/settings.ini
with_config=(env XDG_CONFIG_HOME="$config")
settings_text() { # settings_text <text>: a fresh case whose settings file holds the text
  fresh
  mkdir -p "$config/dream-arena"
  printf '%s' "$1" >"$ini"
}
settings_text $'volume = 50\ncolour = red\n'
run_case "settings: unknown setting" "plays:$ini line 2: unknown setting 'colour'; skipped"$'\n' "${with_config[@]}"
settings_text $'volume = loud\n'
run_case "settings: bad value" "plays:$ini line 1: volume must be a whole number from 0 to 100, not 'loud'; kept 100"$'\n' "${with_config[@]}"
settings_text $'# strike\nstrike = J Foo\n'
run_case "settings: unknown key name" "plays:$ini line 2: no key named 'Foo' for strike; kept J 1"$'\n' "${with_config[@]}"
settings_text $'walk_up = J\nstrike = J L\n'
run_case "settings: a key bound twice" "plays:$ini line 2: J is already bound to walk_up; kept 1"$'\n' "${with_config[@]}"
settings_text $'fullscreen = no\nvolume 40\nmuted = n\xE9\n'
run_case "settings: unreadable lines" "plays:$ini line 2: no '=' in 'volume 40'; skipped"$'\n'"$ini line 3: not valid text; skipped"$'\n' "${with_config[@]}"
cmp -s "$ini" <(printf 'fullscreen = no\nvolume 40\nmuted = n\xE9\n') || fail_case "settings: unreadable lines" "the file was rewritten"
fresh; mkdir -p "$ini"
run_case "settings: a folder" "plays:cannot read settings $ini: it is a folder; playing with the defaults, nothing is saved"$'\n' "${with_config[@]}"
settings_text $'fullscreen = yes\n'
chmod 000 "$ini"
if [[ $(id -u) == 0 ]]; then
  # root reads any file: the game runs as nobody, from the copy nobody can run (setpriv
  # execs it, so SIGTERM reaches the game itself).
  E2E_GAME_SAVED=$E2E_GAME
  E2E_GAME=$E2E_WORK/dream-arena
  run_case "settings: unreadable" "plays:cannot read settings $ini: Permission denied; playing with the defaults, nothing is saved"$'\n' \
    setpriv --reuid=nobody --regid=nogroup --clear-groups env DISPLAY="$DISPLAY" ALSOFT_DRIVERS=null XDG_CONFIG_HOME="$config" \
    XDG_DATA_HOME="$E2E_WORK/nobody_data"
  E2E_GAME=$E2E_GAME_SAVED
else
  run_case "settings: unreadable" "plays:cannot read settings $ini: Permission denied; playing with the defaults, nothing is saved"$'\n' "${with_config[@]}"
fi

# lock_folder DIR: a folder nobody may write in: without write permission, and for root (who
# ignores that) immutable; reason holds the system's words for a write refused there.
lock_folder() {
  if [[ $(id -u) == 0 ]]; then
    chattr +i "$1" || e2e_fail "chattr cannot make a folder immutable here"
    reason="Operation not permitted"
  else
    chmod 555 "$1"
    reason="Permission denied"
  fi
}
unlock_folder() {
  [[ $(id -u) == 0 ]] && chattr -i "$1"
  chmod 755 "$1"
}

fresh; mkdir -p "$config/dream-arena"
lock_folder "$config/dream-arena"
run_case "settings: unwritable folder" "plays:cannot write settings $ini: $reason; playing with the defaults, nothing is saved"$'\n' "${with_config[@]}"
unlock_folder "$config/dream-arena"
[[ ! -e $ini ]] || fail_case "settings: unwritable folder" "a settings file appeared"
cd "$E2E_WORK"

# The scores folder: one line, and the game plays on without keeping scores; a damaged
# table is kept aside under a dated name and a fresh one starts.
data=$E2E_WORK/case/data
scores=$data/dream-arena
with_data=(env XDG_DATA_HOME="$data")
fresh; mkdir -p "$data"; printf 'x' >"$scores"
run_case "scores: a file where the folder should be" \
  "plays:cannot keep scores in $scores: it is a file, not a folder; playing without keeping scores"$'\n' "${with_data[@]}"
fresh; mkdir -p "$scores"
lock_folder "$scores"
run_case "scores: read-only folder" "plays:cannot keep scores in $scores: $reason; playing without keeping scores"$'\n' "${with_data[@]}"
unlock_folder "$scores"
fresh; mkdir -p "$scores"; printf 'dream-arena scores 1\ntotals\trounds=1\nround\n' >"$scores/scores.txt"
run_case "scores: damaged table" "plays-like:scores file $scores/scores.txt is damaged (line 2: the totals need rounds=, kills= and played_ms=); kept as $scores/scores-damaged-[0-9]*.txt, a fresh table starts" "${with_data[@]}"
kept=("$scores"/scores-damaged-*.txt)
[[ -f ${kept[0]} && $(cat "${kept[0]}") == $'dream-arena scores 1\ntotals\trounds=1\nround' ]] ||
  fail_case "scores: damaged table" "the damaged table was not kept as it was"
cd "$E2E_WORK"

# The command line: a usage error (an unknown option, a FILE missing or empty, options that
# cannot go together) is one line on standard error and exit status 2; --help and --scores
# print only their own lines, status 0. None of them opens the audio device or makes a file:
# run with no audio configuration and a home of their own, which stays empty.
home=$E2E_WORK/home
bare=(env -u ALSOFT_DRIVERS -u ALSOFT_CONF -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home")
command_case() { # command_case <status> <options...>
  local want=$1 status=0 name="option ${*:2}"
  shift
  cases=$((cases + 1))
  rm -rf "$home" && mkdir -p "$home"
  "${bare[@]}" "$E2E_GAME" "$@" >"$E2E_WORK/out.txt" 2>"$E2E_WORK/err.txt" || status=$?
  [[ $status == "$want" ]] || fail_case "$name" "exit status $status, not $want"
  if [[ $want == 2 ]]; then
    [[ ! -s $E2E_WORK/out.txt ]] || fail_case "$name" "printed '$(cat "$E2E_WORK/out.txt")'"
    [[ $(wc -l <"$E2E_WORK/err.txt") == 1 ]] || fail_case "$name" "said '$(cat "$E2E_WORK/err.txt")', not one line"
  else
    [[ -s $E2E_WORK/out.txt && ! -s $E2E_WORK/err.txt ]] || fail_case "$name" "stderr '$(cat "$E2E_WORK/err.txt")'"
  fi
  [[ -z $(ls -A "$home") ]] || fail_case "$name" "made $(cd "$home" && find . | tr '\n' ' ')"
  echo "case $cases $name: exit $status, stderr '$(cat "$E2E_WORK/err.txt")'"
}
command_case 2 --bogus
command_case 2 --settings
command_case 2 --watch ""
command_case 2 --settings=
command_case 2 --watch "$E2E_WORK/x.replay" --watch-best
command_case 2 --scores --watch "$E2E_WORK/x.replay"
command_case 2 --scores --watch-best
command_case 2 --settings a.ini --settings b.ini
command_case 0 --help
command_case 0 --scores

# A relative XDG_DATA_HOME or XDG_CONFIG_HOME is ignored, as the XDG rules say: the game keeps
# its files under the home folder, never under the working directory.
fresh
rm -rf "$home" && mkdir -p "$home"
run_case "relative XDG folders" "plays:" env XDG_DATA_HOME=data XDG_CONFIG_HOME=config HOME="$home"
[[ ! -e data && ! -e config ]] || fail_case "relative XDG folders" "made folders under the working directory"
[[ -f $home/.config/dream-arena/settings.ini && -e $home/.local/share/dream-arena/scores.lock ]] ||
  fail_case "relative XDG folders" "no settings or table under $home: $(cd "$home" && find . | tr '\n' ' ')"
cd "$E2E_WORK"

echo "bad_input: $cases cases, $failures failed"
((failures == 0))
