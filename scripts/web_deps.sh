#!/usr/bin/env bash
# Builds the libraries of the WebAssembly build with emcc, from Debian's source packages of
# the release this machine runs (Debian's emscripten ships its library cache frozen, so its
# own ports cannot be fetched). Cached: a second run with the same script does nothing.
#   scripts/web_deps.sh BUILD_DIR      installs into BUILD_DIR/web-deps/prefix
# zlib and libpng compile by hand (zlib's CMake wants a win32/ folder Debian's source lacks;
# libpng's prebuilt configuration header is its default one); FreeType through its CMake.
# Nothing is built with -pthread: the page and the driver both run on one thread.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
deps=$(cd "$1" && pwd)/web-deps
src=$deps/src
prefix=$deps/prefix
stamp=$prefix/.built
key="$(sha256sum "$root/scripts/web_deps.sh" | cut -d' ' -f1)"
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ] && exit 0

# Debian's emcc finds its node modules here, under Debian's node.
export NODE_PATH=/usr/share/nodejs
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
flags="-O2"

fetch_sources() {
  mkdir -p "$src"
  cd "$src"
  if ! compgen -G "zlib-*/zlib.h" >/dev/null || ! compgen -G "libpng1.6-*/png.h" >/dev/null ||
     ! compgen -G "freetype-*/CMakeLists.txt" >/dev/null; then
    # Source packages of the release this machine runs, for exactly the versions installed.
    if ! grep -rqs "deb-src" /etc/apt/sources.list /etc/apt/sources.list.d/; then
      codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
      printf 'Types: deb-src\nURIs: http://deb.debian.org/debian\nSuites: %s %s-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$codename" "$codename" | $SUDO tee /etc/apt/sources.list.d/dream-arena-src.sources >/dev/null
    fi
    $SUDO apt-get update -qq
    rm -rf "$src"/*
    apt-get source -qq zlib libpng1.6 freetype >/dev/null 2>&1 ||
      { echo "web_deps: apt-get source failed (is a deb-src line for this release reachable?)" >&2; exit 1; }
  fi
}

build_zlib() {
  local dir out
  dir=$(echo "$src"/zlib-*/)
  out=$deps/zlib-obj
  rm -rf "$out" && mkdir -p "$out" "$prefix/include" "$prefix/lib"
  for c in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate inftrees trees uncompr zutil; do
    emcc $flags -DHAVE_UNISTD_H -DHAVE_STDARG_H -c "$dir/$c.c" -o "$out/$c.o"
  done
  emar rcs "$prefix/lib/libz.a" "$out"/*.o
  cp "$dir/zlib.h" "$dir/zconf.h" "$prefix/include/"
}

build_libpng() {
  local dir out
  dir=$(echo "$src"/libpng1.6-*/)
  out=$deps/png-obj
  rm -rf "$out" && mkdir -p "$out"
  cp "$dir/scripts/pnglibconf.h.prebuilt" "$out/pnglibconf.h"
  for c in png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil pngset pngtrans pngwio pngwrite pngwtran pngwutil; do
    emcc $flags -DPNG_ARM_NEON_OPT=0 -I"$out" -I"$prefix/include" -c "$dir/$c.c" -o "$out/$c.o"
  done
  emar rcs "$prefix/lib/libpng16.a" "$out"/*.o
  ln -sf libpng16.a "$prefix/lib/libpng.a"
  cp "$dir/png.h" "$dir/pngconf.h" "$out/pnglibconf.h" "$prefix/include/"
}

# Debian's build leaves out bzip2, HarfBuzz and (for its small variant) Brotli, and uses the
# system's zlib (here the one above); the text here is monochrome outlines, so PNG glyphs
# are left out too.
build_freetype() {
  local dir
  dir=$(echo "$src"/freetype-*/)
  emcmake cmake -S "$dir" -B "$deps/freetype-build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_FLAGS="$flags" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF \
    -DFT_REQUIRE_ZLIB=ON -DZLIB_LIBRARY="$prefix/lib/libz.a" -DZLIB_INCLUDE_DIR="$prefix/include" \
    -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON >/dev/null
  cmake --build "$deps/freetype-build" -j2 >/dev/null
  cmake --install "$deps/freetype-build" >/dev/null
}

fetch_sources
rm -rf "$prefix"
build_zlib
build_libpng
build_freetype
echo "$key" >"$stamp"
echo "web_deps: zlib, libpng and FreeType built for WebAssembly in $prefix"
