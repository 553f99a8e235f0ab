#!/usr/bin/env bash
# Installs the Debian packages dream-arena needs to build, run and test.
# Idempotent: prints nothing and changes nothing when everything is present.
set -euo pipefail

# The one list of packages the project needs.
PACKAGES=(
  build-essential cmake pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libx11-dev libxcb1-dev libxext-dev libxrender-dev libsfml-dev libmpg123-dev libpng-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core
  libcairo2-dev libvorbis-dev libmp3lame-dev
  libpixman-1-dev
  zlib1g-dev
  libmpfr-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick python3 openbox e2fsprogs
  desktop-file-utils appstream dpkg-dev file
  libopenal1
  # The WebAssembly build (scripts/web_test.sh): emcc, node to run its output, fc-match to
  # pick the staged fonts; the page's tests drive chromium, and Firefox for its sound.
  emscripten nodejs fontconfig chromium firefox-esr
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# Debian's nodejs comes without npm; NodeSource's carries it.
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

