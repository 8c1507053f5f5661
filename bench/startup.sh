#!/usr/bin/env bash
# Start-up time of the window with 10,000 discs in the disc list: from launching the
# process to the window's first frame on a virtual screen, median of 5 runs.
# Target: within 0.5 s.   usage: bench/startup.sh [BUILD_DIR]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/paths.sh"
root=$QUILMO_ROOT
build="$(absolute_path "${1:-$root/build-bench}")"
discs=10000
runs=5

if [ ! -x "$build/bin/startup_probe" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILMO_BENCH=ON -DQUILMO_TESTS=OFF >/dev/null
  cmake --build "$build" --target startup_probe >/dev/null
fi
command -v xvfb-run >/dev/null || { echo "xvfb-run is needed (Debian package xvfb)" >&2; exit 1; }

world=$(mktemp -d)
trap 'rm -rf "$world"' EXIT
mkdir -p "$world"/data "$world"/app "$world"/home "$world"/config
# Names in random order, so the sort at start-up has work to do.
seq -f "Disc %05g" 1 "$discs" | shuf --random-source=<(yes) | sed 's/$/\r/' > "$world/data/QM.tex"
echo "E" > "$world/app/SSc.ini"

export HOME="$world/home" XDG_CONFIG_HOME="$world/config" QUILMO_APP_FOLDER="$world/app"
cd "$world/data"
# One virtual screen for all runs, so its own start-up is not counted.
xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
  for _ in $(seq 1 '"$runs"'); do
    launched=$(date +%s%3N)
    shown=$("$0")
    echo $((shown - launched))
  done' "$build/bin/startup_probe" > "$world/times"

echo "window shown after (ms), $discs discs: $(tr '\n' ' ' < "$world/times")"
median=$(sort -n "$world/times" | sed -n "$(( (runs + 1) / 2 ))p")
echo "median: $median ms (target: 500 ms)"
[ "$median" -le 500 ]
