# The private X display and Wine prefix of the Wine tests and of make screens;
# sourced by run.sh and screens.sh with BUILD set to the win64 build folder,
# and WINE_DECORATED=N when Wine itself is to draw the window frames and
# captions, which no window manager draws here.
# Starts an Xvfb display of its own, makes the prefix "$BUILD/wineprefix" once
# (with wineboot -i) and reuses it, and on exit stops Wine and the display.
export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml="

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
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d "${WINE_DECORATED:-Y}" /f \
    >/dev/null 2>&1
# The screen's dots per inch: 96 unless make screens asks for another
# (SCREENS_DPI), set for every run so a picture taken at 144 leaves no trace.
for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "${SCREENS_DPI:-96}" /f >/dev/null 2>&1
done
