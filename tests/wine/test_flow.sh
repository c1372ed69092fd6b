# Flow and waits for real: a counted repeat types its counter into Notepad; a
# wait for a window goes on when the test starts Notepad later; a wait for
# typed text ends only on the right text; a pause resumes by the resume hot
# key and ends by its Abort button; a macro deactivates another one, whose
# hot key then does nothing, and the macro file says so. Where nothing may
# happen, a later key whose effect must follow is waited for before checking.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

zyn='C:\tavrin\KELDA.ZYN'
add_macro "count" 30000 '<REP:0003:000010:000005><I> <ENDREP>'          # 5
add_macro "waiter" 30000 '<WAITWIN:001:Untitled - Notepad>waited'        # 6
add_macro "typed" 30000 '<WAITTXTY:001:go>!'                             # 7
add_macro "pauser" 159 'a<PAUSE>b'                                       # 8: Ctrl+Alt+P
add_macro "off switch" 30000 '<MACDEACT:pauser>'                         # 9
add_macro "after" 160 'z'                                                # 10: Ctrl+Alt+Q

start_program
wait_for_trace "hooks installed"
play() {  # play <nickname> <macro number>: from a second copy
    # shellcheck disable=SC2086
    wine "$PROGRAM_DIR/QORVIL.EXE" /A $1 >/dev/null 2>&1 &
    STARTED+=($!)
    wait_for_trace "run by nickname \"$(echo "$1" | tr a-z A-Z)\": macro $2" 20
}
notepad_is() {  # notepad_is <expected text>
    printf '%s' "$1" >"$PROGRAM_DIR/expected.txt"
    wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/expected.txt" \
        || fail "Notepad holds \"$(cat "$PROGRAM_DIR/expected.txt.got")\", expected \"$1\""
}

# The wait starts before Notepad exists.
play "waiter" 6
sleep 3
wine notepad >/dev/null 2>&1 &
STARTED+=($!)
wait_for_trace "played macro 6" 30
notepad_is "waited"
notepad=$(xdotool search --name "Untitled - Notepad" | head -n 1)

focus_window "$notepad" "Untitled - Notepad"
play "count" 5
wait_for_trace "played macro 5"
notepad_is "waited10 15 20 "

focus_window "$notepad" "Untitled - Notepad"
play "typed" 7
sleep 1
xdotool type --delay 100 "gp"
xdotool key BackSpace
# A hot key while the macro waits only leaves its trace line, and the hook
# library reports it after the keys typed before it.
xdotool key ctrl+alt+q
wait_for_trace "hotkey 160"
tr -d '\r' <"$TRACE" | grep -q "played macro 7" && fail "a wrong text ended the wait"
xdotool type --delay 100 "o"
wait_for_trace "played macro 7"
notepad_is "waited10 15 20 go!"

# Pause: resumed by the resume hot key (Ctrl+Alt+Shift+Y).
focus_window "$notepad" "Untitled - Notepad"
xdotool key ctrl+alt+p
for _ in $(seq 50); do [ "$(run_probe window_tool.exe count "Pause (")" = 1 ] && break; sleep 0.2; done
[ "$(run_probe window_tool.exe count "Pause (Ctrl+Alt+P)" | tr -d '\r')" = 1 ] || fail "no pause dialog"
xdotool key ctrl+alt+shift+y
wait_for_trace "hot key played macro 8"
notepad_is "waited10 15 20 go!ab"

# Pause: ended by its Abort button.
focus_window "$notepad" "Untitled - Notepad"
rm -f "$TRACE"
xdotool key ctrl+alt+p
for _ in $(seq 50); do [ "$(run_probe window_tool.exe count "Pause (" | tr -d '\r')" = 1 ] && break; sleep 0.2; done
run_probe window_tool.exe press "Pause (" "&Abort" || fail "no Abort button"
wait_for_trace "hot key played macro 8"
notepad_is "waited10 15 20 go!aba"

# A macro deactivates another: its hot key does nothing, the file says so.
play "off switch" 9
wait_for_trace "played macro 9"
run_probe store_probe.exe list "$zyn" | tr -d '\r' | grep -qx "8 pauser|159|0" \
    || fail "the macro file still has pauser active"
rm -f "$TRACE"
focus_window "$notepad" "Untitled - Notepad"
xdotool key ctrl+alt+p
xdotool key ctrl+alt+q
wait_for_trace "hot key played macro 10"
tr -d '\r' <"$TRACE" | grep -q "hot key played macro 8" && fail "a deactivated macro ran"
notepad_is "waited10 15 20 go!abaz"
