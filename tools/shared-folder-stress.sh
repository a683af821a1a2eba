#!/usr/bin/env bash
# The match in a shared folder, tried with the real program and not part of ctest:
#  1. RUNS times a saver (`marvola full.mrv --save out.mrv`) and a reader of out.mrv (`--csv`, or
#     `--check` every other run) started a random 0-120 ms apart, either one first;
#  2. RUNS times two savers of out.mrv (a full match and a small one) started 0-120 ms apart.
# Counts the runs whose out.mrv set is mixed (not one whole set), whose reader saw a mixed set,
# and whose saver exited 0 but whose save is not what the folder holds (a save lost). Prints the
# figures and exits 1 when any of those is not 0.
# Usage: tools/shared-folder-stress.sh [RUNS] [BUILD_DIR]   (defaults: 200 runs, ./build)
set -uo pipefail
case "${1:-}" in
  -h|--help)
    cat <<'EOF'
Usage: tools/shared-folder-stress.sh [RUNS] [BUILD_DIR]   (defaults: 200 runs, ./build)
Runs a saver and a reader of one match set, then two savers, started 0-120 ms apart, RUNS times
each, with the built program; counts mixed sets, mixed reads and lost saves, prints the figures
and exits 1 when any is not 0. Needs marvola, make_full_match and make_demo built in BUILD_DIR.
EOF
    exit 0 ;;
  -*) echo "Unknown option $1; see --help." >&2; exit 2 ;;
esac

runs=${1:-200}
build=${2:-$(cd "$(dirname "$0")/.." && pwd)/build}
marvola=$build/src/app/marvola
for program in "$marvola" "$build/tools/make_full_match" "$build/tools/make_demo"; do
  [ -x "$program" ] || { echo "Build $program first." >&2; exit 2; }
done
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
suffixes=(.mrv .dat Tulokset.dat Joukkueet.dat)

# A set's four files as one fingerprint.
fingerprint() { for s in "${suffixes[@]}"; do cat "$1$s" 2>/dev/null || echo "<missing $s>"; done | sha256sum | cut -c1-16; }
csvprint() { cat "$1"/*.csv 2>/dev/null | sha256sum | cut -c1-16; }
copyset() { for s in "${suffixes[@]}"; do cp -p "$1$s" "$2$s"; done; }
clean() { rm -rf out* rd; mkdir rd; }
delay() { printf '0.%03d' $((RANDOM % 121)); }

mkdir in
"$build/tools/make_full_match" in/full.mrv || exit 2
"$build/tools/make_demo" in/demo.mrv || exit 2
# The old set in out.mrv: the small match with another club, so that it differs from both.
copyset in/demo in/old
sed -i '1s/.*/Old Club\r/' in/old.dat

# The sets and reader outputs each run can end with, from runs that nothing disturbs.
clean
"$marvola" in/full.mrv --save full_saved.mrv || exit 2
"$marvola" in/demo.mrv --save demo_saved.mrv || exit 2
new_full=$(fingerprint full_saved) new_demo=$(fingerprint demo_saved) old=$(fingerprint in/old)
mkdir -p csv/old csv/full
"$marvola" in/old.mrv --csv csv/old/r.csv && "$marvola" full_saved.mrv --csv csv/full/r.csv || exit 2
csv_old=$(csvprint csv/old) csv_full=$(csvprint csv/full)
check_old=$("$marvola" in/old.mrv --check; echo "exit $?")
check_full=$("$marvola" full_saved.mrv --check; echo "exit $?")
rm -f full_saved* demo_saved*

# Saver and reader.
mixed=0 lost=0 mixed_reads=0 saver_failed=0 reader_failed=0 reads_old=0 reads_new=0
for ((i = 0; i < runs; ++i)); do
  clean
  copyset in/old out
  d=$(delay)
  if ((RANDOM % 2)); then
    first=saver
  else
    first=reader
  fi
  saver() { "$marvola" in/full.mrv --save out.mrv >/dev/null 2>saver.err; echo $? >saver.rc; }
  if ((i % 2)); then
    reader() { "$marvola" out.mrv --check >reader.out 2>reader.err; echo "exit $?" >>reader.out; }
  else
    reader() { "$marvola" out.mrv --csv rd/r.csv >/dev/null 2>reader.err; echo $? >reader.rc; }
  fi
  if [ $first = saver ]; then
    saver & sleep "$d"; reader & wait
  else
    reader & sleep "$d"; saver & wait
  fi
  now=$(fingerprint out)
  rc=$(cat saver.rc)
  [ "$now" = "$old" ] || [ "$now" = "$new_full" ] || { mixed=$((mixed + 1)); echo "run $i: mixed set" >&2; }
  if [ "$rc" = 0 ] && [ "$now" != "$new_full" ]; then lost=$((lost + 1)); echo "run $i: save lost with exit 0" >&2; fi
  [ "$rc" = 0 ] || { saver_failed=$((saver_failed + 1)); echo "run $i: saver $rc: $(cat saver.err)" >&2; }
  if ((i % 2)); then
    got=$(cat reader.out)
    case "$got" in
      "$check_old") reads_old=$((reads_old + 1)) ;;
      "$check_full") reads_new=$((reads_new + 1)) ;;
      *) if grep -q '^exit 1$' reader.out; then reader_failed=$((reader_failed + 1)); echo "run $i: reader: $(cat reader.err)" >&2
         else mixed_reads=$((mixed_reads + 1)); echo "run $i: check saw a mixed set" >&2; fi ;;
    esac
  elif [ "$(cat reader.rc)" != 0 ]; then
    reader_failed=$((reader_failed + 1)); echo "run $i: reader: $(cat reader.err)" >&2
  else
    case $(csvprint rd) in
      "$csv_old") reads_old=$((reads_old + 1)) ;;
      "$csv_full") reads_new=$((reads_new + 1)) ;;
      *) mixed_reads=$((mixed_reads + 1)); echo "run $i: csv of a mixed set" >&2 ;;
    esac
  fi
  [ -z "$(ls out*.part out*.commit 2>/dev/null)" ] || echo "run $i: leftovers $(ls out*.part out*.commit)" >&2
done
echo "saver + reader, $runs runs: $mixed mixed sets, $lost saves lost with exit 0, $mixed_reads" \
  "mixed reads; readers saw the old set $reads_old times, the new one $reads_new times," \
  "failed $reader_failed times; savers failed $saver_failed times"
bad=$((mixed + lost + mixed_reads))

# Two savers.
mixed=0 lost=0 both=0 one=0 none=0
for ((i = 0; i < runs; ++i)); do
  clean
  copyset in/old out
  d=$(delay)
  { "$marvola" in/full.mrv --save out.mrv >/dev/null 2>a.err; echo $? >a.rc; } &
  sleep "$d"
  { "$marvola" in/demo.mrv --save out.mrv >/dev/null 2>b.err; echo $? >b.rc; } &
  wait
  now=$(fingerprint out) a=$(cat a.rc) b=$(cat b.rc)
  case "$now" in
    "$old" | "$new_full" | "$new_demo") ;;
    *) mixed=$((mixed + 1)); echo "run $i: mixed set" >&2 ;;
  esac
  if [ "$a" = 0 ] && [ "$b" = 0 ]; then
    both=$((both + 1))
    [ "$now" = "$new_full" ] || [ "$now" = "$new_demo" ] || { lost=$((lost + 1)); echo "run $i: both saved, neither set there" >&2; }
  elif [ "$a" = 0 ]; then
    one=$((one + 1)); [ "$now" = "$new_full" ] || { lost=$((lost + 1)); echo "run $i: full save lost with exit 0" >&2; }
    echo "run $i: second saver $b: $(cat b.err)" >&2
  elif [ "$b" = 0 ]; then
    one=$((one + 1)); [ "$now" = "$new_demo" ] || { lost=$((lost + 1)); echo "run $i: small save lost with exit 0" >&2; }
    echo "run $i: first saver $a: $(cat a.err)" >&2
  else
    none=$((none + 1)); echo "run $i: both failed: $(cat a.err) / $(cat b.err)" >&2
  fi
done
echo "two savers, $runs runs: $mixed mixed sets, $lost saves lost with exit 0; both saved" \
  "$both times, one $one times, none $none times"
bad=$((bad + mixed + lost))
[ "$bad" = 0 ]
