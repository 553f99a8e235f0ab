#!/usr/bin/env bash
# Builds the game's page for the browser into BUILD_DIR/page and serves it at
# http://127.0.0.1:8000/ with Python's plain static server: the folder needs no special
# headers (one thread, no cross-origin isolation), so any static web host serves it too.
#   scripts/web.sh [BUILD_DIR [DESKTOP_BUILD]]                build (default build-page/) and serve
#   scripts/web.sh --build-only [BUILD_DIR [DESKTOP_BUILD]]   build only
# The data are a desktop build's staged ones (the asset generator's pictures and sounds,
# monsterData.txt; DESKTOP_BUILD, else one of its own in BUILD_DIR/native) and the fonts the
# game asks for, packed by emscripten's file packager.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
serve=1
if [ "${1:-}" = "--build-only" ]; then
  serve=0
  shift
fi
mkdir -p "${1:-$root/build-page}"
build=$(cd "${1:-$root/build-page}" && pwd)
desktop=${2:-$build/native}
bash "$root/scripts/setup.sh"
export NODE_PATH=/usr/share/nodejs

# The data, staged by the desktop build's asset generator.
[ -f "$desktop/CMakeCache.txt" ] || cmake -S "$root" -B "$desktop" -DDA_BUILD_TESTS=OFF -DDA_BUILD_BENCH=OFF >/dev/null
desktop=$(cd "$desktop" && pwd)
cmake --build "$desktop" -j2 --target stage >/dev/null

# zlib, libpng and FreeType built with emcc from Debian's sources, kept in build-web/
# and shared with the WebAssembly driver's build (scripts/web_test.sh).
deps=$root/build-web
bash "$root/scripts/web_deps.sh" "$deps"

# The game for WebAssembly, and the page's folder.
emcmake cmake -S "$root" -B "$build/wasm" -DCMAKE_BUILD_TYPE=Release -DDA_WEB_PAGE=ON -DDA_BUILD_TESTS=OFF \
  -DDA_WEB_DEPS="$deps/web-deps/prefix" -DDA_DESKTOP_BUILD="$desktop" >/dev/null
cmake --build "$build/wasm" -j2 --target dream-arena-page
page=$build/page
rm -rf "$page"
mkdir -p "$page"
cp "$root/web/index.html" "$root/web/page.js" "$root/web/page.css" "$page/"
cp "$build/wasm/web/dream-arena.js" "$build/wasm/web/dream-arena.wasm" "$build/wasm/web/dream-arena.data" "$page/"
echo "web: the page is in $page ($(du -sk "$page" | cut -f1) KB)"

if [ "$serve" = 1 ]; then
  echo "web: serving http://127.0.0.1:8000/ (Ctrl+C stops)"
  exec python3 -m http.server 8000 --bind 127.0.0.1 --directory "$page"
fi
