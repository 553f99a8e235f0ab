#!/usr/bin/env bash
# Installs what is missing, builds the game, stages its working directory and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"

build="$root/build"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target dream-arena stage
cd "$build/stage"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "no display found: running the game inside Xvfb (nothing will be visible)"
  exec xvfb-run -a -s "-screen 0 1920x1080x24" "$build/dream-arena"
fi
exec "$build/dream-arena"
