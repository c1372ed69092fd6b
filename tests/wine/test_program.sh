# The program as a user meets it: a first start makes its macro file, a
# second start hands its command line over and ends, a hot key pressed on
# the X display reaches the main window, and closing saves the settings.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
trap 'stop_started $PROGRAM_PID $SECOND_PID' EXIT

# First start: no settings, no macro file.
start_program
wait_for_trace "hooks installed"
size=$(stat -c %s "$PROGRAM_DIR/KELDA.ZYN" 2>/dev/null)
[ "$size" = $((4 * 5165)) ] || fail "KELDA.ZYN should hold the four system macros, has ${size:-no} bytes"
run_probe window_tool.exe close "Tavrin 99 (KELDA)" || fail "no main window"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
wait_for_trace "closed"
ini=$(settings_file)
[ -n "$ini" ] || fail "no KELDA.INI in the Windows directory after close"
tr -d '\r' <"$ini" | grep -qxF 'Current File=C:\tavrin\KELDA.ZYN' || fail "Current File not saved"

# Two macros: one whose nickname has spaces, with Ctrl+Alt+N (code 157).
run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "Daily Status Mail" 157 "status" || fail "add"
run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "Daily" 30000 "daily" || fail "add"
rm -f "$TRACE"
start_program
wait_for_trace "hooks installed"

# A second copy hands over "/A" with a nickname and another option, and ends.
TAVRIN_TRACE='C:\tavrin\trace2.txt' wine "$PROGRAM_DIR/QORVIL.EXE" /A daily status mail /C \
    >/dev/null 2>&1 &
SECOND_PID=$!
wait_for_exit "$SECOND_PID" 20 || fail "the second copy did not end"
wait_for_trace 'run by nickname "DAILY STATUS MAIL": macro 5'
[ -f "$PROGRAM_DIR/trace2.txt" ] && fail "the second copy started as a program of its own"
count=$(run_probe window_tool.exe count "Tavrin 99" | tr -d '\r')
[ "$count" = 1 ] || fail "$count main windows"

# A real key press on the X display reaches the main window as hot key 157.
window=$(xdotool search --name "Tavrin 99 \(KELDA\)" | head -n 1)
[ -n "$window" ] || fail "main window not found on the X display"
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key ctrl+alt+n
wait_for_trace "hotkey 157"

run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
