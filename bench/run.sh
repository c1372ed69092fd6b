#!/bin/bash
# Benchmarks, run by hand or by "make bench"; they print, they never assert.
#   recogniser_bench: the tag recogniser's throughput (native build);
#   macro_list_bench: filling, sorting and searching a list of 500 macros;
#   bench_*.sh: the program under Wine, through the Wine test harness.
set -u
BUILD=$(realpath "$1")
BENCH=$(realpath "$(dirname "$0")")
"$BUILD/native/bench/recogniser_bench"
"$BUILD/native/bench/macro_list_bench"
export BUILD HERE="$(realpath "$BENCH/../tests/wine")"
TEST_LIMIT=300 "$HERE/run.sh" "$BUILD/win64" "$BENCH"/bench_*.sh
status=$?
# What each benchmark measured.
for log in "$BUILD"/win64/wine-artifacts/bench_*.log; do
    echo "== $(basename "$log" .log)"
    tr -d '\r' <"$log"
done
exit $status
