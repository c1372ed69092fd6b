#!/bin/bash
# Runs every tests/wine/test_*.sh against a mingw build under Wine, on a
# private Xvfb display and a private Wine prefix kept in the build folder.
# Usage: run.sh <win64 build folder> [test scripts...]
set -u
BUILD=$(realpath "$1")
shift
HERE=$(dirname "$(realpath "$0")")
TEST_LIMIT=${TEST_LIMIT:-120}

export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
export BUILD HERE
ARTIFACTS="$BUILD/wine-artifacts"
rm -rf "$ARTIFACTS"
mkdir -p "$ARTIFACTS"

XVFB_PID=""
cleanup() {
    wineserver -k 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
}
trap cleanup EXIT INT TERM

display=""
for n in $(seq 90 150); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

if [ ! -f "$WINEPREFIX/.tavrin-ready" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    # wineboot's exit code is not always meaningful: judge by the registry it
    # leaves, and try once more after stopping any server left behind.
    for _ in 1 2; do
        timeout 300 wineboot -i >"$BUILD/wineboot.log" 2>&1
        wineserver -w
        [ -f "$WINEPREFIX/system.reg" ] && break
        wineserver -k 2>/dev/null
        sleep 2
    done
    [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot failed:"; cat "$BUILD/wineboot.log"; exit 1; }
    touch "$WINEPREFIX/.tavrin-ready"
fi
# The private display has no window manager: Wine would wait for a
# WM_TAKE_FOCUS that never comes, and giving a window the X focus (xdotool
# windowfocus) would never make it the Windows foreground window, where
# played keys go. Let the X focus decide it, as on a desktop.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseTakeFocus /t REG_SZ /d N /f >/dev/null 2>&1

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
