#!/usr/bin/env bash
# Scanner benchmark on the same tree, warm cache, two pairs: `quilmo-cli create --no-facts`
# against `find -type f` (names only), and `quilmo-cli create` with the disc's facts against
# `find -type f -printf '%s %T@\n'` (names, sizes and times); then the creation's peak
# memory on a tree of 20,000 and of 200,000 files.
# Targets: each create median at most 0.8 times its find's; peak memory within 10%.
#
# usage: bench/scan.sh [BUILD_DIR]   (BENCH_DIR, RUNS and ROUNDS may be set in the environment)
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/paths.sh"
ROOT=$QUILMO_ROOT
BUILD_DIR=$(absolute_path "${1:-${BUILD_DIR:-$ROOT/build}}")  # the first argument, if given
BENCH_DIR=${BENCH_DIR:-${TMPDIR:-/tmp}/quilmo-bench}
RUNS=${RUNS:-10}
ROUNDS=${ROUNDS:-3}
MAKE_TREE=${MAKE_TREE:-$QUILMO_BENCHDATA/make_tree.py}
CLI=$BUILD_DIR/bin/quilmo-cli

require hyperfine python3 /usr/bin/time

echo "== building quilmo-cli (Release) in $BUILD_DIR"
cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD_DIR" --target quilmo-cli >/dev/null

# make_tree.py is deterministic: a tree is made again only when its settings change.
tree() {  # tree DIR FILES
  local dir=$1 files=$2 stamp="$1.stamp" want="files=$2 folders=15000 seed=12345"
  if [[ ! -d $dir || ! -f $stamp || $(cat "$stamp") != "$want" ]]; then
    echo "== generating $files files in 15,000 folders under $dir"
    python3 "$MAKE_TREE" --root "$dir" --files "$files" --folders 15000 --seed 12345
    echo "$want" >"$stamp"
  fi
}
tree "$BENCH_DIR/tree" 200000
tree "$BENCH_DIR/tree-20k" 20000

# The program's own folders and settings store, so the user's library is never touched.
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/data" "$WORK/app" "$WORK/config"
export XDG_CONFIG_HOME=$WORK/config

create() {  # create TREE [OPTION]
  echo "$CLI --data $WORK/data --app $WORK/app --drive E=$1 create bench --drive-letter E ${2:-}"
}

# The machine may be shared: hyperfine runs all of one command, then all of the other, so
# the comparison is repeated ROUNDS times and the median of the ratios is the figure. The
# walk lists folders on two threads besides the writer's, so it is fastest when the cores are
# free: the load average is shown for that reason.
echo "== wall time, 200,000 files ($ROUNDS rounds of hyperfine --warmup 2 --runs $RUNS)"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
for round in $(seq "$ROUNDS"); do
  hyperfine --warmup 2 --runs "$RUNS" --export-json "$WORK/times-$round.json" \
    -n "quilmo-cli create --no-facts" "$(create "$BENCH_DIR/tree" --no-facts)" \
    -n "find -type f" "find $BENCH_DIR/tree -type f > /dev/null" \
    -n "quilmo-cli create" "$(create "$BENCH_DIR/tree")" \
    -n "find -printf" "find $BENCH_DIR/tree -type f -printf '%s %T@\\n' > /dev/null"
done
tail -1 "$WORK/data/bench.rtf"
tail -5 "$WORK/data/.quilmo/facts/bench.facts"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

python3 - "$WORK"/times-*.json <<'PY'
import json, statistics, sys
pairs = [("quilmo-cli create --no-facts", "find -type f"), ("quilmo-cli create", "find -printf")]
ratios = {pair: [] for pair in pairs}
for path in sys.argv[1:]:
    runs = {r["command"]: r for r in json.load(open(path))["results"]}
    for pair in pairs:
        create, find = runs[pair[0]], runs[pair[1]]
        wall = statistics.median(create["times"]) / statistics.median(find["times"])
        cpu = (create["user"] + create["system"]) / (find["user"] + find["system"])
        ratios[pair].append(wall)
        print(f"{pair[0]} {statistics.median(create['times']) * 1000:.0f} ms, "
              f"{pair[1]} {statistics.median(find['times']) * 1000:.0f} ms: ratio {wall:.2f} (CPU time ratio {cpu:.2f})")
for pair in pairs:
    ratio = statistics.median(ratios[pair])
    print(f"{pair[0]} / {pair[1]}, median of {len(ratios[pair])} rounds: {ratio:.2f} (target <= 0.80) "
          + ("OK" if ratio <= 0.8 else "ABOVE TARGET"))
PY

echo "== peak memory (/usr/bin/time -v), best of 3"
peak() {  # peak TREE -> KiB
  local best=0 kib
  for _ in 1 2 3; do
    kib=$( { /usr/bin/time -v $(create "$1") >/dev/null; } 2>&1 | awk -F: '/Maximum resident/ {gsub(/ /, "", $2); print $2}')
    if (( best == 0 || kib < best )); then best=$kib; fi
  done
  echo "$best"
}
small=$(peak "$BENCH_DIR/tree-20k")  # with facts: the side-car is streamed too
large=$(peak "$BENCH_DIR/tree")
python3 - "$small" "$large" <<'PY'
import sys
small, large = int(sys.argv[1]), int(sys.argv[2])
spread = abs(large - small) / small
print(f"peak RSS 20,000 files {small} KiB, 200,000 files {large} KiB: difference {spread:.1%} (target <= 10%) "
      + ("OK" if spread <= 0.10 else "ABOVE TARGET"))
PY
