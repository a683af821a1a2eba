#!/usr/bin/env bash
# Installs what is missing, builds and starts Marvola: ./run.sh [MATCH.mrv] [batch options]
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ensure_packages "${MARVOLA_RUN_PACKAGES[@]}"
configure_and_build --target marvola >/dev/null

batch=0
match=""
for arg in "$@"; do
  case "$arg" in
    --save|--csv|--pdf|--html|--check|--upload|--serve|--recover|--log|--help|-h|--version) batch=1 ;;
    --*) ;;
    *) [ -z "$match" ] && match="$arg" ;;
  esac
done
if [ "$batch" -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] \
   && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  # No display (over SSH, in a container): the live results of the match, for any browser.
  echo "No display: the window needs one (run under xvfb-run ./run.sh), and the batch mode" >&2
  echo "writes files without one (./run.sh MATCH.mrv --pdf OUT.pdf, see --help)." >&2
  echo "Meanwhile the live results of ${match:-examples/demo.mrv} are served on port 8080:" >&2
  echo "open one of the addresses below in a browser; stop with Ctrl+C." >&2
  old_layout=()
  for arg in "$@"; do [ "$arg" = "--old-layout" ] && old_layout=(--old-layout); done
  exec build/src/app/marvola "${match:-examples/demo.mrv}" "${old_layout[@]}" --serve 8080
fi
exec build/src/app/marvola "$@"
