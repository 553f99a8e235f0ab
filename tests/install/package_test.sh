#!/usr/bin/env bash
# The Debian package: `cpack -G DEB` in the build directory makes a .deb that holds the
# game, its data, the desktop entry and the icon, and depends on the run-time packages
# (SDL2, SFML audio, mpg123, libpng, FreeType, fontconfig, the DejaVu fonts, OpenAL) and on
# the package of every library the game links. Its game, unpacked, starts from an empty
# directory and shows the title.
# Usage: package_test.sh <build directory>
set -euo pipefail

source "$(dirname "$0")/../e2e/lib.sh"
build=$1
e2e_init package "$build/dream-arena"
fail() { e2e_fail "$@"; }
out=$E2E_WORK/package
(cd "$build" && cpack -G DEB -B "$out") >"$E2E_WORK/cpack.log" 2>&1 || fail "cpack failed: $(tail -20 "$E2E_WORK/cpack.log")"
debs=("$out"/dream-arena_*_amd64.deb)
[[ -f ${debs[0]} ]] || fail "no dream-arena_*_amd64.deb in $out"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
# The package names of the Depends field, one a line, without versions.
names=$(tr ',' '\n' <<<"$depends" | sed 's/(.*)//; s/[[:space:]]//g')
for package in libsdl2-2.0-0 libsfml-audio2.5 libmpg123-0 libpng16-16 libfreetype6 libfontconfig1 fonts-dejavu-core libopenal1; do
  grep -qx "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done

# File names, which may hold spaces ("black cloud0.png"): everything after the fifth column.
contents=$(dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//')
for file in ./usr/bin/dream-arena ./usr/share/dream-arena/monsterData.txt \
            ./usr/share/applications/io.github.dream_arena.DreamArena.desktop \
            ./usr/share/icons/hicolor/256x256/apps/dream-arena.png; do
  grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done
resources=$(grep -c '^\./usr/share/dream-arena/resources/.*\.\(png\|ogg\|mp3\)$' <<<"$contents" || true)
((resources == 137)) || fail "the package holds $resources pictures and sounds, expected 137"

# Every library the game links comes from a package it depends on.
root=$E2E_WORK/root
dpkg-deb -x "$deb" "$root"
# The package that holds a file, under its own path or the other side of the /usr merge.
owner_of() {
  local path=$1
  dpkg -S "$path" 2>/dev/null || dpkg -S "${path#/usr}" 2>/dev/null || dpkg -S "/usr$path" 2>/dev/null || true
}
libraries=$(ldd "$root/usr/bin/dream-arena")
for library in $(objdump -p "$root/usr/bin/dream-arena" | awk '/NEEDED/ {print $2}'); do
  # "name => path (address)", or "path (address)" for the dynamic loader.
  path=$(awk -v name="$library" '$1 == name {print $3} $1 ~ "/" name "$" {print $1}' <<<"$libraries")
  [[ -n $path ]] || fail "$library is not found on this system"
  owner=$(owner_of "$path" | head -n1 | cut -d: -f1)
  [[ -n $owner ]] || fail "no installed package holds $path"
  grep -qx "$owner" <<<"$names" || fail "$library comes from $owner, which the package does not depend on"
done

# The packaged game, from an empty directory, finds its data under the same tree.
mkdir "$E2E_WORK/empty"
E2E_GAME=$root/usr/bin/dream-arena
e2e_start_xvfb
e2e_start_game "$E2E_WORK/empty"
sleep 1
e2e_grab
read -r _ _ _ _ count < <(e2e_bbox 425 192 1200 300) || true
((${count:-0} > 150)) || fail "the packaged game shows no title text"
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB, Depends: $depends"
echo "package: passed"
