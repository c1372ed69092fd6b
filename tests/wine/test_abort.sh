# The user's abort key ends a macro in the middle of a long delay: a macro
# types a word, waits a minute, then types another; the real Pause key
# pressed during the minute brings up "Macro Abort" at once, and the word
# after the delay never reaches Notepad.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

add_macro "stopper" 30000 'before<DELAY:60.00>after'  # 5

start_program
wait_for_trace "hooks installed"
start_notepad

wine "$PROGRAM_DIR/QORVIL.EXE" /A stopper >/dev/null 2>&1 &
STARTED+=($!)
wait_for_trace 'run by nickname "STOPPER": macro 5'
printf 'before' >"$PROGRAM_DIR/before.txt"
wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/before.txt" \
    || fail "Notepad holds \"$(cat "$PROGRAM_DIR/before.txt.got")\" before the delay"

# The macro is inside its delay now; the notice must come long before the
# minute is over. Its window is looked for on the X display, which is
# quicker than a helper program.
xdotool key Pause
pressed=$(date +%s%N)
since_pressed() { echo $(( ($(date +%s%N) - pressed) / 1000000 )); }
until xdotool search --name "^Macro Abort$" >/dev/null 2>&1; do
    [ "$(since_pressed)" -lt 5000 ] || fail "no \"Macro Abort\" notice within 5 s of the Pause key"
    sleep 0.05
done
echo "\"Macro Abort\" showed $(since_pressed) ms after the Pause key"
run_probe window_tool.exe press "Macro Abort" "OK" || fail "the notice has no OK button"
wait_for_trace "played macro 5" 10
sleep 1  # a key still on its way would arrive meanwhile
run_probe window_tool.exe text "Untitled - Notepad" >"$PROGRAM_DIR/after.got"
cmp -s "$PROGRAM_DIR/before.txt" "$PROGRAM_DIR/after.got" \
    || fail "Notepad holds \"$(cat "$PROGRAM_DIR/after.got")\" after the abort"
