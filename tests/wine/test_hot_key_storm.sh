# A user hammering a hot key while its macro types: 40 real X presses of
# Ctrl+Alt+N about 30 ms apart, with a macro that types "xy". Presses that
# come while the macro plays start nothing; the others play it whole. The
# user's Ctrl and Alt, held while a macro types, must never turn a typed key
# into a shortcut, so Notepad ends up holding only whole "xy"s, one for each
# macro played.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

add_macro "storm" 157 "xy"  # 5: Ctrl+Alt+N

start_program
wait_for_trace "hooks installed"
start_notepad

presses=()
for _ in $(seq 40); do presses+=(ctrl+alt+n); done
xdotool key --delay 30 "${presses[@]}"

# Keys still queued for Notepad go on arriving after the last macro ended:
# the text is read until it has not changed for three seconds.
text="$PROGRAM_DIR/notepad.txt"
unchanged=0
last=""
while [ "$unchanged" -lt 3 ]; do
    sleep 1
    run_probe window_tool.exe text "Untitled - Notepad" >"$text" || fail "cannot read Notepad"
    now=$(md5sum <"$text")
    if [ "$now" = "$last" ]; then unchanged=$((unchanged + 1)); else unchanged=0; fi
    last=$now
done

played=$(tr -d '\r' <"$TRACE" | grep -c "hot key played macro 5")
echo "$played macros played; Notepad holds \"$(cat "$text")\""
[ "$played" -ge 1 ] || fail "no macro played"
grep -qxE "(xy)+" "$text" || fail "Notepad holds more than whole macro texts: \"$(cat "$text")\""
[ "$(grep -o xy "$text" | wc -l)" -eq "$played" ] \
    || fail "$played macros played, but Notepad holds \"$(cat "$text")\""
