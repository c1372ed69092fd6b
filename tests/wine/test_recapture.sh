# "Re&capture Macro" in the hidden display mode: with "***Last Active
# Window***" chosen the program hides and hands the keys to Notepad, the
# window that was in front before it; what is typed there becomes the
# macro's new text, ended by the macro's own hot key, the "Capture" message
# names that key, and the list shows the macro selected.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe tests/wine/ui_reader.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT
add_macro "Greeting" 288 "old text"
printf '[Capture]\r\nPrompt=No\r\nTime=No\r\nMouse=No\r\n[Misc]\r\nUse Hide=Yes\r\n' \
    >"$WINDOWS_DIR/KELDA.INI"
main="Tavrin 99 (KELDA)"

start_program
wait_for_trace "hooks installed"
start_notepad
# "Activate Tavrin" brings the hidden program forward.
xdotool key ctrl+alt+shift+w
wait_for_windows "$main" || fail "the program did not come forward"
focus_window "$(xdotool search --sync --name "Tavrin 99 \\(KELDA\\)" | head -n 1)" "$main"
xdotool type f1
xdotool key alt+m
sleep 0.5
xdotool key c
wait_for_windows "Capture Macro" || fail "\"Capture Macro\" did not open"
focus_window "$(xdotool search --sync --name "Capture Macro" | head -n 1)" "Capture Macro"
rm -f "$TRACE"
xdotool key Return
wait_for_trace "^recording$"
wait_for_windows "$main" 0 || fail "the program did not hide"
for _ in $(seq 50); do
    run_probe window_tool.exe front | tr -d '\r' | grep -qF "Untitled - Notepad" && break
    sleep 0.1
done
run_probe window_tool.exe front | tr -d '\r' | grep -qF "Untitled - Notepad" \
    || fail "Notepad did not come to the front: $(run_probe window_tool.exe front)"
xdotool type --delay 30 "new text"
xdotool key F1
wait_for_trace "recording ended"
wait_for_windows Capture || fail "no \"Capture\" message"
message=$(run_probe window_tool.exe message Capture | tr -d '\r')
[ "$message" = "Tavrin 99 capture is complete for F1." ] || fail "the message says \"$message\""
run_probe window_tool.exe press Capture OK
wait_for_windows Capture 0 || fail "the message stays"

[ "$(run_probe store_probe.exe record 'C:\tavrin\KELDA.ZYN' 5 text)" = "new text" ] \
    || fail "macro 5 holds \"$(run_probe store_probe.exe record 'C:\tavrin\KELDA.ZYN' 5 text)\""
row=$(run_probe ui_reader.exe selected "$main" | tr -d '\r')
run_probe ui_reader.exe rows "$main" | tr -d '\r' | cut -d'|' -f2- | sed -n "${row}p" \
    | grep -qx 'F1|Greeting|GLOBAL' || fail "row $row is selected, not the recaptured macro"

run_probe window_tool.exe close "$main"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
