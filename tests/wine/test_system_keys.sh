# The System Hot Keys dialog, opened by Rename Macro on a system macro: a
# hot key pressed on the X display while a field has the focus goes into
# the field instead of starting anything, "&Help" says the help file is
# missing, a Global macro's key is refused,
# and after Ok the new key brings the program up and the old one is free.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

add_macro "global" 157 "global "                        # 5: Ctrl+Alt+N

start_program
wait_for_trace "hooks installed"
main=$(xdotool search --sync --name "Tavrin 99 \(KELDA\)" | head -n 1)
focus_window "$main" "Tavrin 99 (KELDA)"
# Typing in the list selects "Activate Tavrin" by its activation text.
xdotool type --delay 100 "ctrl+alt+shift+w"
xdotool key alt+m m
wait_for_windows "System Hot Keys" || fail "System Hot Keys did not open"
dialog=$(xdotool search --name "System Hot Keys" | head -n 1)
focus_window "$dialog" "System Hot Keys"
field_is() {
    [ "$(run_probe window_tool.exe text "System Hot Keys" | tr -d '\r')" = "$1" ] \
        || fail "the field holds \"$(run_probe window_tool.exe text "System Hot Keys")\", not \"$1\""
}
field_is "Ctrl+Alt+Shift+W"

# "&Help" without the help file says so, and the dialog stays.
run_probe window_tool.exe press "System Hot Keys" "&Help" || fail "no Help button"
wait_for_windows "Error" || fail "Help said nothing of the missing help file"
[ "$(run_probe window_tool.exe message "Error" | tr -d '\r')" = \
    "The help file KORRINDA.HLP could not be located.  Please make sure that it was installed." ] \
    || fail "Help said: $(run_probe window_tool.exe message "Error")"
focus_window "$(xdotool search --name "^Error$" | head -n 1)" "Error"
xdotool key Return
wait_for_windows "Error" 0 || fail "the help message did not close"
focus_window "$dialog" "System Hot Keys"

xdotool key ctrl+alt+n
wait_for_windows "Error" || fail "the key of a Global macro was not refused"
focus_window "$(xdotool search --name "^Error$" | head -n 1)" "Error"
xdotool key Return
wait_for_windows "Error" 0 || fail "the refusal did not close"
field_is "Ctrl+Alt+Shift+W"

focus_window "$dialog" "System Hot Keys"
xdotool key ctrl+alt+shift+q
for _ in $(seq 25); do
    [ "$(run_probe window_tool.exe text "System Hot Keys" | tr -d '\r')" = "Ctrl+Alt+Shift+Q" ] && break
    sleep 0.2
done
field_is "Ctrl+Alt+Shift+Q"
xdotool key Return
wait_for_trace "system hot keys saved"
# Saved by a key pressed after Ctrl+Alt+N.
tr -d '\r' <"$TRACE" | grep -q "hot key played macro 5" && fail "the Global macro ran"
run_probe store_probe.exe list 'C:\tavrin\KELDA.ZYN' | tr -d '\r' | grep -q "^1 Activate Tavrin|256|" \
    || fail "the system macro was not rewritten: $(run_probe store_probe.exe list 'C:\tavrin\KELDA.ZYN')"

start_notepad
xdotool key ctrl+alt+shift+w
focus_window "$NOTEPAD" "Untitled - Notepad"
xdotool key ctrl+alt+shift+q
wait_for_trace "activated"
[ "$(tr -d '\r' <"$TRACE" | grep -c "^activated")" = 1 ] \
    || fail "the old key still brings the program up"
