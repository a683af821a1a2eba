#!/usr/bin/env bash
# The translation files hold every text of the code, each one translated, and nothing else: an
# unfinished or obsolete message, or a text of the code that no file holds, fails.
# Usage: check-translations.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source_dir=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
for ts in "$source_dir"/translations/marvola_*.ts; do
  name=$(basename "$ts")
  if grep -q 'type="unfinished"' "$ts"; then
    echo "FAIL: $name has unfinished messages:" >&2
    grep -B3 'type="unfinished"' "$ts" | grep '<source>' >&2 || true
    failures=$((failures + 1))
  fi
  if grep -Eq 'type="(obsolete|vanished)"' "$ts"; then
    echo "FAIL: $name has obsolete messages" >&2
    failures=$((failures + 1))
  fi
  cp "$ts" "$work/$name"
done

# The same run as the build's update_translations target, into copies: a text of the code
# missing from a file comes in as a new unfinished message, a text gone from the code drops out.
(cd "$source_dir" && "$lupdate" -silent -locations none -no-obsolete src -ts "$work"/marvola_*.ts)
for ts in "$source_dir"/translations/marvola_*.ts; do
  name=$(basename "$ts")
  if ! diff -u "$ts" "$work/$name" >"$work/$name.diff"; then
    echo "FAIL: $name is not up to date with the code (cmake --build --preset default --target update_translations, then translate):" >&2
    grep '^[-+] *<source>' "$work/$name.diff" >&2 || head -40 "$work/$name.diff" >&2
    failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "translations complete"
exit "$failures"
