#!/usr/bin/env bash
# Times the whole batch run `marvola MATCH.mrv --csv OUT.csv` on a full match (500 competitors in
# all 16 disciplines, 100 teams) and on a one-competitor match, alternating the two so that both
# see the same load of a shared machine, and prints the medians and their ratios.
# Usage: tools/bench-csv.sh [RUNS] [BUILD_DIR]   (defaults: 9 runs, ./build)
set -euo pipefail
case "${1:-}" in
  -h|--help)
    cat <<'EOF'
Usage: tools/bench-csv.sh [RUNS] [BUILD_DIR]   (defaults: 9 runs, ./build)
Times marvola MATCH.mrv --csv OUT.csv on a full and a one-competitor match and prints the
medians of wall and processor time and their ratios.
EOF
    exit 0 ;;
  -*) echo "Unknown option $1; see --help." >&2; exit 2 ;;
esac

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

# One run's wall time and processor time (user + system) in milliseconds. The processor time
# hardly depends on how busy the machine is; the wall time does.
run() {
  local TIMEFORMAT='%3R %3U %3S'
  { time "$marvola" "$1" --csv "$work/out/out.csv" >/dev/null 2>&1; } 2>&1 |
    awk '{ printf "%.0f %.0f\n", $1 * 1000, ($2 + $3) * 1000 }'
}

median() {
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One warm-up run of each puts the program and the files in the page cache.
run "$work/full/FULL.mrv" >/dev/null
run "$work/one/ONE.mrv" >/dev/null
full_wall=() full_cpu=() one_wall=() one_cpu=()
for ((i = 0; i < runs; ++i)); do
  read -r wall cpu < <(run "$work/full/FULL.mrv")
  full_wall+=("$wall") full_cpu+=("$cpu")
  read -r wall cpu < <(run "$work/one/ONE.mrv")
  one_wall+=("$wall") one_cpu+=("$cpu")
done

echo "wall ms, full match:     ${full_wall[*]}"
echo "wall ms, one competitor: ${one_wall[*]}"
echo "cpu ms,  full match:     ${full_cpu[*]}"
echo "cpu ms,  one competitor: ${one_cpu[*]}"
awk -v n="$runs" -v fw="$(median "${full_wall[@]}")" -v ow="$(median "${one_wall[@]}")" \
  -v fc="$(median "${full_cpu[@]}")" -v oc="$(median "${one_cpu[@]}")" 'BEGIN {
  printf "medians of %d alternating runs: wall full %.0f ms, one %.0f ms, ratio %.2f;", n, fw, ow, fw / ow
  printf " cpu full %.0f ms, one %.0f ms, ratio %.2f\n", fc, oc, fc / oc }'
