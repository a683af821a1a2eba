#!/usr/bin/env bash
# Builds the Debian package from the build tree, checks its control fields and file list, unpacks
# it and runs the unpacked program: --help, --version and a batch CSV export of the demonstration
# match; lintian, when installed, reports no error and no warning.
# Usage: check-package.sh BUILD_DIR SOURCE_DIR VERSION
set -euo pipefail
export LC_ALL=C

build_dir=$1
source_dir=$2
version=$3
arch=$(dpkg --print-architecture)
deb="$build_dir/marvola_${version}_${arch}.deb"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The package target builds what is stale first, so the package never holds an old program.
rm -f "$deb"
if ! cmake --build "$build_dir" --target package >"$work/package.log" 2>&1; then
  cat "$work/package.log" >&2
  echo "FAIL: cmake --build $build_dir --target package" >&2
  exit 1
fi
[ -f "$deb" ] || { echo "FAIL: $deb was not written" >&2; exit 1; }

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
expect_field() {
  local actual
  actual=$(field "$1")
  [ "$actual" = "$2" ] || fail "$1 is '$actual', expected '$2'"
}
expect_field Package marvola
expect_field Version "$version"
expect_field Architecture "$arch"
field Maintainer | grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
[ -n "$(field Section)" ] || fail "Section is empty"
description=$(field Description)
[ -n "$(head -n 1 <<<"$description")" ] || fail "Description has no summary line"
[ "$(wc -l <<<"$description")" -ge 2 ] || fail "Description has no long text"

# Depends: what dpkg-shlibdeps found in the binary and the three packages no link shows.
depends=$(field Depends | tr ',' '\n' | sed 's/^ *//')
for name in libqt6sql6-mysql libqt6sql6-sqlite fonts-liberation libc6; do
  grep -Eq "^$name( |$)" <<<"$depends" || fail "Depends lacks $name: $(field Depends)"
done
grep -Eq '^libqt6(core|gui|widgets)6' <<<"$depends" || fail "Depends lacks the Qt libraries: $(field Depends)"
expect_field Recommends qt6-translations-l10n

# File list: exactly the program and its desktop files, nothing from the tests or the tools.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/files"
cat >"$work/expected" <<'EOF'
./usr/bin/marvola
./usr/share/applications/marvola.desktop
./usr/share/doc/marvola/changelog.gz
./usr/share/doc/marvola/copyright
./usr/share/icons/hicolor/256x256/apps/marvola.png
./usr/share/man/man1/marvola.1.gz
./usr/share/mime/packages/marvola.xml
EOF
diff -u "$work/expected" "$work/files" >&2 || fail "the package's files differ from the list above"
dpkg-deb -c "$deb" | grep -E ' \./usr/bin/marvola$' | grep -q '^-rwxr-xr-x root/root' \
  || fail "usr/bin/marvola is not an executable owned by root"

# Unpacked: the desktop entry, the file type and the manual page agree with each other.
root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/marvola.desktop"
mime="$root/usr/share/mime/packages/marvola.xml"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects marvola.desktop"
fi
grep -qx 'MimeType=application/x-marvola-match;' "$desktop" || fail "the desktop entry does not open application/x-marvola-match"
grep -q '<mime-type type="application/x-marvola-match">' "$mime" || fail "marvola.xml does not declare application/x-marvola-match"
grep -q '<glob pattern="\*.mrv"/>' "$mime" || fail "marvola.xml does not claim *.mrv"
# A PNG's header holds its width and height; the hicolor folder name has to match them.
icon_header=$(od -An -tx1 -N24 "$root/usr/share/icons/hicolor/256x256/apps/marvola.png" | tr -d ' \n')
[ "$icon_header" = 89504e470d0a1a0a0000000d494844520000010000000100 ] \
  || fail "the icon is not a 256 x 256 PNG"
man=$(gzip -dc "$root/usr/share/man/man1/marvola.1.gz")
grep -q '^\.TH MARVOLA "1"' <<<"$man" || fail "marvola.1 has no section 1 title"
grep -q -- 'csv' <<<"$man" || fail "marvola.1 does not list the --csv option"

# The unpacked program runs with the system's libraries.
program="$root/usr/bin/marvola"
export QT_QPA_PLATFORM=offscreen
if ! "$program" --help >"$work/help" 2>&1; then
  cat "$work/help" >&2
  fail "marvola --help failed"
fi
grep -q '^Usage: marvola' "$work/help" || fail "marvola --help printed no usage"
[ "$("$program" --version 2>&1)" = "marvola $version" ] || fail "marvola --version is not 'marvola $version'"

mkdir "$work/out"
if ! "$program" "$source_dir/examples/demo.mrv" --csv "$work/out/demo.csv" >"$work/batch" 2>&1; then
  cat "$work/batch" >&2
  fail "marvola demo.mrv --csv failed"
fi
(cd "$work/out" && ls) >"$work/csv"
cat >"$work/csv-expected" <<'EOF'
demo.csv
demoBBP.csv
demoBBPTeams.csv
demoBBR.csv
demoFP.csv
demoFPTeams.csv
demoSBP.csv
demoSBPTeams.csv
demoSBR.csv
EOF
diff -u "$work/csv-expected" "$work/csv" >&2 || fail "the batch export did not write the nine CSV files"
[ -s "$work/out/demo.csv" ] || fail "demo.csv is empty"

# Debian's own checker: no error and no warning.
if command -v lintian >/dev/null; then
  allow_root=()
  [ "$(id -u)" -eq 0 ] && allow_root=(--allow-root)
  lintian "${allow_root[@]}" "$deb" >"$work/lintian" 2>&1 || true
  if grep -E '^[EW]: ' "$work/lintian" >&2; then
    fail "lintian reports errors or warnings"
  fi
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) of $deb failed" >&2
  exit 1
fi
echo "$deb: control fields, files and the unpacked program are right"
