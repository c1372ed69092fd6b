# Quick capture: the "Start / Stop Capture" hot key records what xdotool
# types into Notepad (capitals, punctuation, Enter, Tab, a Backspace,
# Ctrl+Home) until the same key ends it; "Capture Complete" names the macro
# and gives it a Quillet; played by nickname into an empty Notepad it gives
# exactly the text Notepad had. Then "Capture Defaults" stores its options in
# KELDA.INI, and half speed with the time captured starts the text with
# "<SPEED:00002>"; a capture of more than 5000 characters goes whole to the
# next free ZY<i>.TXT (an existing ZY0.TXT is left alone).
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe tests/wine/ui_reader.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

capture_settings() {  # capture_settings <Time> <Speed>
    printf '[Capture]\r\nPrompt=No\r\nTime=%s\r\nSpeed=%s\r\n' "$1" "$2" \
        >"$WINDOWS_DIR/KELDA.INI"
}
# The record of macro $1 as store_probe lists it.
macro_line() { run_probe store_probe.exe list 'C:\tavrin\KELDA.ZYN' | tr -d '\r' | grep "^$1 "; }
# The captured text of macro $1.
macro_text() { run_probe store_probe.exe record 'C:\tavrin\KELDA.ZYN' "$1" text; }
# Names the macro in "Capture Complete": nickname $1, Quillet $2.
complete_capture() {
    wait_for_windows "Capture Complete" || fail "no Capture Complete dialog; captured: $(cat "$PROGRAM_DIR/TempCap.Txt")"
    focus_window "$(xdotool search --sync --name "Capture Complete" | head -n 1)" "Capture Complete"
    xdotool key alt+k ctrl+a BackSpace
    xdotool type "$1"
    xdotool key alt+q alt+i
    xdotool type "$2"
    xdotool key alt+o
    wait_for_trace "capture complete: $1"
}

# Presses the "Start / Stop Capture" key and waits for trace line $1 (up to
# $2 seconds); the trace is emptied first, so an earlier capture's lines
# cannot answer for this one.
capture_key() {
    rm -f "$TRACE"
    xdotool key ctrl+alt+shift+x
    wait_for_trace "$1" "${2:-20}"
}

capture_settings No 1
start_program
wait_for_trace "hooks installed"
start_notepad

capture_key "^recording$"
xdotool type --delay 30 "Hello, World! Tabs:"
xdotool key Return Tab
xdotool type --delay 30 "Done."
xdotool key BackSpace ctrl+Home
xdotool type --delay 30 "Top "
capture_key "recording ended"
run_probe window_tool.exe text "Untitled - Notepad" >"$PROGRAM_DIR/recorded.txt"
printf 'Top Hello, World! Tabs:\r\n\tDone' | cmp -s - "$PROGRAM_DIR/recorded.txt" \
    || fail "Notepad got \"$(cat "$PROGRAM_DIR/recorded.txt")\" while recording"
complete_capture typed qz
macro_line 5 | grep -q '^5 typed|20000|1$' || fail "macro 5 is \"$(macro_line 5)\""
[ "$(run_probe store_probe.exe record 'C:\tavrin\KELDA.ZYN' 5 quillet)" = qz ] \
    || fail "macro 5 has not the Quillet qz"
# The list selects the captured macro.
row=$(run_probe ui_reader.exe selected "Tavrin 99 (KELDA)" | tr -d '\r')
run_probe ui_reader.exe rows "Tavrin 99 (KELDA)" | tr -d '\r' | cut -d'|' -f2- | sed -n "${row}p" \
    | grep -qx 'qz|typed|GLOBAL' || fail "row $row is selected, not the captured macro"

# Played into an emptied Notepad.
focus_window "$NOTEPAD" "Untitled - Notepad"
xdotool key ctrl+End ctrl+shift+Home Delete
printf '' >"$PROGRAM_DIR/empty.txt"
wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/empty.txt" || fail "Notepad was not emptied"
wine "$PROGRAM_DIR/QORVIL.EXE" /A typed >/dev/null 2>&1 &
STARTED+=($!)
wait_for_trace 'run by nickname "TYPED": macro 5'
wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/recorded.txt" \
    || fail "playing the capture gave \"$(cat "$PROGRAM_DIR/recorded.txt.got")\", text: $(macro_text 5)"

run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""

# "Capture Defaults": the time captured at half speed.
printf 'keep' >"$PROGRAM_DIR/ZY0.TXT"
rm -f "$TRACE"
start_program
wait_for_trace "hooks installed"
main=$(xdotool search --sync --name "Tavrin 99 \\(KELDA\\)" | head -n 1)
focus_window "$main" "Tavrin 99 (KELDA)"
xdotool key alt+o
sleep 0.5
xdotool key c
wait_for_windows "Capture Defaults" || fail "\"Capture Defaults\" did not open"
focus_window "$(xdotool search --sync --name "Capture Defaults" | head -n 1)" "Capture Defaults"
xdotool key alt+e alt+h alt+o
wait_for_windows "Capture Defaults" 0 || fail "\"Capture Defaults\" did not close"
kill "${STARTED[0]}" 2>/dev/null
wait_for_windows "Untitled - Notepad" 0 || fail "Notepad did not end"
start_notepad

# Half speed with the time captured; then a capture too long for a record.
capture_key "^recording$"
# After the restart the program's own window is at times in front once
# the capture has begun, instead of Notepad (not understood yet); the keys
# are meant for Notepad.
focus_window "$NOTEPAD" "Untitled - Notepad"
xdotool type --delay 0 "ab"
capture_key "recording ended"
complete_capture slow qs
macro_text 6 | grep -q '^<SPEED:00002>a' || fail "macro 6 holds \"$(macro_text 6)\""

focus_window "$NOTEPAD" "Untitled - Notepad"
capture_key "^recording$"
# Arrows, each a tag of 12 or 13 characters: 220 pairs make more than 5000.
xdotool key --delay 5 $(for _ in $(seq 220); do printf 'Left Right '; done)
capture_key "recording ended" 60
complete_capture long ql
[ "$(macro_text 7)" = '<TFILE:C:\tavrin\ZY1.TXT>' ] || fail "macro 7 holds \"$(macro_text 7)\""
[ "$(cat "$PROGRAM_DIR/ZY0.TXT")" = keep ] || fail "ZY0.TXT was changed"
[ "$(stat -c %s "$PROGRAM_DIR/ZY1.TXT")" -gt 5000 ] || fail "ZY1.TXT is not the whole capture"
[ -e "$PROGRAM_DIR/TempCap.Txt" ] && fail "the capture file was left behind"

run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
# Wine writes the settings file out once the program has ended.
ini=$(tr -d '\r' <"$(settings_file)")
for line in Time=Yes Speed=2 Prompt=No; do
    printf '%s\n' "$ini" | sed -n '/^\[Capture\]/,/^\[/p' | grep -qx "$line" \
        || fail "KELDA.INI has no $line in [Capture]"
done
