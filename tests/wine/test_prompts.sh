# The playback windows over Notepad: the repeat prompt refuses "-1" with its
# "Error" box and stays open until it holds a count; it and the text box hold
# the main window still while they are open; the pause hides the minimised
# main window and shows it minimised again when the macro ends; the macro
# types around them all.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT
main="Tavrin 99 (KELDA)"

add_macro "prompts" 159 'a<PROMPTREP>x<ENDREP><TBOX:<HEAD:Box Title>line one
line two>b<PAUSE:100:120:wait here>c'                                   # 5: Ctrl+Alt+P
start_program
wait_for_trace "hooks installed"
run_probe window_tool.exe minimize "$main" || fail "no main window"
for _ in $(seq 50); do
    [ "$(run_probe window_tool.exe iconic "$main" | tr -d '\r')" = 1 ] && break
    sleep 0.1
done
start_notepad

main_disabled() {
    [ "$(run_probe window_tool.exe enabled "$main" | tr -d '\r')" = 0 ] \
        || fail "the main window takes input while \"$1\" is open"
}

xdotool key ctrl+alt+p
wait_for_windows "Macro Repeat" || fail "no repeat prompt"
main_disabled "Macro Repeat"
# The X focus stays with Notepad on a desktop without a window manager.
focus_window "$(xdotool search --name "Macro Repeat" | head -n 1)" "Macro Repeat"
xdotool type -- "-1"
xdotool key Return
wait_for_windows "Error" || fail "\"-1\" was taken as a count"
run_probe window_tool.exe press "Error" "OK" || fail "no OK button on the \"Error\" box"
wait_for_windows "Error" 0 || fail "the \"Error\" box stays"
[ "$(run_probe window_tool.exe count "Macro Repeat" | tr -d '\r')" = 1 ] \
    || fail "the repeat prompt closed on \"-1\""
xdotool type "2"
xdotool key Return
wait_for_windows "Macro Repeat" 0 || fail "the repeat prompt did not close on 2"

wait_for_windows "Box Title" || fail "no text box"
main_disabled "Box Title"
run_probe window_tool.exe press "Box Title" "&Ok" || fail "no Ok button on the text box"
wait_for_windows "Box Title" 0 || fail "the text box did not close"

wait_for_windows "Pause (Ctrl+Alt+P)" || fail "no pause dialog"
[ "$(run_probe window_tool.exe count "$main" | tr -d '\r')" = 0 ] \
    || fail "the main window shows while the pause is open"
run_probe window_tool.exe press "Pause (" "&Resume" || fail "no Resume button"
wait_for_trace "hot key played macro 5"
printf 'axxbc' >"$PROGRAM_DIR/expected.txt"
wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/expected.txt" \
    || fail "Notepad holds \"$(cat "$PROGRAM_DIR/expected.txt.got")\", expected \"axxbc\""
wait_for_windows "$main" || fail "the main window stays hidden after the pause"
[ "$(run_probe window_tool.exe iconic "$main" | tr -d '\r')" = 1 ] \
    || fail "the main window, minimised before the pause, is not minimised after it"
[ "$(run_probe window_tool.exe enabled "$main" | tr -d '\r')" = 1 ] \
    || fail "the main window stays disabled after the macro"
