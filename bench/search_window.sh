#!/usr/bin/env bash
# The window program's global search (started, START pressed at the default priority, run
# to the finish, closed) against `quilmo-cli search` over the 5,000,000-line library of
# bench/search.sh, warm cache.
# Target: at most 2 times the CLI's median, with the counters moving; then one run with
# STOP pressed after 100 ms, to see how soon the search ends.
#   bench/search_window.sh [BUILD_DIR]   (BENCH_DIR, RUNS may be set in the environment;
#                                the library is the one bench/search.sh sets up)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/paths.sh"
ROOT=$QUILMO_ROOT
BUILD_DIR=$(absolute_path "${1:-${BUILD_DIR:-$ROOT/build}}")  # the first argument, if given
BENCH_DIR=${BENCH_DIR:-${QUILMO_BENCH_DIR:-/tmp/quilmo-bench}}
RUNS=${RUNS:-10}
DATA=$BENCH_DIR/data
WORDS='beach|kamera|snap'
[ -f "$DATA/QM.tex" ] || { echo "search_window.sh: $DATA/QM.tex is missing; run bench/search.sh first" >&2; exit 1; }

cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILMO_BENCH=ON >/dev/null
cmake --build "$BUILD_DIR" --target quilmo-cli search_window >/dev/null

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/app" "$WORK/config"
export XDG_CONFIG_HOME=$WORK/config HOME=$WORK QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$WORK

window="$BUILD_DIR/bin/search_window $DATA $WORK/app '$WORDS'"
cli="$BUILD_DIR/bin/quilmo-cli --data $DATA --app $WORK/app search '$WORDS'"
eval "$window"
hyperfine --warmup 2 --runs "$RUNS" --export-json "$WORK/times.json" -n window "$window" -n cli "$cli" >/dev/null
python3 - "$WORK/times.json" <<'PY'
import json, statistics, sys
runs = {r["command"]: statistics.median(r["times"]) for r in json.load(open(sys.argv[1]))["results"]}
ratio = runs["window"] / runs["cli"]
print(f"median window {runs['window'] * 1000:.0f} ms, cli {runs['cli'] * 1000:.0f} ms: ratio {ratio:.2f} "
      f"(target <= 2.00) " + ("OK" if ratio <= 2.0 else "ABOVE TARGET"))
PY
# The same quick report from both.
mkdir -p "$WORK/cli-app"
eval "$window" >/dev/null
"$BUILD_DIR/bin/quilmo-cli" --data "$DATA" --app "$WORK/cli-app" search "$WORDS" >/dev/null 2>&1
if cmp -s "$WORK/app/QReport.rtf" "$WORK/cli-app/QReport.rtf"; then echo "same quick report as the CLI"
else echo "DIFFERENT quick reports"; exit 1; fi
eval "$window 100"
