# Quick capture with its "Start Capture" notice: what the user types into
# Notepad as soon as the notice has gone, within 300 ms of closing it with
# Enter, is all in the captured macro.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT
printf '[Capture]\r\nPrompt=Yes\r\nTime=No\r\nSpeed=1\r\n' >"$WINDOWS_DIR/KELDA.INI"

start_program
wait_for_trace "hooks installed"
start_notepad
xdotool key ctrl+alt+shift+x
wait_for_windows "Start Capture" || fail "no \"Start Capture\" notice"
focus_window "$(xdotool search --sync --name "Start Capture" | head -n 1)" "Start Capture"
# The notice goes at the press of Enter; the typing follows at once.
xdotool key Return sleep 0.2 type --delay 30 "Hello, World"
printf 'Hello, World' >"$PROGRAM_DIR/typed.txt"
wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/typed.txt" \
    || fail "Notepad got \"$(cat "$PROGRAM_DIR/typed.txt.got")\""
xdotool key ctrl+alt+shift+x
wait_for_windows "Capture Complete" || fail "the capture did not end"
[ "$(cat "$PROGRAM_DIR/TempCap.Txt")" = "Hello, World" ] \
    || fail "the capture recorded \"$(cat "$PROGRAM_DIR/TempCap.Txt")\""
