#!/bin/bash
# Benchmarks, run by hand or by "make bench"; they print, they never assert.
#   start-up: time from process start to the hooks installed, and the idle
#   working set five seconds after start, over several starts under Wine.
set -u
BUILD=$(realpath "$1")
export BUILD HERE="$(realpath "$(dirname "$0")/../tests/wine")"
TEST_LIMIT=300 exec "$HERE/run.sh" "$BUILD/win64" "$(realpath "$(dirname "$0")")"/bench_*.sh
