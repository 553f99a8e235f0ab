#!/usr/bin/env bash
# The seeded headless runs of scripts/frame_digests.sh (seeds 1 and 2, 5,000 ticks), played
# by the desktop's dream-sim and by the WebAssembly one, each in its own staged directory,
# must end on the same frame digest: the same world drawn to the same pixels.
#   frame_digests_match.sh DESKTOP_BUILD WEB_BUILD
set -euo pipefail
desktop_build=$(cd "$1" && pwd)
web_build=$(cd "$2" && pwd)
digest() {
  (cd "$1/stage" && "$1/tools/dream_sim/dream-sim" --seed "$2" --ticks 5000 --frame-hash) | sed -n 's/^frame digest: //p'
}
export ALSOFT_DRIVERS=null
status=0
for seed in 1 2; do
  desktop=$(digest "$desktop_build" $seed)
  web=$(digest "$web_build" $seed)
  [[ -n $desktop ]] || { echo "seed $seed: the desktop run printed no frame digest" >&2; exit 1; }
  if [[ $desktop == "$web" ]]; then
    echo "seed $seed: $web on both"
  else
    echo "seed $seed: desktop $desktop, WebAssembly ${web:-none}" >&2
    status=1
  fi
done
exit $status
