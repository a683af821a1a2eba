#!/usr/bin/env bash
# Installs what is missing, builds and starts Marvola: ./run.sh [MATCH.mrv] [batch options]
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ensure_packages
configure_and_build --target marvola >/dev/null

batch=0
for arg in "$@"; do
  case "$arg" in --save|--csv|--pdf|--html|--help|-h) batch=1 ;; esac
done
if [ "$batch" -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] \
   && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: use the batch mode (./run.sh MATCH.mrv --pdf OUT.pdf, see --help) or run under xvfb-run ./run.sh." >&2
  exit 1
fi
exec build/src/app/marvola "$@"
