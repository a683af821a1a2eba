#!/usr/bin/env bash
# Load and abuse of the live results, not part of ctest. Serves a full match on 127.0.0.1 and
# prints, for each part: the answers, errors and latency percentiles, the slowest answer to a
# bystander on another loopback address, and the server's resident size.
#   1. wrk, within one address's share of connections: every page and JSON, full and polled
#   2. a crowd of CLIENTS polling (conditional GETs 5 s apart) for SECONDS   (default 5000, 60)
#   3. 2,000 clients getting a full list again and again for SECONDS / 2
#   4. 1,000 slow connections from 127.0.0.1 (a byte every 5 s) while 127.0.0.2 gets the index
#      once a second for SECONDS
#   5. a 1 GB body, a 100 MB header line and 5,000 pipelined requests never read, while
#      127.0.0.2 gets the index
# The figures depend on the machine: note its cores and load, printed first.
# Usage: tools/live-load.sh [CLIENTS] [SECONDS]
set -euo pipefail
case "${1:-}" in
  -h|--help)
    cat <<'EOF'
Usage: tools/live-load.sh [CLIENTS] [SECONDS]   (defaults: 5000 clients, 60 s)
Serves a full match on 127.0.0.1 and drives it with wrk, a polling crowd, slow connections and
oversized requests; prints answers, errors, latencies and the server's resident size.
EOF
    exit 0 ;;
  -*) echo "Unknown option $1; see --help." >&2; exit 2 ;;
esac
cd "$(dirname "$0")/.."
source scripts/common.sh

clients=${1:-5000}
seconds=${2:-60}
ensure_packages "${MARVOLA_RUN_PACKAGES[@]}" "${MARVOLA_TEST_PACKAGES[@]}"
configure_and_build --target marvola make_full_match live_crowd >/dev/null
ulimit -n "$(ulimit -Hn)"

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
port=${base##*:}
clients_py=tools/live-clients.py

rss() { awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$server/status"; }
# The processor time the server has used, in hundredths of a second, all its threads together.
cpu() { awk '{print $14 + $15}' "/proc/$server/stat"; }
# Samples the server's resident size every 0.2 s until the process given ends; prints the peak
# and the processor time the server used meanwhile (what a loaded machine's latency is not).
peak_rss() {
  local peak=0 now start used
  start=$(cpu)
  while kill -0 "$1" 2>/dev/null; do
    now=$(rss)
    [ "$now" -gt "$peak" ] && peak=$now
    sleep 0.2
  done
  used=$(( $(cpu) - start ))
  printf 'server resident size: peak %d MB (now %d MB); processor time used %d.%02d s; load %s\n' \
    "$peak" "$(rss)" $((used / 100)) $((used % 100)) "$(cut -d' ' -f1-3 /proc/loadavg)"
}

echo "Machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the start" \
  "(on a shared machine the figures include the others' work)."
echo "Server: resident size $(rss) MB after loading the full match."

# Every page and JSON of the index, with the ETag each one has now.
paths=(/ /api/lists.json $(curl -s "$base/api/lists.json" \
  | grep -o '"\(page\|json\)":"[^"]*"' | cut -d'"' -f4))
jsons=($(curl -s "$base/api/lists.json" | grep -o '"json":"[^"]*"' | cut -d'"' -f4))
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

# wrk connects from one address, so it keeps within that address's share of connections.
for mode in full poll; do
  echo
  echo "== 1. wrk $mode: 30 connections, 10 s, every page and JSON of the match =="
  wrk -t2 -c30 -d10s --timeout 5s --latency -s "$work/poll.lua" "$base" \
    -- "$mode" "${tagged[@]}" | grep -E 'Latency|50%|99%|Requests/sec|errors|requests in'
done

echo
echo "== 2. $clients clients polling their lists' JSON 5 s apart for $seconds s =="
build/tools/live_crowd 127.0.0.1 "$port" "$clients" "$seconds" poll "${jsons[@]}" &
crowd=$!
peak_rss $crowd
wait $crowd || true

echo
echo "== 3. 2000 clients getting the BBPR page again and again for $((seconds / 2)) s =="
build/tools/live_crowd 127.0.0.1 "$port" 2000 $((seconds / 2)) full /list/bbpr &
crowd=$!
peak_rss $crowd
wait $crowd || true

echo
echo "== 4. 1000 slow connections from 127.0.0.1, the index from 127.0.0.2, $seconds s =="
python3 "$clients_py" slow 127.0.0.1 "$port" 1000 "$seconds" &
slow=$!
python3 "$clients_py" probe 127.0.0.1 "$port" 127.0.0.2 "$seconds" &
probe=$!
peak_rss $probe
wait $probe $slow || true

for attack in "body 1073741824" "header 104857600" "pipeline 5000 20"; do
  read -r mode args <<<"$attack"
  echo
  echo "== 5. $mode $args, the index from 127.0.0.2 meanwhile =="
  python3 "$clients_py" probe 127.0.0.1 "$port" 127.0.0.2 20 &
  probe=$!
  # shellcheck disable=SC2086 # the arguments of the attack, split on purpose
  python3 "$clients_py" "$mode" 127.0.0.1 "$port" $args &
  attacker=$!
  peak_rss $probe
  wait $attacker || true
  wait $probe || true
done
