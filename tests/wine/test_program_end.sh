# The program is gone within two seconds of its end, whether started by its
# path or as a shortcut starts it (from its own folder, by its Windows path),
# closed or terminated from its menu; a close that comes while the start-up
# warning of a macro file of 600 macros is open waits for that box, then
# ends the program cleanly with the macro file as it was.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
trap 'stop_started $PROGRAM_PID' EXIT
main="Tavrin 99 (KELDA)"
for i in $(seq 10); do add_macro "macro $i" 30000 "text $i"; done

# By its path, closed as Task Manager's "End Task" closes it.
start_program
wait_for_trace "hooks installed"
run_probe window_tool.exe close "$main" || fail "no main window"
wait_for_exit "$PROGRAM_PID" 2 || fail "the program started by its path lingers after a close"
wait "$PROGRAM_PID" || fail "the program ended with code $?"

# From its own folder, ended by "&File" > "&Terminate Tavrin 99".
rm -f "$TRACE"
(cd "$PROGRAM_DIR" && TAVRIN_TRACE='C:\tavrin\trace.txt' exec wine 'C:\tavrin\QORVIL.EXE') \
    >/dev/null 2>&1 &
PROGRAM_PID=$!
wait_for_trace "hooks installed"
window=$(xdotool search --sync --name "Tavrin 99 \(KELDA\)" | head -n 1)
focus_window "$window" "$main"
xdotool key alt+f
sleep 0.5
xdotool key t
wait_for_windows "$main" 0 || fail "the main window stayed after Terminate"
wait_for_exit "$PROGRAM_PID" 2 || fail "the program started from its folder lingers after Terminate"

# 600 macros: the start warns that only 500 are loaded. A close meanwhile
# waits for the warning.
record=$(mktemp)
tail -c 5165 "$PROGRAM_DIR/KELDA.ZYN" >"$record"
for _ in $(seq 586); do cat "$record"; done >>"$PROGRAM_DIR/KELDA.ZYN"
rm -f "$record"
[ "$(stat -c %s "$PROGRAM_DIR/KELDA.ZYN")" = $((600 * 5165)) ] || fail "the macro file is not 600 records"
cp "$PROGRAM_DIR/KELDA.ZYN" "$PROGRAM_DIR/before.zyn"
rm -f "$TRACE"
start_program
wait_for_windows "Warning" || fail "no warning of the 600 macros"
run_probe window_tool.exe message "Warning" | grep -q "holds 600 macros" \
    || fail "the warning says: $(run_probe window_tool.exe message "Warning")"
run_probe window_tool.exe close "Tavrin 99" || fail "no main window behind the warning"
sleep 1
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended under its warning"
[ "$(run_probe window_tool.exe count "Warning" | tr -d '\r')" = 1 ] || fail "the warning went away"
run_probe window_tool.exe press "Warning" "OK" || fail "no OK on the warning"
wait_for_exit "$PROGRAM_PID" 10 || fail "the close asked for under the warning was lost"
wait "$PROGRAM_PID" || fail "the program ended with code $? after a close under its warning"
PROGRAM_PID=""
cmp -s "$PROGRAM_DIR/KELDA.ZYN" "$PROGRAM_DIR/before.zyn" || fail "the macro file changed"
