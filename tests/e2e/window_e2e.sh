#!/usr/bin/env bash
# End to end: the real quilmo under xvfb-run, in a data folder, program folder, home and
# settings store of its own. The window is closed the way a session end closes it
# (SIGTERM, which the program turns into a normal close), then the files it left are
# checked.
set -euo pipefail
quilmo=$1

if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "SKIP: xvfb-run is missing (Debian package xvfb), so the real window cannot be started"
  exit 77
fi

world=$(mktemp -d)
trap 'rm -rf "$world"' EXIT
mkdir -p "$world"/data "$world"/app "$world"/home "$world"/config
printf 'kamera,snap\r\n' > "$world/data/FTex.Lys"

fail() { echo "FAIL: $*" >&2; exit 1; }

cd "$world/data"
export HOME="$world/home" XDG_CONFIG_HOME="$world/config" QUILMO_APP_FOLDER="$world/app"
xvfb-run -a sh -c '"$0" & echo $! > "$1"; wait $!' "$quilmo" "$world/pid" &
runner=$!

# Start-up has written QM.tmp on drive C (the home folder) and SSc.ini by the time the
# window shows.
for _ in $(seq 1 150); do
  [ -s "$world/pid" ] && [ -f "$world/home/QM.tmp" ] && [ -f "$world/app/SSc.ini" ] && break
  sleep 0.1
done
[ -f "$world/home/QM.tmp" ] || fail "the window did not start (no QM.tmp in the home folder)"
sleep 1
kill -TERM "$(cat "$world/pid")"
status=0
wait "$runner" || status=$?
[ "$status" -eq 0 ] || fail "quilmo ended with status $status"

for name in QM.tex QM.mmd QM.SoC QM.EXL FTex.Lys; do
  [ -f "$world/data/$name" ] || fail "$name is missing from the data folder"
done
[ -f "$world/app/SSc.ini" ] || fail "SSc.ini is missing from the program folder"
[ ! -e "$world/home/QM.tmp" ] || fail "QM.tmp was left in the home folder"
[ "$(od -An -c "$world/data/FTex.Lys" | tr -d ' \n')" = 'kamera\r\nsnap\r\n' ] ||
  fail "FTex.Lys holds $(od -An -c "$world/data/FTex.Lys")"
echo "PASS: the window started, closed, and left its file set"
