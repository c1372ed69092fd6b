# A right click on the recording tray icon ends a quick capture as the stop
# key does: the text typed and the click made before it are kept. "Capture
# Complete" closed without "&Ok" leaves the macro named "Capture" with the
# Quillet "capture".
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT
printf '[Capture]\r\nPrompt=No\r\nTime=No\r\n' >"$WINDOWS_DIR/KELDA.INI"
start_program
wait_for_trace "hooks installed"
start_notepad
xdotool key ctrl+alt+shift+x
wait_for_trace "^recording$"
xdotool type --delay 30 "ab"
xdotool mousemove --window "$NOTEPAD" 100 100 click 1
sleep 0.5
# Wine shows the tray icons in a window of its own; the recording icon is
# the only one.
tray=$(xdotool search --name "Wine System Tray" | head -n 1)
[ -n "$tray" ] || fail "no tray window"
xdotool mousemove --window "$tray" 8 8 click 3
wait_for_trace "recording ended"
wait_for_windows "Capture Complete" || fail "no Capture Complete dialog"
grep -q '^ab<MMS:[0-9]*,[0-9]*><LCLK>' "$PROGRAM_DIR/TempCap.Txt" \
    || fail "the capture holds \"$(cat "$PROGRAM_DIR/TempCap.Txt")\""
focus_window "$(xdotool search --sync --name "Capture Complete" | head -n 1)" "Capture Complete"
xdotool key Escape
wait_for_windows "Capture Complete" 0 || fail "Capture Complete did not close"
wait_for_trace "capture complete: Capture"
# The record is written once the dialog has ended.
for _ in $(seq 50); do
    [ -e "$PROGRAM_DIR/TempCap.Txt" ] || break
    sleep 0.1
done
line=$(run_probe store_probe.exe list 'C:\tavrin\KELDA.ZYN' | tr -d '\r' | grep '^5 ')
[ "$line" = "5 Capture|20000|1" ] || fail "macro 5 is \"$line\""
[ "$(run_probe store_probe.exe record 'C:\tavrin\KELDA.ZYN' 5 quillet)" = capture ] \
    || fail "macro 5 has not the Quillet capture"
text=$(run_probe store_probe.exe record 'C:\tavrin\KELDA.ZYN' 5 text)
case "$text" in ab\<MMS:*\>\<LCLK\>*) ;; *) fail "macro 5 holds \"$text\"" ;; esac

run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
