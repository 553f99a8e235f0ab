#!/usr/bin/env bash
# Watching a round again: dream-sim plays a short headless session keeping a file of every
# round, and the game watches the first one under Xvfb. The watch shows the "Replay" mark, takes
# at least the round's own time, ends by itself with status 0, composes the frames dream-sim
# --replay composes (both write a digest log of every pass) and keeps nothing in the data
# folder. Space pauses it, Escape leaves it. A damaged file and one of another game version are
# refused with one line and status 1, before any window opens.
# Usage: watch.sh <path to dream-arena>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init watch "$1"
sim=${DA_BINARY_DIR:?}/tools/dream_sim/dream-sim
alter=$DA_BINARY_DIR/tests/replay_alter
xwin=$DA_BINARY_DIR/tests/reliability/xwin
[[ -x $sim && -x $alter && -x $xwin ]] || e2e_fail "no dream-sim, replay_alter or xwin in $DA_BINARY_DIR"
e2e_stage_workdir
# dream-sim keeps a round's file when the round ends: the game's own monsters end it.
cp "$DA_STAGE_DIR/monsterData.txt" "$E2E_WORK/monsterData.txt"

(cd "$E2E_WORK" && "$sim" --seed 1 --ticks 1100 --rounds "$E2E_WORK/rounds" >/dev/null 2>&1) || e2e_fail "dream-sim failed"
round=$(ls "$E2E_WORK"/rounds/round-*-1.replay 2>/dev/null) || e2e_fail "dream-sim kept no first round"
out=$(cd "$E2E_WORK" && "$sim" --replay "$round" --digest-log "$E2E_WORK/sim.log" 2>&1) || e2e_fail "dream-sim --replay: $out"
seconds=$(sed -n 's/^time: \([0-9.]*\) s of play.*/\1/p' <<<"$out")
[[ -n $seconds ]] || e2e_fail "dream-sim printed no time: $out"
grep -q ' frame ' "$E2E_WORK/sim.log" || e2e_fail "the round is too short to hold a frame digest"

e2e_start_xvfb
# To its end at real speed.
start=$(date +%s.%N)
DREAM_ARENA_WATCH_DIGESTS=$E2E_WORK/watch.log e2e_start_game "$E2E_WORK" --watch "$round"
# The mark's dark box at the top-right corner, which the game's frames never hold.
"$xwin" waitcount dream-arena 1200 0 1599 80 202020 2000 5000 >/dev/null || e2e_fail "no Replay mark over the frame"
e2e_wait_exit 90 || e2e_fail "the watch did not end by itself"
elapsed=$(echo "$(date +%s.%N) - $start" | bc)
((E2E_EXIT_STATUS == 0)) || e2e_fail "the watch ended with status $E2E_EXIT_STATUS"
[[ $(echo "$elapsed >= 0.9 * $seconds" | bc) == 1 ]] || e2e_fail "a round of $seconds s watched in $elapsed s"
diff -q "$E2E_WORK/sim.log" "$E2E_WORK/watch.log" >/dev/null || e2e_fail "the watch's digests differ from dream-sim's: $(diff "$E2E_WORK/sim.log" "$E2E_WORK/watch.log" | head -3)"
[[ ! -e $XDG_DATA_HOME || -z $(ls -A "$XDG_DATA_HOME/dream-arena" 2>/dev/null) ]] || e2e_fail "the watch kept files: $(ls -AR "$XDG_DATA_HOME")"
echo "watch: a round of $seconds s watched to its end in $elapsed s, $(grep -c ' frame ' "$E2E_WORK/watch.log") frame digests as dream-sim's"

# Space pauses (a couple of seconds in, five before the end): once the digest log stops
# growing the watch stays paused for 2 s, then Escape leaves with status 0.
DREAM_ARENA_WATCH_DIGESTS=$E2E_WORK/paused.log e2e_start_game "$E2E_WORK" --watch "$round"
passes=$(grep -c . "$E2E_WORK/sim.log")
logged() { wc -l <"$E2E_WORK/paused.log" 2>/dev/null || echo 0; }
under_way() { (($(logged) > 200)); }
e2e_wait_until 20 under_way || e2e_fail "the watch did not get under way: $(logged) passes"
e2e_focus
xdotool key space
stands() { local n; n=$(logged); sleep 0.5; ((n == $(logged))); }
e2e_wait_until 5 stands || e2e_fail "Space did not pause the watch: $(logged) passes"
kill -0 "$E2E_GAME_PID" 2>/dev/null || e2e_fail "the watch ended instead of pausing"
before=$(logged)
((before < passes)) || e2e_fail "the watch reached its end ($before of $passes passes) before Space paused it"
sleep 2
after=$(logged)
((before == after)) || e2e_fail "the paused watch went on from pass $before to $after"
xdotool key Escape
e2e_wait_exit 10 || e2e_fail "Escape did not end the watch"
((E2E_EXIT_STATUS == 0)) || e2e_fail "Escape ended the watch with status $E2E_EXIT_STATUS"
echo "watch: paused at pass $before of $passes for 2 s, left by Escape"

# Files it refuses: one line each, status 1.
refused() { # refused <file> <pattern of the line>
  local status=0 said
  said=$(cd "$E2E_WORK" && "$E2E_GAME" --watch "$1" 2>&1) || status=$?
  ((status == 1)) || e2e_fail "--watch $1: status $status"
  [[ $(wc -l <<<"$said") == 1 && $said =~ $2 ]] || e2e_fail "--watch $1 said: $said"
  echo "watch: $said"
}
cp "$round" "$E2E_WORK/damaged.replay"
size=$(stat -c %s "$round")
printf '\xff\xff\xff\xff' | dd of="$E2E_WORK/damaged.replay" bs=1 seek=$((size / 2)) conv=notrunc status=none
refused "$E2E_WORK/damaged.replay" "^cannot watch: replay .*damaged.replay is damaged at pass [0-9]+"
"$alter" --game-version "dream-arena 0.9.0" "$round" "$E2E_WORK/older.replay"
refused "$E2E_WORK/older.replay" "^cannot watch: .*older.replay was recorded by dream-arena 0.9.0; this is dream-arena "
echo "watch: passed"
