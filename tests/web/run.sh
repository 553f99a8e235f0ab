#!/usr/bin/env bash
# The browser tests: the desktop's digest log of a recorded session (dream-sim --replay of
# session/, the first round of dream-sim --seed 1 --ticks 1100 --rounds: 668 passes, 11 s),
# then the page in Debian's chromium (page_test.mjs) against it. Screenshots are left in
# WEB_BUILD_DIR/screens to be looked at.
#   tests/web/run.sh NATIVE_BUILD_DIR WEB_BUILD_DIR     (the page built by scripts/web.sh)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
session=$here/session
web=$(cd "$2" && pwd)
# The browser tests' one npm package (puppeteer-core, at the version its lock file names),
# driving Debian's chromium: no browser of its own is downloaded.
web_tests=$here
if [ ! -f "$web_tests/node_modules/.package-lock.json" ] ||
   ! cmp -s <(sed -n '/"node_modules\/puppeteer-core"/,/}/p' "$web_tests/package-lock.json") \
             <(sed -n '/"node_modules\/puppeteer-core"/,/}/p' "$web_tests/node_modules/.package-lock.json"); then
  echo "web tests: installing puppeteer-core from npm"
  (cd "$web_tests" && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund --silent)
fi
source "$here/../replays/workdir.sh"
replay_workdir "$1" "$session/monsterData.txt"
(cd "$work" && "$sim" --replay "$session/session.replay" --digest-log "$work/native-digests.txt" >/dev/null)
cd "$here"
node page_test.mjs "$web/page" "$session" "$work/native-digests.txt" "$web/screens"
