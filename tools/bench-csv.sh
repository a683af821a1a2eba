#!/usr/bin/env bash
# Times the whole batch run `marvola MATCH.mrv --csv OUT.csv` on a full match (500 competitors in
# all 16 disciplines, 100 teams) and on a one-competitor match, alternating the two so that both
# see the same load of a shared machine, and prints the medians and their ratio.
# Usage: tools/bench-csv.sh [RUNS] [BUILD_DIR]   (defaults: 9 runs, ./build)
set -euo pipefail

runs=${1:-9}
build=${2:-$(cd "$(dirname "$0")/.." && pwd)/build}
marvola=$build/src/app/marvola
writer=$build/tests/ranking/ranking_benchmark
for program in "$marvola" "$writer"; do
  [ -x "$program" ] || { echo "Build $program first." >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/full" "$work/one" "$work/out"
"$writer" --write-full-match "$work/full/FULL.mrv"
# The one-competitor match is the full one cut to its first competitor record.
record=$(($(stat -c %s "$work/full/FULLTulokset.dat") / 500))
cp "$work/full/FULL.mrv" "$work/one/ONE.mrv"
cp "$work/full/FULL.dat" "$work/one/ONE.dat"
cp "$work/full/FULLJoukkueet.dat" "$work/one/ONEJoukkueet.dat"
head -c "$record" "$work/full/FULLTulokset.dat" >"$work/one/ONETulokset.dat"

# Wall time of one run in microseconds; bash's own clock, so no extra process is timed.
wall() {
  local start=${EPOCHREALTIME/./}
  "$marvola" "$1" --csv "$work/out/out.csv" >/dev/null
  echo $((${EPOCHREALTIME/./} - start))
}

median() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One warm-up run of each puts the program and the files in the page cache.
wall "$work/full/FULL.mrv" >/dev/null
wall "$work/one/ONE.mrv" >/dev/null
full=() one=()
for ((i = 0; i < runs; ++i)); do
  full+=("$(wall "$work/full/FULL.mrv")")
  one+=("$(wall "$work/one/ONE.mrv")")
done

full_median=$(median "${full[@]}")
one_median=$(median "${one[@]}")
echo "full match:    ${full[*]} us"
echo "one competitor: ${one[*]} us"
awk -v f="$full_median" -v o="$one_median" -v n="$runs" 'BEGIN {
  printf "medians of %d alternating runs: full %.1f ms, one competitor %.1f ms, ratio %.2f\n",
    n, f / 1000, o / 1000, f / o }'
