#!/usr/bin/env bash
# Times the catalogue view on generated catalogues of 250,000 and 1,000,000 lines:
# load until painted and a find that only the last line answers (medians of 5 runs),
# and peak memory of one run.
#   bench/load.sh [BUILD_DIR]      (configure the build with -DQUILMO_BENCH=ON)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/paths.sh"
build="$(absolute_path "${1:-$QUILMO_ROOT/build}")"
program="$build/bin/load_view"
data="${TMPDIR:-/tmp}/quilmo-bench/view"
export QT_QPA_PLATFORM=offscreen
[ -x "$program" ] || { echo "load.sh: $program is missing; build with -DQUILMO_BENCH=ON" >&2; exit 1; }

# The last line of a catalogue is its totals line, "N files : M folders".
word="files : "

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for lines in 250000 1000000; do
  dir="$data/$lines"
  if [ ! -f "$dir/disc000.rtf" ]; then
    python3 "$QUILMO_BENCHDATA/make_lib.py" --dir "$dir" --n 1 --lines "$lines" --rescans 0 >/dev/null
  fi
  catalogue="$dir/disc000.rtf"
  loads=() finds=()
  for run in 1 2 3 4 5; do
    out="$("$program" "$catalogue" "$word" 2> >(grep -v XDG_RUNTIME_DIR >&2))"
    loads+=("$(sed -n 's/.*load+paint \([0-9.]*\) ms.*/\1/p' <<<"$out")")
    finds+=("$(sed -n 's/^find \([0-9.]*\) ms.*/\1/p' <<<"$out")")
  done
  hit="$(sed -n 's/^find .* at line \(.*\)/\1/p' <<<"$out")"
  peak="$( { /usr/bin/time -v "$program" "$catalogue" "$word" >/dev/null; } 2>&1 |
           sed -n 's/.*Maximum resident set size (kbytes): //p')"
  printf '%9s lines (%s MB): load+paint median %s ms, find median %s ms (hit on line %s), peak %s MiB\n' \
    "$lines" "$(( $(stat -c %s "$catalogue") / 1000000 ))" \
    "$(printf '%s\n' "${loads[@]}" | median)" "$(printf '%s\n' "${finds[@]}" | median)" \
    "$hit" "$(( peak / 1024 ))"
done
