#!/usr/bin/env bash
# The WebAssembly driver in a folder without the font files its build stages (the desktop's
# stage, say): asked for frame digests it refuses with one line naming the files and status 1,
# for the list missing and for one face missing; asked for none it plays on and says once, in
# one line, which files it cannot find.
#   missing_fonts.sh WEB_BUILD
set -euo pipefail
build=$(cd "$1" && pwd)
sim=$build/tools/dream_sim/dream-sim
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ALSOFT_DRIVERS=null
fail() { echo "missing_fonts: $*" >&2; exit 1; }

mkdir -p "$work/resources"
ln -s "$build/stage/resources/images" "$build/stage/resources/music" "$work/resources/"
cp "$build/stage/monsterData.txt" "$work/"

# refused <missing names>: --frame-hash ends at once with one line and status 1.
refused() {
  local status=0 said
  said=$(cd "$work" && "$sim" --ticks 300 --frame-hash 2>&1 >/dev/null) || status=$?
  ((status == 1)) || fail "--frame-hash without $1: status $status"
  [[ $said == "dream-sim: no frame digests without the font files $1 (run it in the staged directory)" ]] ||
    fail "--frame-hash without $1 said: $said"
  echo "missing_fonts: $said"
}
refused resources/fonts/faces.txt

# The list and every face but the first it names.
mkdir "$work/resources/fonts"
cp "$build/stage/resources/fonts/faces.txt" "$work/resources/fonts/"
first=$(cut -f3 "$work/resources/fonts/faces.txt" | head -n1)
for face in $(cut -f3 "$work/resources/fonts/faces.txt" | sort -u); do
  [[ $face == "$first" ]] || ln -s "$build/stage/resources/fonts/$face" "$work/resources/fonts/$face"
done
refused "resources/fonts/$first"

# Without frame digests asked for, the title's text is drawn without the faces: one line.
rm -r "$work/resources/fonts"
out=$(cd "$work" && "$sim" --ticks 300) || fail "a run without the fonts failed: $out"
lines=$(grep -c 'font files' <<<"$out" || true)
grep -qx 'cannot find the font files resources/fonts/faces.txt; text is drawn without them' <<<"$out" && ((lines == 1)) ||
  fail "a run without the fonts said (${lines} lines about them): $(grep 'font' <<<"$out")"
echo "missing_fonts: a run without them says so once and plays on"
