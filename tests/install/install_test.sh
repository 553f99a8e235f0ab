#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: the game, its data, the desktop entry, the
# icon and the metainfo land where they should and pass desktop-file-validate and
# appstreamcli; the installed game started from an empty directory shows the title; a
# working directory with its own monsterData.txt still wins; the build-tree game with no
# installed data still prints "data text open fail".
# Usage: install_test.sh <build directory> <build-tree dream-arena>
set -euo pipefail

source "$(dirname "$0")/../e2e/lib.sh"
build=$1
e2e_init install "$2"
fail() { e2e_fail "$@"; }

app=io.github.dream_arena.DreamArena
prefix=$E2E_WORK/prefix
cmake --install "$build" --prefix "$prefix" >"$E2E_WORK/install.log" || fail "cmake --install failed: $(cat "$E2E_WORK/install.log")"

for file in bin/dream-arena share/dream-arena/monsterData.txt share/applications/$app.desktop \
            share/metainfo/$app.metainfo.xml share/icons/hicolor/256x256/apps/dream-arena.png \
            share/icons/hicolor/scalable/apps/dream-arena.svg; do
  [[ -s $prefix/$file ]] || fail "not installed: $file"
done
[[ -x $prefix/bin/dream-arena ]] || fail "the installed game is not executable"
resources=$(find "$prefix/share/dream-arena/resources" -type f | wc -l)
((resources == 137)) || fail "$resources files under share/dream-arena/resources, expected 137 (128 pictures, 9 sounds)"
python3 - "$prefix/share/icons/hicolor" <<'PY' || fail "the icons are not a 256 x 256 PNG and an SVG"
import struct, sys, xml.dom.minidom
root = sys.argv[1]
with open(root + "/256x256/apps/dream-arena.png", "rb") as f:
    head = f.read(24)
assert head[:8] == b"\x89PNG\r\n\x1a\n" and head[12:16] == b"IHDR", "not a PNG"
assert struct.unpack(">II", head[16:24]) == (256, 256), "not 256 x 256"
assert xml.dom.minidom.parse(root + "/scalable/apps/dream-arena.svg").documentElement.tagName == "svg"
PY
desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop-file-validate refused the desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" >"$E2E_WORK/appstream.log" 2>&1 ||
  fail "appstreamcli refused the metainfo: $(cat "$E2E_WORK/appstream.log")"
grep -q "<release version=\"$(sed -n 's/^project(dream_arena VERSION \([0-9.]*\).*/\1/p' "$E2E_DIR/../../CMakeLists.txt")\"" \
  "$prefix/share/metainfo/$app.metainfo.xml" || fail "the metainfo does not carry the project's version"

# The installed game from an empty directory: its own data, the title.
mkdir "$E2E_WORK/empty"
E2E_GAME=$prefix/bin/dream-arena
e2e_start_xvfb
e2e_start_game "$E2E_WORK/empty"
sleep 1
e2e_grab
read -r _ _ _ _ count < <(e2e_bbox 425 192 1200 300) || true
((${count:-0} > 150)) || fail "the installed game shows no title text"
[[ -z $(ls -A "$E2E_WORK/empty") ]] || fail "the game wrote into its working directory"
kill "$E2E_GAME_PID"
wait "$E2E_GAME_PID" 2>/dev/null || true
E2E_GAME_PID=""

# A working directory with its own table wins over the installed data.
mkdir "$E2E_WORK/own"
printf 'not numbers\n' >"$E2E_WORK/own/monsterData.txt"
status=0
output=$(cd "$E2E_WORK/own" && "$E2E_GAME" 2>/dev/null) || status=$?
[[ $output == "data text format fail: line 1" && $status == 1 ]] ||
  fail "with a table of its own in the working directory: '$output', status $status"

# The build-tree game has no installed data beside it.
status=0
output=$(cd "$E2E_WORK/empty" && "$2" 2>/dev/null) || status=$?
[[ $output == "data text open fail" && $status == 1 ]] || fail "the build-tree game in an empty directory: '$output', status $status"
echo "install: passed"
