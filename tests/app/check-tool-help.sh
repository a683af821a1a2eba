#!/usr/bin/env bash
# Every script in tools/ answers --help with its usage and exit status 0, before it looks for a
# build or a package.
set -u
tools=$1
failed=0
for tool in "$tools"/*.sh "$tools"/*.py; do
  [ -e "$tool" ] || continue
  out=$(cd "$(mktemp -d)" && timeout 20 "$tool" --help </dev/null 2>/dev/null)
  status=$?
  if [ "$status" -ne 0 ] || ! grep -q '^Usage:' <<<"$out"; then
    echo "$(basename "$tool") --help: exit $status, no usage" >&2
    failed=1
  fi
done
exit $failed
