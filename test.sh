#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ensure_packages
configure_and_build

# The upload tests talk to a throwaway MariaDB server on 127.0.0.1, stopped again on exit.
source scripts/test-db.sh
start_test_db
trap stop_test_db EXIT

ctest --preset default "$@"
