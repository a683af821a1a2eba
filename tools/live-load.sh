#!/usr/bin/env bash
# Load benchmark of the live results, not part of ctest: 200 connections poll a full match's pages
# and JSON on 127.0.0.1 for 10 seconds each way, with wrk; prints requests per second and the
# latency percentiles (p99 included). Usage: tools/live-load.sh [CONNECTIONS] [SECONDS]
set -euo pipefail
case "${1:-}" in
  -h|--help)
    cat <<'EOF'
Usage: tools/live-load.sh [CONNECTIONS] [SECONDS]   (defaults: 200 connections, 10 s)
Polls the live results of a full match with wrk and prints requests per second and latencies.
EOF
    exit 0 ;;
  -*) echo "Unknown option $1; see --help." >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
source scripts/common.sh

connections=${1:-200}
seconds=${2:-10}
ensure_packages "${MARVOLA_RUN_PACKAGES[@]}" "${MARVOLA_TEST_PACKAGES[@]}"
configure_and_build --target marvola make_full_match >/dev/null

work=$(mktemp -d)
server=""
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

build/tools/make_full_match "$work/full.mrv"
build/src/app/marvola "$work/full.mrv" --serve 127.0.0.1:0 >"$work/out" 2>&1 &
server=$!
for _ in $(seq 50); do
  grep -q 'http://127.0.0.1:' "$work/out" && break
  sleep 0.2
done
base=$(grep -o 'http://127.0.0.1:[0-9]*' "$work/out" | head -1)
[ -n "$base" ] || { cat "$work/out"; exit 1; }

# Every page and JSON of the index, with the ETag each one has now.
paths=(/ /api/lists.json $(curl -s "$base/api/lists.json" \
  | grep -o '"\(page\|json\)":"[^"]*"' | cut -d'"' -f4))
tagged=()
for path in "${paths[@]}"; do
  tag=$(curl -s -I -H 'Accept-Encoding: gzip, deflate, br' "$base$path" | tr -d '\r' \
    | sed -n 's/^ETag: //Ip')
  tagged+=("$path|$tag")
done
echo "Full match: ${#paths[@]} resources; the BBPR page has $(curl -s "$base/list/bbpr" | wc -c)" \
  "bytes, $(curl -s -H 'Accept-Encoding: deflate' "$base/list/bbpr" | wc -c) compressed."

cat >"$work/poll.lua" <<'LUA'
-- Cycles through the resources given after "--": "PATH|ETAG"; with the mode "poll" each request
-- carries If-None-Match as the pages' own polling does, with "full" every answer is the whole body.
-- Like a browser, every request accepts a compressed body.
local entries, mode, n = {}, "full", 0
local encoding = "gzip, deflate, br"
function init(args)
  mode = args[1]
  for i = 2, #args do
    local path, tag = args[i]:match("^(.-)|(.*)$")
    entries[#entries + 1] = { path = path, tag = tag }
  end
  n = math.random(#entries)
end
function request()
  n = n % #entries + 1
  local e = entries[n]
  if mode == "poll" then
    return wrk.format("GET", e.path, { ["If-None-Match"] = e.tag, ["Accept-Encoding"] = encoding })
  end
  return wrk.format("GET", e.path, { ["Accept-Encoding"] = encoding })
end
LUA

for mode in full poll; do
  echo
  echo "== $mode: $connections connections, ${seconds} s, every page and JSON of the match =="
  wrk -t2 -c"$connections" -d"${seconds}s" --timeout 5s --latency -s "$work/poll.lua" "$base" \
    -- "$mode" "${tagged[@]}"
done
