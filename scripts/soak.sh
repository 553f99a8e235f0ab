#!/usr/bin/env bash
# Plays the real game headless (dream-sim) under AddressSanitizer and UndefinedBehaviorSanitizer
# for one simulated hour of random play, restarting from the game-over screen, with every list
# and position checked after every pass, and watches the resident memory from outside.
#   scripts/soak.sh                 330,000 update ticks (one simulated hour) and as many frames
#   scripts/soak.sh --ticks 20000   a few simulated minutes (the test command's short run)
#   scripts/soak.sh --seed 7        another game
# Builds dream-sim in the fuzzers' clang tree, build-fuzz/ (DA_FUZZ_BUILD overrides;
# scripts/sanitized_tree.sh), and plays in a desktop build's staged directory (build/stage,
# DA_STAGE_DIR overrides), which it leaves as it was. Passes when dream-sim exits 0 with
# its checks passed, no sanitizer report was written, and the resident memory of the second
# half of the run stays within 16 MiB of what it was after the first tenth.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
ticks=330000
seed=1
while [ $# -gt 0 ]; do
  case $1 in
    --ticks) ticks=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    *) echo "usage: scripts/soak.sh [--ticks N] [--seed N]" >&2; exit 64 ;;
  esac
done
source "$root/scripts/sanitized_tree.sh"
sanitized_tree dream-sim
build=$sanitized

log=$build/soak.log
rss=$build/soak.rss
: >"$rss"
export ALSOFT_DRIVERS=null
# fontconfig keeps a few hundred bytes of its configuration to the end; leaks of the game's
# own code are still reported. A small quarantine keeps the resident memory readable.
printf 'leak:libfontconfig.so\n' >"$build/soak.lsan"
export LSAN_OPTIONS=suppressions=$build/soak.lsan:print_suppressions=0
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:quarantine_size_mb=16:log_path=$build/soak.asan
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:log_path=$build/soak.asan
rm -f "$build"/soak.asan*
started=$(date +%s)
(cd "$stage" && exec "$build/tools/dream_sim/dream-sim" --ticks "$ticks" --seed "$seed" --check) >"$log" 2>&1 &
pid=$!
while kill -0 "$pid" 2>/dev/null; do
  awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null >>"$rss" || true
  sleep 2
done
status=0
wait "$pid" || status=$?
elapsed=$(($(date +%s) - started))

cat "$log"
reports=$(cat "$log" "$build"/soak.asan* 2>/dev/null | grep -cE 'ERROR: (Address|Leak)Sanitizer|runtime error:' || true)
samples=$(wc -l <"$rss")
verdict=0
if [ "$samples" -ge 10 ]; then
  read -r base late < <(awk '{v[NR] = $1} END {b = v[int(NR / 10) + 1]; m = 0; for (i = int(NR / 2) + 1; i <= NR; ++i) if (v[i] > m) m = v[i]; print b, m}' "$rss")
  growth=$((late - base))
else
  base=0 late=0 growth=0
fi
echo "soak: $ticks ticks, seed $seed, exit $status, ${elapsed} s, sanitizer reports $reports," \
  "resident memory ${base} KiB after the first tenth, ${late} KiB peak in the second half ($samples samples)"
[ "$status" -eq 0 ] || { echo "soak: dream-sim failed"; verdict=1; }
grep -q '^checks: passed after every pass' "$log" || { echo "soak: the checks did not pass"; verdict=1; }
[ "$reports" -eq 0 ] || { echo "soak: sanitizer reports:"; grep -hE -A3 'ERROR: |runtime error:' "$log" "$build"/soak.asan* 2>/dev/null; verdict=1; }
[ "$growth" -le 16384 ] || { echo "soak: resident memory grew by $growth KiB"; verdict=1; }
exit $verdict
