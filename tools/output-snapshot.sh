#!/usr/bin/env bash
# Writes every output of the program for the demo match and a full match (500 competitors in all
# 16 disciplines, 100 teams), in English, Finnish and Swedish, into one folder: the nine CSV
# files, the printed lists as HTML and as the text of the PDF, the results workbook's sheets as
# text, the check's lines and status, and the live results' JSON and pages. The times of printing and of the refresh are masked, so two
# snapshots of the same outputs are equal: `diff -r BEFORE AFTER` shows what a change changed.
set -euo pipefail

usage() {
  cat <<'EOF'
Usage: tools/output-snapshot.sh MARVOLA TOOLS_DIR OUT_DIR
Makes the demo match (TOOLS_DIR/make_demo) and a full match (TOOLS_DIR/make_full_match) and
writes into OUT_DIR, for each match and each language (en, fi, sv): the CSV files (--csv), the
printed lists (--html, and --pdf as pdftotext -layout text), the workbook (--xlsx, its
sheets as text through openpyxl when the system's Python has it), --check, and the live results
(--serve): /api/lists.json, every list's JSON and page, every competitor's JSON. The times of
printing and of the refresh are masked. Compare two snapshots with diff -r.
EOF
}

case "${1:-}" in
  -h|--help) usage; exit 0 ;;
  -*) echo "Unknown option $1; see --help." >&2; exit 2 ;;
esac
[ $# -eq 3 ] || { usage >&2; exit 2; }

marvola=$(realpath "$1")
tools=$(realpath "$2")
out=$3
for program in "$marvola" "$tools/make_demo" "$tools/make_full_match"; do
  [ -x "$program" ] || { echo "No program $program." >&2; exit 1; }
done
command -v pdftotext >/dev/null || { echo "pdftotext (poppler-utils) is needed." >&2; exit 1; }
command -v curl >/dev/null || { echo "curl is needed." >&2; exit 1; }
# The system's Python, where Debian's python3-openpyxl is; without it the workbook is left out.
python3=/usr/bin/python3
[ -x "$python3" ] || python3=python3
mkdir -p "$out"
out=$(realpath "$out")

work=$(mktemp -d)
server=""
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# No stored language choice: the locale alone picks the language.
export XDG_CONFIG_HOME=$work/config HOME=$work/home
mkdir -p "$XDG_CONFIG_HOME" "$HOME"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

declare -A Locales=([en]=en_US.UTF-8 [fi]=fi_FI.UTF-8 [sv]=sv_SE.UTF-8)

# The printed lists' header carries the time of printing (d.M.yyyy h:m:s); the live JSON the
# time of the refresh.
mask_times() {
  sed -E -e 's/[0-9]{1,2}\.[0-9]{1,2}\.[0-9]{4} +[0-9]{1,2}:[0-9]{1,2}:[0-9]{1,2}/PRINTED-AT/g' \
    -e 's/"refreshed(At)?":"[^"]*"/"refreshed\1":"REFRESHED-AT"/g'
}

# The batch outputs of one match in one language.
batch_outputs() {
  local match=$1 dir=$2 status
  mkdir -p "$dir/csv" "$dir/print"
  # What the run prints names the files written; the folder is left out.
  env "${language_env[@]}" "$marvola" "$match" --csv "$dir/csv/out.csv" 2>&1 | sed "s|$dir|OUT|g" >"$dir/csv/printed.txt"
  env "${language_env[@]}" "$marvola" "$match" --html "$work/lists.html" >/dev/null 2>&1
  mask_times <"$work/lists.html" >"$dir/print/lists.html"
  env "${language_env[@]}" "$marvola" "$match" --pdf "$work/lists.pdf" >/dev/null 2>&1
  pdftotext -layout "$work/lists.pdf" - | mask_times >"$dir/print/lists.pdf.txt"
  # The workbook's bytes carry the time it was made: its sheets are kept as text, one line a row.
  if "$python3" -c 'import openpyxl' 2>/dev/null; then
    env "${language_env[@]}" "$marvola" "$match" --xlsx "$work/results.xlsx" >/dev/null 2>&1
    "$python3" - "$work/results.xlsx" >"$dir/workbook.txt" <<'PYTHON'
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
for sheet in book.worksheets:
    print(f"== {sheet.title} (frozen {sheet.freeze_panes})")
    for row in sheet.iter_rows():
        print("\t".join("" if c.value is None else f"{c.data_type}:{c.value}" for c in row))
PYTHON
  fi
  status=0
  env "${language_env[@]}" "$marvola" "$match" --check >"$dir/check.txt" 2>&1 || status=$?
  echo "$status" >"$dir/check.status"
}

# Fetches paths from the server in one curl run: each path's body into dir, named by the path
# ("/" as index). A path the server does not have leaves no file.
fetch() {
  local base=$1 dir=$2 header=$3 path name config=$work/curl.conf
  shift 3
  : >"$config"
  for path in "$@"; do
    name=$(echo "${path#/}" | tr '/?=&' '____')
    printf 'url = "%s%s"\noutput = "%s/%s"\n' "$base" "$path" "$dir" "${name:-index}" >>"$config"
  done
  curl --silent --fail --parallel --parallel-max 8 ${header:+--header "$header"} --config "$config" || true
}

# The live results of one match as served in one language, asked as the browser's language when
# accept is given.
live_outputs() {
  local base=$1 dir=$2 accept=$3 header="" raw=$work/raw file
  [ -n "$accept" ] && header="Accept-Language: $accept"
  rm -rf "$raw"
  mkdir -p "$raw" "$dir"
  fetch "$base" "$raw" "$header" / /api/lists.json
  mapfile -t lists < <(grep -o '"json":"[^"]*"' "$raw/api_lists.json" | cut -d'"' -f4)
  mapfile -t pages < <(grep -o '"page":"[^"]*"' "$raw/api_lists.json" | cut -d'"' -f4)
  fetch "$base" "$raw" "$header" "${lists[@]}" "${pages[@]}"
  # Every competitor's JSON: the numbers run from 1 to at most 500.
  mapfile -t competitors < <(seq 1 500 | sed 's|.*|/api/competitor/&.json|')
  fetch "$base" "$raw" "$header" "${competitors[@]}"
  for file in "$raw"/*; do
    mask_times <"$file" >"$dir/$(basename "$file")"
  done
}

serve() {
  local match=$1 log=$work/serve.log
  env "${language_env[@]}" "$marvola" "$match" --serve 127.0.0.1:0 >"$log" 2>&1 &
  server=$!
  for _ in $(seq 100); do
    grep -q 'http://127.0.0.1:' "$log" && break
    sleep 0.1
  done
  base=$(grep -o 'http://127.0.0.1:[0-9]*' "$log" | head -1)
  [ -n "$base" ] || { cat "$log" >&2; exit 1; }
}

stop_serving() {
  kill "$server"
  wait "$server" 2>/dev/null || true
  server=""
}

mkdir -p "$work/demo" "$work/full"
"$tools/make_demo" "$work/demo/demo.mrv" >/dev/null
"$tools/make_full_match" "$work/full/full.mrv" >/dev/null

for name in demo full; do
  match=$work/$name/$name.mrv
  for language in en fi sv; do
    # Set for the program only: the shell need not have the locale.
    language_env=(LC_ALL="${Locales[$language]}" LANG="${Locales[$language]}")
    batch_outputs "$match" "$out/$name/$language"
    serve "$match"
    live_outputs "$base" "$out/$name/$language/live" ""
    # The English program serves the other languages to browsers that ask for them.
    if [ "$language" = en ]; then
      live_outputs "$base" "$out/$name/$language/live-accept-fi" fi
      live_outputs "$base" "$out/$name/$language/live-accept-sv" sv
    fi
    stop_serving
  done
done
echo "Outputs written to $out"
