#!/usr/bin/env bash
# The window's creation of a disc (Enter to "Finished.", default priority) against
# `quilmo-cli create` on the same 200,000-file tree, warm cache. Target: at most 1.5 times
# the CLI's median, with the event loop turning during the walk (the window repaints).
#   bench/create_window.sh [BUILD_DIR]   (BENCH_DIR, RUNS may be set in the environment;
#                                the tree is the one bench/scan.sh generates)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/paths.sh"
ROOT=$QUILMO_ROOT
BUILD_DIR=$(absolute_path "${1:-${BUILD_DIR:-$ROOT/build}}")  # the first argument, if given
BENCH_DIR=${BENCH_DIR:-${TMPDIR:-/tmp}/quilmo-bench}
RUNS=${RUNS:-10}
TREE=$BENCH_DIR/tree
[ -d "$TREE" ] || { echo "create_window.sh: $TREE is missing; run bench/scan.sh first" >&2; exit 1; }

cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILMO_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" --target quilmo-cli create_window >/dev/null

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/data" "$WORK/app" "$WORK/config"
export XDG_CONFIG_HOME=$WORK/config HOME=$WORK QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$WORK

window="$BUILD_DIR/bin/create_window $TREE $WORK/data $WORK/app"
cli="$BUILD_DIR/bin/quilmo-cli --data $WORK/data --app $WORK/app --drive E=$TREE create bench --drive-letter E"
# Every run creates the disc anew: a run that found it listed would stop at a question.
fresh="rm -rf $WORK/data/* $WORK/app/*"
$window
eval "$fresh"
hyperfine --warmup 2 --runs "$RUNS" --prepare "$fresh" --export-json "$WORK/times.json" \
  -n window "$window" -n cli "$cli" >/dev/null
# The window's own time runs from Enter to "Finished." (its start-up is not creation).
for _ in $(seq "$RUNS"); do eval "$fresh"; $window 2>/dev/null; done |
  sed -n 's/^window creation \([0-9]*\) ms.*/\1/p' > "$WORK/window.txt"
python3 - "$WORK/times.json" "$WORK/window.txt" <<'PY'
import json, statistics, sys
runs = {r["command"]: statistics.median(r["times"]) for r in json.load(open(sys.argv[1]))["results"]}
inside = statistics.median(float(line) for line in open(sys.argv[2])) / 1000
print(f"whole processes: median window {runs['window'] * 1000:.0f} ms, cli {runs['cli'] * 1000:.0f} ms")
ratio = inside / runs["cli"]
print(f"Enter to \"Finished.\" {inside * 1000:.0f} ms against the cli's {runs['cli'] * 1000:.0f} ms: ratio {ratio:.2f} "
      f"(target <= 1.50) " + ("OK" if ratio <= 1.5 else "ABOVE TARGET"))
PY
