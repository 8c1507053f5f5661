#!/usr/bin/env bash
# Global search benchmark: quilmo-cli search against ripgrep over the same 5,000,000
# catalogue lines (200 catalogues of 25,000 lines), warm cache, and a check that both
# find the same lines.
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
words='beach|kamera|snap'
generator=$QUILMO_BENCHDATA/make_lib.py

[ -x "$cli" ] || { echo "bench/search.sh: build quilmo-cli first ($cli not found)" >&2; exit 1; }
for tool in hyperfine rg python3; do
  command -v "$tool" >/dev/null || { echo "bench/search.sh: $tool is needed" >&2; exit 1; }
done

if [ "$(ls "$lib"/disc*.rtf 2>/dev/null | wc -l)" -ne 200 ]; then
  echo "Generating the library in $lib (about 517 MB)..."
  python3 "$generator" --dir "$lib"
fi

# The data folder: the catalogues themselves, listed in QM.tex (CR LF lines).
data=$root/data
app=$root/app
mkdir -p "$data" "$app"
for f in "$lib"/disc*.rtf; do ln -sf "$f" "$data/"; done
(cd "$lib" && ls disc*.rtf | sed 's/\.rtf$/\r/') > "$data/QM.tex"

catalogues=("$lib"/disc*.rtf)
json=$root/search.json
hyperfine --warmup 2 --runs 10 --export-json "$json" \
  -n quilmo "$cli --data $data --app $app search '$words'" \
  -n rg "rg -i -F -e beach -e kamera -e snap ${catalogues[*]}"

python3 - "$json" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
q, r = results["quilmo"]["median"], results["rg"]["median"]
print(f"median quilmo {q * 1000:.1f} ms, rg {r * 1000:.1f} ms, ratio {q / r:.2f} (target at most 1.5)")
PY

# The same lines: rg's matching lines against quilmo's hit lines without "*disc* ",
# each set without duplicate lines.
ours=$(mktemp) theirs=$(mktemp)
trap 'rm -f "$ours" "$theirs"' EXIT
"$cli" --data "$data" --app "$app" search "$words" 2>/dev/null | sed 's/^\*[^*]*\* //' | sort -u > "$ours"
rg --no-filename -i -F -e beach -e kamera -e snap "${catalogues[@]}" | tr -d '\r' | sort -u > "$theirs"
if cmp -s "$ours" "$theirs"; then
  echo "same hit lines: $(wc -l < "$ours") distinct lines"
else
  echo "DIFFERENT hit lines: quilmo $(wc -l < "$ours"), rg $(wc -l < "$theirs")"
  exit 1
fi
