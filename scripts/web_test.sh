#!/usr/bin/env bash
# Builds the headless driver to WebAssembly and runs its tests under node, held to a desktop
# build's files and digests.
#   scripts/web_test.sh [DESKTOP_BUILD]     (default: build; its dream-sim and stage are made
#                                            first when out of date)
# The WebAssembly build is build-web/; its libraries are built once into build-web/web-deps
# (scripts/web_deps.sh) and kept there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
desktop=$(mkdir -p "${1:-$root/build}" && cd "${1:-$root/build}" && pwd)
web=$root/build-web
[ -f "$desktop/CMakeCache.txt" ] || cmake -S "$root" -B "$desktop" >/dev/null
cmake --build "$desktop" -j2 --target dream-sim stage >/dev/null

bash "$root/scripts/web_deps.sh" "$web"
# Debian's emcc finds its node modules here.
export NODE_PATH=/usr/share/nodejs
emcmake cmake -S "$root" -B "$web" -DCMAKE_BUILD_TYPE=Release -DDA_DESKTOP_BUILD="$desktop" >/dev/null
cmake --build "$web" -j2 --target dream-sim stage blend_exact >/dev/null
cd "$web"
ctest --output-on-failure
