#!/bin/bash
# Runs every tests/wine/test_*.sh against a mingw build under Wine, on a
# private Xvfb display and a private Wine prefix kept in the build folder.
# Usage: run.sh <win64 build folder> [test scripts...]
set -u
BUILD=$(realpath "$1")
shift
HERE=$(dirname "$(realpath "$0")")
TEST_LIMIT=${TEST_LIMIT:-120}

export BUILD HERE
ARTIFACTS="$BUILD/wine-artifacts"
rm -rf "$ARTIFACTS"
mkdir -p "$ARTIFACTS"
. "$HERE/wine_env.sh"

failed=0
total=0
[ $# -gt 0 ] || set -- "$HERE"/test_*.sh
for test in "$@"; do
    name=$(basename "$test" .sh)
    total=$((total + 1))
    start=$(date +%s)
    if timeout --kill-after=5 "$TEST_LIMIT" bash "$test" >"$ARTIFACTS/$name.log" 2>&1; then
        echo "PASS $name ($(( $(date +%s) - start )) s)"
    else
        failed=$((failed + 1))
        echo "FAIL $name ($(( $(date +%s) - start )) s); log and screenshot in $ARTIFACTS"
        import -display "$DISPLAY" -window root "$ARTIFACTS/$name.png" 2>/dev/null
        sed 's/^/    /' "$ARTIFACTS/$name.log"
    fi
    # Every test leaves no Wine process behind for the next.
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
done
echo "Wine tests: $((total - failed)) of $total passed"
[ "$failed" -eq 0 ]
