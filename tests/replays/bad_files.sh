#!/usr/bin/env bash
# dream-sim --replay fed bad files, one row of the README's bad-input table each: every
# refused file gets one line on standard error and exit status 1, never a crash; a file cut
# in the middle of a pass plays up to its last whole pass.
#   bad_files.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/workdir.sh"
replay_workdir "$1" "$here/enter_to_leave/monsterData.txt"
good=$here/enter_to_leave/session.replay
failures=0

# refused <name> <file> <expected text>: one line holding the text, exit status 1.
refused() {
  local status=0 lines
  (cd "$work" && "$sim" --replay "$2" --no-frames) >"$work/out.txt" 2>"$work/err.txt" || status=$?
  lines=$(wc -l <"$work/err.txt")
  if ((status != 1)) || ((lines != 1)) || ! grep -qF -- "$3" "$work/err.txt"; then
    echo "FAIL $1: exit status $status, $lines lines: $(cat "$work/err.txt")" >&2
    failures=$((failures + 1))
  else
    echo "ok $1: $(cat "$work/err.txt")"
  fi
}

# patched <out> <python expression of bytes b>: a copy of the good file, changed.
patched() { python3 -c "import sys; b = bytearray(open(sys.argv[1], 'rb').read()); b = $2; open(sys.argv[2], 'wb').write(b)" "$good" "$1"; }

refused missing "$work/none.replay" "cannot open replay $work/none.replay: No such file or directory"
: >"$work/empty.replay"
refused empty "$work/empty.replay" "replay $work/empty.replay is empty"
mkdir "$work/dir.replay"
refused directory "$work/dir.replay" "cannot read replay $work/dir.replay: Is a directory"
refused foreign "$build/stage/resources/images/white.png" "is not a replay file"
patched "$work/version.replay" "b[:8] + bytes([7, 0]) + b[10:]"
refused "other format version" "$work/version.replay" "has format version 7; this build reads versions 1 to 6"
patched "$work/header.replay" "b[:12]"
refused "cut in its header" "$work/header.replay" "is cut short in its header"
patched "$work/damaged.replay" "b[:len(b) // 2] + bytes([b[len(b) // 2] ^ 0x5A]) + b[len(b) // 2 + 1:]"
refused damaged "$work/damaged.replay" "is damaged at pass"
cp "$good" "$work/large.replay" && truncate -s $(((1 << 30) + 1)) "$work/large.replay"
refused "too large" "$work/large.replay" "is too large: 1073741825 bytes (at most 1073741824)"

# Cut in the middle of a pass: every whole pass plays, and the end says where it stopped.
patched "$work/cut.replay" "b[:len(b) // 2]"
status=0
(cd "$work" && "$sim" --replay "$work/cut.replay" --no-frames) >"$work/out.txt" 2>"$work/err.txt" || status=$?
if ((status != 0)) || ! grep -q "^replay: the recorded session ends after pass [0-9]* (the pass after it was cut short)" "$work/out.txt"; then
  echo "FAIL cut in a pass: exit status $status: $(cat "$work/out.txt" "$work/err.txt")" >&2
  failures=$((failures + 1))
else
  echo "ok cut in a pass: $(head -n1 "$work/out.txt")"
fi

((failures == 0)) || { echo "bad_files: $failures case(s) failed" >&2; exit 1; }
echo "bad_files: passed"
