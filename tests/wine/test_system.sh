# The system tags on the real system: a macro sets the keyboard delay and
# speed, the screen saver time-out, turns the screen saver off and sets the
# border width, which another program then reads back; it makes a bitmap the
# stretched wallpaper, whose values the registry then holds. A second macro
# meets a printer that is not installed, a display mode past the last one,
# a share that cannot be reached and a system without the dial-up library:
# each says so in its own message, one after the other, and the macro plays
# on to its end.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe tests/wine/system_probe.exe
STARTED=()
DESKTOP_KEY='HKCU\Control Panel\Desktop'
wine reg export "$DESKTOP_KEY" "$PROGRAM_DIR/desktop.reg" /y >/dev/null 2>&1
# The wallpaper values go back as they were; the other settings were never
# stored and end with this test's Wine server.
restore() {
    stop_started "${STARTED[@]}" $PROGRAM_PID
    [ -f "$PROGRAM_DIR/desktop.reg" ] && wine reg import "$PROGRAM_DIR/desktop.reg" >/dev/null 2>&1
}
trap restore EXIT

# A bitmap of one red pixel.
printf 'BM\x3a\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x01\0\0\0\x01\0\0\0\x01\0\x18\0\0\0\0\0\x04\0\0\0\x13\x0b\0\0\x13\x0b\0\0\0\0\0\0\0\0\0\0\0\0\xff\0' \
    >"$PROGRAM_DIR/wall.bmp"
add_macro "settings" 30000 '<KEYSPD:20><KEYDEL:2><SSTIME:07><SSOFF><WBSIZE:05><WALLS:C:\tavrin\wall.bmp>'  # 5
add_macro "failures" 30000 \
    '<DEFPRT:No Such Printer><SCREEN:999><NWCS:<NAME:><PASS:>Q:\\nohost\share><DIAL:<NAME:><PASS:>Nowhere>'  # 6

# Without the dial-up library, as on a system that lacks it.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;rasapi32=d"
run_probe system_probe.exe saver-on || fail "cannot turn the screen saver on first"
start_program
wait_for_trace "hooks installed"

play_macro() {
    wine "$PROGRAM_DIR/QORVIL.EXE" /A "$1" >/dev/null 2>&1 &
    STARTED+=($!)
}

play_macro settings
wait_for_trace "played macro 5" 20
settings=$(run_probe system_probe.exe settings | tr -d '\r')
for expected in "delay 2" "speed 20" "timeout 420" "active 0" "border 5"; do
    grep -qxF "$expected" <<<"$settings" || fail "read back \"$settings\", not \"$expected\""
done
desktop=$(wine reg query "$DESKTOP_KEY" | tr -d '\r')
for expected in 'Wallpaper REG_SZ C:\tavrin\wall.bmp' 'TileWallpaper REG_SZ 0' \
    'WallpaperStyle REG_SZ 2' 'WallpaperOriginX REG_SZ 0' 'WallpaperOriginY REG_SZ 0'; do
    awk '{$1 = $1; print}' <<<"$desktop" | grep -qixF "$expected" \
        || fail "the registry holds \"$desktop\", not \"$expected\""
done

# answer <title> <text>: waits for the message box of that title holding
# that text, then presses its OK.
answer() {
    for _ in $(seq 50); do
        if run_probe system_probe.exe message "$1" | tr -d '\r' | grep -qF -- "$2"; then
            run_probe window_tool.exe press "$1" "OK" || fail "\"$1\" has no OK button"
            return 0
        fi
        sleep 0.2
    done
    fail "no \"$1\" box saying \"$2\"; it says \"$(run_probe system_probe.exe message "$1")\""
}

play_macro failures
answer "Macro Execution Error" "The specified Default Printer does not exist on this computer."
answer "Macro Execution Error" "The specified Screen Display Settings does not exist on this computer."
answer 'Map Q: to \\nohost\share' "Map Failed."
wait_for_windows "Warning" || fail "no \"Warning\" text box for the dial-up library"
run_probe window_tool.exe text "Warning" | grep -qF "Missing RASAPI32.DLL" \
    || fail "the text box says \"$(run_probe window_tool.exe text Warning)\""
run_probe window_tool.exe press "Warning" "&Ok" || fail "the text box has no Ok button"
wait_for_trace "played macro 6" 20
exit 0
