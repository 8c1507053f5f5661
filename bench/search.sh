#!/usr/bin/env bash
# Global search benchmark: quilmo-cli search against ripgrep over the same 5,000,000
# catalogue lines (200 catalogues of 25,000 lines), warm cache, and a check that both
# find the same lines: once with common words (about 93,000 hits, so the cost per hit and
# the quick report's writing show) and once with three rare words (the scan alone).
#
# usage: bench/search.sh [BUILD_DIR]   (default: build)
# The library is generated once under $QUILMO_BENCH_DIR (default /tmp/quilmo-bench) and
# kept for later runs.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/paths.sh"
build=$(absolute_path "${1:-$QUILMO_ROOT/build}")
cli=$build/bin/quilmo-cli
root=${QUILMO_BENCH_DIR:-/tmp/quilmo-bench}
lib=$root/lib
common='beach|kamera|snap'
rare='dsc53973|snap797|harbour music draft2'
runs=${RUNS:-10}
generator=$QUILMO_BENCHDATA/make_lib.py

[ -x "$cli" ] || { echo "bench/search.sh: build quilmo-cli first ($cli not found)" >&2; exit 1; }
require hyperfine rg python3

if [ "$(ls "$lib"/disc*.rtf 2>/dev/null | wc -l)" -ne 200 ]; then
  echo "Generating the library in $lib (about 517 MB)..."
  python3 "$generator" --dir "$lib"
fi

# The data folder: the catalogues themselves, listed in QM.tex (CR LF lines).
data=$root/data
app=$root/app
mkdir -p "$data" "$app"
# Hard links where the file system allows: the program then opens the very files rg reads,
# without resolving a symbolic link for each.
for f in "$lib"/disc*.rtf; do ln -f "$f" "$data/" 2>/dev/null || ln -sf "$f" "$data/"; done
(cd "$lib" && ls disc*.rtf | sed 's/\.rtf$/\r/') > "$data/QM.tex"

catalogues=("$lib"/disc*.rtf)
rg_words() { local IFS='|'; for w in $1; do printf -- '-e\n%s\n' "$w"; done; }
ours=$(mktemp) theirs=$(mktemp)
trap 'rm -f "$ours" "$theirs"' EXIT

# One word list: both programs side by side, then the same lines from both: rg's matching
# lines against quilmo's hit lines without "*disc* ", each set without duplicate lines.
compare() {
  local words=$1 json=$root/search.json rg_e
  mapfile -t rg_e < <(rg_words "$words")
  echo "== $words"
  # -N: no shell in between, whose start hyperfine would else estimate and subtract, a
  # guess that is off by milliseconds.
  hyperfine -N --warmup 2 --runs "$runs" --export-json "$json" \
    -n quilmo "$cli --data $data --app $app search ${words@Q}" \
    -n rg "rg -i -F ${rg_e[*]@Q} ${catalogues[*]}" >/dev/null
  python3 - "$json" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
q, r = results["quilmo"]["median"], results["rg"]["median"]
print(f"median quilmo {q * 1000:.1f} ms, rg {r * 1000:.1f} ms, ratio {q / r:.2f} (target at most 1.0)")
PY
  "$cli" --data "$data" --app "$app" search "$words" 2>/dev/null | sed 's/^\*[^*]*\* //' | sort -u > "$ours"
  rg --no-filename -i -F "${rg_e[@]}" "${catalogues[@]}" | tr -d '\r' | sort -u > "$theirs"
  if cmp -s "$ours" "$theirs"; then
    echo "same hit lines: $(wc -l < "$ours") distinct lines"
  else
    echo "DIFFERENT hit lines: quilmo $(wc -l < "$ours"), rg $(wc -l < "$theirs")"
    exit 1
  fi
}

compare "$common"
compare "$rare"
