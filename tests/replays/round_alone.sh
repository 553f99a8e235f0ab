#!/usr/bin/env bash
# A round's file replays alone: dream-sim plays a headless session of two rounds and more,
# recording the whole session and a file of every round; the second round's file, replayed on
# its own, must keep to its own digests and give, pass by pass, the world and frame digests
# that the whole session's replay gives over that round.
#   round_alone.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/workdir.sh"
replay_workdir "$1" "$1/stage/monsterData.txt"
fail() { echo "round_alone: $*" >&2; exit 1; }

# Seed 3: the first round lasts 461 passes, the second 2413.
(cd "$work" && "$sim" --seed 3 --ticks 3400 --record session.replay --rounds rounds >/dev/null)
ls "$work"/rounds/round-*-1.replay >/dev/null 2>&1 || fail "no file of the first round"
second=$(ls "$work"/rounds/round-*-2.replay 2>/dev/null) || fail "no file of the second round"
[[ -z $(ls "$work"/rounds/round-*-3.replay 2>/dev/null) ]] || fail "a third round ended: the session is too long"

(cd "$work" && "$sim" --replay session.replay --digest-log session.log >/dev/null) || fail "the session's replay failed"
out=$(cd "$work" && "$sim" --replay "$second" --digest-log round.log 2>&1) || fail "the second round alone: $out"
passes=$(sed -n 's/^passes: //p' <<<"$out")
grep -q '^replay: the recorded session ends after pass' <<<"$out" || fail "the second round alone: $out"
grep -q '^deaths: 1$' <<<"$out" || fail "the second round alone did not end in a death: $out"

grep '^round 2 ' "$work/session.log" | sed 's/^round 2 /round 1 /' >"$work/expected.log"
(($(wc -l <"$work/expected.log") == passes)) || fail "the session's second round has $(wc -l <"$work/expected.log") passes, its file $passes"
diff "$work/expected.log" "$work/round.log" >"$work/diff.txt" || fail "digests differ (< session, > round alone): $(head -4 "$work/diff.txt")"
echo "round_alone: $passes passes, $(grep -c ' frame ' "$work/round.log") frame digests, as in the whole session"
