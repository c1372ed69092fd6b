# Hot keys pressed on the X display start macros by scope: a Window-scoped
# macro while its window is in front, the Global one otherwise, an "If
# Running" macro brings its window forward; a macro launches Notepad and
# types into it; the system hot key brings the program up; a deactivated
# macro never runs.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe tests/wine/key_target.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

# Codes of Ctrl+Alt+letter: 144 + the letter's place (A = 0).
add_macro "global" 157 "global "                              # 5: Ctrl+Alt+N, Global
add_macro "scoped" 157 "scoped " 2 "note" 1                   # 6: Window "note", Top Most Only
add_macro "running" 158 "running " 2 "note" 0                 # 7: Ctrl+Alt+O, "If Running"
add_macro "launch" 155 '<LAUNCHNO:00Notepad<LAUNCH:notepad.exe>launched'  # 8: Ctrl+Alt+L
add_macro "off" 147 "never" 1 "" 1 0                          # 9: Ctrl+Alt+D, deactivated

start_program
wait_for_trace "hooks installed"

press() {  # press <X window> <its title> <keys>
    focus_window "$1" "$2"
    xdotool key "$3"
}
notepad_is() {  # notepad_is <expected text>
    printf '%s' "$1" >"$PROGRAM_DIR/expected.txt"
    wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/expected.txt" \
        || fail "Notepad holds \"$(cat "$PROGRAM_DIR/expected.txt.got")\", expected \"$1\""
}

wine notepad >/dev/null 2>&1 &
STARTED+=($!)
notepad=$(xdotool search --sync --name "Untitled - Notepad" | head -n 1)
press "$notepad" "Untitled - Notepad" ctrl+alt+n
wait_for_trace "hot key played macro 6"
notepad_is "scoped "

wine "$PROGRAM_DIR/key_target.exe" 60 >"$PROGRAM_DIR/target.log" 2>&1 &
STARTED+=($!)
target=$(xdotool search --sync --name "Key Target" | head -n 1)
press "$target" "Key Target" ctrl+alt+n
wait_for_trace "hot key played macro 5"

press "$target" "Key Target" ctrl+alt+o
wait_for_trace "hot key played macro 7"
notepad_is "scoped running "

# The system hot key pressed after it is handled after it.
press "$target" "Key Target" ctrl+alt+d
press "$target" "Key Target" ctrl+alt+shift+w
wait_for_trace "activated"
tr -d '\r' <"$TRACE" | grep -q "played macro 9" && fail "a deactivated macro ran"
# Without a window manager Wine does not always hand a program the X focus it
# asks for, so the check is that the main window was brought up, not where
# the focus ended.
[ "$(run_probe window_tool.exe count "Tavrin 99 (KELDA)" | tr -d '\r')" = 1 ] \
    || fail "the main window is not shown"

# Launching: close Notepad first, so the macro's Notepad is a new one.
kill "${STARTED[0]}" 2>/dev/null
for _ in $(seq 50); do xdotool search --name "Untitled - Notepad" >/dev/null || break; sleep 0.2; done
press "$target" "Key Target" ctrl+alt+l
wait_for_trace "hot key played macro 8" 30
notepad_is "launched"
run_probe window_tool.exe close "Untitled - Notepad"
