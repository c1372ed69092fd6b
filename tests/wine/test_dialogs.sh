# The option dialogs as a user meets them: opened from the menu with keys,
# they hold the main window still (disabled; its own menu keys and clicks
# do nothing) until they close; a refused width keeps "Appearance" open;
# what "Quillet Options", "Settings" and "Appearance" changed is in KELDA.INI
# once the program has closed. A recent file opens by its number in "&File".
# In tray mode the program hides when another program takes the focus, but
# not while one of its dialogs is open.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/window_tool.exe \
    tests/wine/store_probe.exe
run_probe store_probe.exe add 'C:\tavrin\OTHER.ZYN' "other" 30000 "other" >/dev/null \
    || fail "cannot make OTHER.ZYN"
printf '[Misc]\r\nLast File 1=C:\\tavrin\\OTHER.ZYN\r\n' >"$WINDOWS_DIR/KELDA.INI"
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT
main="Tavrin 99 (KELDA)"

start_program
wait_for_trace "hooks installed"
window=$(xdotool search --sync --name "Tavrin 99 \(KELDA\)" | head -n 1)
focus_window "$window" "$main"

# open_dialog <item letter> <caption>: Alt+O, then the item's letter.
open_dialog() {
    focus_window "$window" "$main"
    xdotool key alt+o
    sleep 0.5
    xdotool key "$1"
    wait_for_windows "$2" || fail "\"$2\" did not open"
    [ "$(run_probe window_tool.exe enabled "$main" | tr -d '\r')" = 0 ] \
        || fail "the main window takes input while \"$2\" is open"
}
# The dialog must be in front before keys are typed into it.
to_front() {
    for _ in $(seq 50); do
        run_probe window_tool.exe front | tr -d '\r' | grep -qxF -- "$1" && return 0
        sleep 0.1
    done
    fail "\"$1\" is not in front"
}

# main_ignores_input <caption>: while that dialog is open, a click on the
# main window and its own menu keys (Alt+F, T would end the program) change
# nothing, and the dialog stays.
main_ignores_input() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
    xdotool windowfocus "$window"
    xdotool key alt+f
    sleep 0.3
    xdotool key t
    sleep 1
    kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the main window took Alt+F, T under \"$1\""
    [ "$(run_probe window_tool.exe count "$1" | tr -d '\r')" = 1 ] || fail "\"$1\" closed"
}

open_dialog s "Quillet Options"
main_ignores_input "Quillet Options"
run_probe window_tool.exe press "Quillet Options" "&Cancel" || fail "no Cancel button"
wait_for_windows "Quillet Options" 0 || fail "\"Quillet Options\" did not close"
[ "$(run_probe window_tool.exe enabled "$main" | tr -d '\r')" = 1 ] \
    || fail "the main window stays disabled after \"Quillet Options\""

# Esc cancels; the letter of "Case &Sensitive" and Enter store it.
open_dialog s "Quillet Options"
to_front "Quillet Options"
xdotool key Escape
wait_for_windows "Quillet Options" 0 || fail "Esc did not close \"Quillet Options\""
open_dialog s "Quillet Options"
to_front "Quillet Options"
xdotool key s Return
wait_for_windows "Quillet Options" 0 || fail "Enter did not close \"Quillet Options\""

# "Settings": the close button check box by its letter.
open_dialog t "Settings"
main_ignores_input "Settings"
to_front "Settings"
xdotool key m Return
wait_for_windows "Settings" 0 || fail "Enter did not close \"Settings\""

# A command whose window is not built yet says so: "&Network" under Options.
# Its box is titled "Tavrin 99", which the main window's title holds too.
focus_window "$window" "$main"
xdotool key alt+o
sleep 0.5
xdotool key n
wait_for_windows "Tavrin 99" 2 || fail "choosing \"Network\" said nothing"
to_front "Tavrin 99"
xdotool key Return
wait_for_windows "Tavrin 99" 1 || fail "the not-available message did not close"

# "Appearance": a width of 0 is refused and the dialog stays open.
open_dialog a "Appearance"
to_front "Appearance"
xdotool type "0"
xdotool key Return
wait_for_windows "Error" || fail "no \"Error\" box for a width of 0"
[ "$(run_probe window_tool.exe count "Appearance" | tr -d '\r')" = 1 ] || fail "\"Appearance\" closed"
run_probe window_tool.exe press "Error" "OK" || fail "no OK button on the \"Error\" box"
wait_for_windows "Error" 0 || fail "the \"Error\" box stays"
to_front "Appearance"
xdotool type "77"
xdotool key Return
wait_for_windows "Appearance" 0 || fail "Enter did not close \"Appearance\""
widths=$(run_probe window_tool.exe columns "$main" | tr -d '\r')
# The row number and the icon come before the three columns of the settings.
[ "${widths#* * }" = "77 239 138" ] || fail "the macro list's columns are $widths"

# The first recent file by its number.
focus_window "$window" "$main"
xdotool key alt+f
sleep 0.5
xdotool key 1
wait_for_windows "Tavrin 99 (OTHER)" || fail "\"&1\" of \"&File\" did not open OTHER.ZYN"

run_probe window_tool.exe close "Tavrin 99 (OTHER)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
ini=$(settings_file)
[ -n "$ini" ] || fail "no KELDA.INI"
tr -d '\r' <"$ini" >"$PROGRAM_DIR/kelda.txt"
for line in 'Case Sensative=No' 'Use Close=Yes' 'Col 1 Width=77' 'Col 2 Width=239' \
    'Current File=C:\tavrin\OTHER.ZYN' 'Last File 1=C:\tavrin\KELDA.ZYN'; do
    grep -qxF "$line" "$PROGRAM_DIR/kelda.txt" || fail "KELDA.INI lacks the line: $line"
done

# Tray mode for this run ("/S"): Ctrl+Alt+Shift+W brings the main window up.
rm -f "$TRACE"
start_program /S
wait_for_trace "hooks installed"
main="Tavrin 99 (OTHER)"
start_notepad
xdotool key ctrl+alt+shift+w
wait_for_trace "activated"
wait_for_windows "$main" || fail "Ctrl+Alt+Shift+W did not show the main window"
window=$(xdotool search --name "Tavrin 99 \(OTHER\)" | head -n 1)
open_dialog s "Quillet Options"
focus_window "$NOTEPAD" "Untitled - Notepad"
sleep 1
[ "$(run_probe window_tool.exe count "$main" | tr -d '\r')" = 1 ] \
    || fail "the main window hid while \"Quillet Options\" was open"
run_probe window_tool.exe press "Quillet Options" "&Cancel" || fail "no Cancel button"
wait_for_windows "Quillet Options" 0 || fail "\"Quillet Options\" did not close"
focus_window "$window" "$main"
focus_window "$NOTEPAD" "Untitled - Notepad"
wait_for_windows "$main" 0 || fail "in tray mode the main window stays when Notepad takes the focus"
