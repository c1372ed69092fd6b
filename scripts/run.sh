#!/bin/bash
# Starts the program under Wine from the program folder C:\tavrin of a Wine
# prefix of its own (build/win64/run-prefix), apart from the tests' prefix.
# Uses the X display in DISPLAY, or a private Xvfb when there is none (look
# at it with: import -display :77 -window root shot.png).
set -eu
BUILD=$(realpath "$1")
export WINEPREFIX="$BUILD/run-prefix" WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "${DISPLAY:-}" ]; then
    export DISPLAY=:77
    Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    trap 'kill $XVFB_PID 2>/dev/null' EXIT
    echo "No DISPLAY: running on a private Xvfb display :77"
    sleep 1
fi
if [ ! -f "$WINEPREFIX/.tavrin-ready" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tavrin-ready"
fi
folder="$WINEPREFIX/drive_c/tavrin"
mkdir -p "$folder"
cp "$BUILD/src/app/QORVIL.EXE" "$BUILD/src/hooklib/ZYNHOOK.DLL" "$folder/"
echo "Starting C:\\tavrin\\QORVIL.EXE; close its window to end."
wine "$folder/QORVIL.EXE" "$@"
