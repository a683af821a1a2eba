#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/common.sh

ensure_packages "${MARVOLA_RUN_PACKAGES[@]}" "${MARVOLA_TEST_PACKAGES[@]}"
configure_and_build

# The core libraries, their tests and the match file loader's fuzz target, built once more by
# clang under AddressSanitizer and UndefinedBehaviorSanitizer: an overflow or a memory fault fails
# the run.
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

# The match file loader fuzzed for a minute under the same sanitizers; a crash, a hang (10 s for
# one input) or a sanitizer report stops it with a non-zero status and leaves the input in
# build-asan/.
rm -rf build-asan/corpus && mkdir -p build-asan/corpus
./build-asan/tests/fuzz/load_fuzz -max_total_time=60 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=build-asan/ build-asan/corpus tests/fuzz/corpus

# The upload tests talk to a throwaway MariaDB server on 127.0.0.1, stopped again on exit.
source scripts/test-db.sh
start_test_db
trap stop_test_db EXIT

# Last, so that its summary closes the run.
ctest --preset default "$@"

