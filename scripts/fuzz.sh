#!/usr/bin/env bash
# Fuzzes the loaders of files a player can replace (pictures, the monster table, sounds,
# replays, the score table) with libFuzzer under ASan + UBSan, for a bounded time per harness.
#   scripts/fuzz.sh            60 s per harness
#   scripts/fuzz.sh 10         10 s per harness (the test command's short run)
# Builds with clang in build-fuzz/ (DA_FUZZ_BUILD overrides; scripts/sanitized_tree.sh, the
# tree the soak uses too). Seeds: fuzz/corpus/ and the
# staged pictures and sounds of build/stage (DA_STAGE_DIR overrides), plus the staged
# picture rewritten as palette, grey, grey+alpha, 16-bit and interlaced PNG. Prints one
# line per harness (runs, seconds, crashes); exits 1 when any harness crashed, leaving
# the crashing input in build-fuzz/fuzz-out/<harness>/crashes/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-60}}
source "$root/scripts/sanitized_tree.sh"
sanitized_tree image_file_fuzz monster_table_fuzz sound_decode_fuzz replay_reader_fuzz score_table_fuzz
build=$sanitized

out="$build/fuzz-out"
seeds="$out/seeds"
rm -rf "$seeds"
mkdir -p "$seeds/image_file" "$seeds/sound_decode"
# Pictures: the staged ones up to 32 KiB (the big background only slows each run), and
# one small sprite in every colour type and layout the decoder must handle.
find "$stage/resources/images" -name '*.png' -size -32k -exec cp {} "$seeds/image_file/" \;
sprite=$(find "$stage/resources/images" -name '*.png' -size -8k | sort | head -1)
if [ -n "$sprite" ]; then
  convert "$sprite" -type Palette PNG8:"$seeds/image_file/v_palette.png"
  convert "$sprite" -alpha off -colorspace Gray PNG:"$seeds/image_file/v_grey.png"
  convert "$sprite" -colorspace Gray -type GrayscaleAlpha PNG:"$seeds/image_file/v_grey_alpha.png"
  convert "$sprite" -depth 16 PNG64:"$seeds/image_file/v_16bit.png"
  convert "$sprite" -interlace PNG PNG32:"$seeds/image_file/v_interlaced.png"
  convert "$sprite" -alpha off PNG24:"$seeds/image_file/v_rgb.png"
fi
cp "$stage"/resources/music/* "$seeds/sound_decode/"

export ALSOFT_DRIVERS=null
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=0
run() {
  local harness=$1 seed=$2 maxlen=$3
  local work="$out/$harness"
  mkdir -p "$work/corpus" "$work/crashes"
  local log="$work/last.log"
  set +e
  "$build/fuzz/$harness" -max_total_time="$seconds" -max_len="$maxlen" -timeout=10 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/crashes/" \
    "$work/corpus" "$seed" >"$log" 2>&1
  local status=$?
  set -e
  local runs time crashes
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  time=$(sed -n 's/.*Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  crashes=$(find "$work/crashes" -type f | wc -l)
  echo "fuzz $harness: ${runs:-?} runs in ${time:-$seconds} s, corpus $(ls "$work/corpus" | wc -l) inputs, $crashes crashes (exit $status)"
  if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ]; then
    failed=1
    grep -m5 -E 'ERROR|runtime error|deadly signal|SUMMARY' "$log" || true
    echo "  log: $log"
  fi
}
run monster_table_fuzz "$root/fuzz/corpus/monster_table" 4096
run image_file_fuzz "$seeds/image_file" 65536
run sound_decode_fuzz "$seeds/sound_decode" 65536
run replay_reader_fuzz "$root/fuzz/corpus/replay_file" 4096
run score_table_fuzz "$root/fuzz/corpus/score_table" 8192
exit $failed
