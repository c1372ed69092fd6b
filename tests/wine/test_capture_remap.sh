# A capture while the remapper makes "a" type "b" records what reached the
# program: "banana" typed into Notepad is captured as "bbnbnb".
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT
printf '%s' "ABCDEFGHIJKLMNOPQRSTUVWXYZ" "bbcdefghijklmnopqrstuvwxyz" "0123456789" \
    " !\"#\$%&'()*+,-./:;<=>?@[\\]^_\`}~" >"$PROGRAM_DIR/KELDA.ZYS"
printf '[Capture]\r\nPrompt=No\r\nTime=No\r\n' >"$WINDOWS_DIR/KELDA.INI"

start_program
wait_for_trace "remap hook installed"
wait_for_trace "hooks installed"
start_notepad
xdotool key ctrl+alt+shift+x
wait_for_trace "^recording$"
xdotool type --delay 50 banana
printf 'bbnbnb' >"$PROGRAM_DIR/expected.txt"
wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/expected.txt" \
    || fail "Notepad holds \"$(cat "$PROGRAM_DIR/expected.txt.got")\""
xdotool key ctrl+alt+shift+x
wait_for_trace "recording ended"
wait_for_windows "Capture Complete" || fail "no Capture Complete dialog"
captured=$(cat "$PROGRAM_DIR/TempCap.Txt")
[ "$captured" = bbnbnb ] || fail "the capture holds \"$captured\""
focus_window "$(xdotool search --sync --name "Capture Complete" | head -n 1)" "Capture Complete"
xdotool key Escape
wait_for_windows "Capture Complete" 0 || fail "Capture Complete did not close"

run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
