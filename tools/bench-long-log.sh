#!/usr/bin/env bash
# Times `marvola MATCH.mrv --recover --save` and `--log` on the demo match whose entry log holds a
# million changes after its last open, and prints each run's wall time and largest resident size.
# Usage: tools/bench-long-log.sh [ROWS] [BUILD_DIR]   (defaults: 1000000, ./build)
set -euo pipefail
case "${1:-}" in
  -h|--help)
    cat <<'HELP'
Usage: tools/bench-long-log.sh [ROWS] [BUILD_DIR]   (defaults: 1000000, ./build)
Makes the demo match, writes ROWS changes into its entry log after an open of the set as it is
(python3's sqlite3), then times marvola --recover --save and --log (/usr/bin/time: wall seconds,
largest resident size).
HELP
    exit 0 ;;
  -*) echo "Unknown option $1; see --help." >&2; exit 2 ;;
esac

rows=${1:-1000000}
build=${2:-$(cd "$(dirname "$0")/.." && pwd)/build}
marvola=$build/src/app/marvola
for program in "$marvola" "$build/tools/make_demo"; do
  [ -x "$program" ] || { echo "Build $program first." >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$build/tools/make_demo" m.mrv >/dev/null
# The log's tables as the program makes them, then the rows.
"$marvola" m.mrv --add-station Bench >/dev/null
python3 - "$rows" <<'PY'
import hashlib, sqlite3, struct, sys
digest = hashlib.sha256()
for name in ("m.mrv", "m.dat", "mTulokset.dat", "mJoukkueet.dat"):
    data = open(name, "rb").read()
    digest.update(struct.pack("<q", len(data)))
    digest.update(data)
db = sqlite3.connect("mLoki.db")
db.execute("INSERT INTO events (time, source, kind, new, digest) VALUES "
           "('2026-06-13 08:00:00.000', 'office', 'open', 'm.mrv', ?)", (digest.hexdigest(),))
db.executemany(
    "INSERT INTO events (time, source, kind, slot, number, discipline, field, old, new) "
    "VALUES ('2026-06-13 08:00:01.000', 'office', 'competitor', 1, 1, 'BBPR', 'Kana', ?, ?)",
    ((str(i % 10), str((i + 1) % 10)) for i in range(int(sys.argv[1]))))
db.commit()
PY
/usr/bin/time -f "--recover --save: %e s, %M KB" "$marvola" m.mrv --recover --save m2.mrv 2>&1 | tail -1
/usr/bin/time -f "--log: %e s, %M KB" "$marvola" m.mrv --log out.csv 2>&1 | tail -1
