# A click captured relative to the window: the quick capture records a click
# in "Key Target" (which logs where its client area is clicked); played back
# by nickname after the pointer has gone elsewhere, the click lands on the
# same place of the window (within the pixel the player's scaling may lose).
# Its hot key is given in "Capture Complete" by pressing it.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe tests/wine/key_target.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT
printf '[Capture]\r\nPrompt=No\r\nTime=No\r\nKeys=No\r\nRelative To Screen=2\r\nWindow Size=No\r\n' \
    >"$WINDOWS_DIR/KELDA.INI"

start_program
wait_for_trace "hooks installed"
wine "$PROGRAM_DIR/key_target.exe" 100 >"$PROGRAM_DIR/target.log" 2>&1 &
STARTED+=($!)
target=$(xdotool search --sync --name "Key Target" | head -n 1)
focus_window "$target" "Key Target"

xdotool key ctrl+alt+shift+x
wait_for_trace "^recording$"
xdotool mousemove --window "$target" 150 90 click 1
for _ in $(seq 50); do grep -q '^click' "$PROGRAM_DIR/target.log" && break; sleep 0.1; done
recorded=$(tr -d '\r' <"$PROGRAM_DIR/target.log" | grep '^click' | head -n 1)
[ -n "$recorded" ] || fail "Key Target saw no click while recording"
xdotool key ctrl+alt+shift+x
wait_for_trace "recording ended"
wait_for_windows "Capture Complete" || fail "no Capture Complete dialog"
focus_window "$(xdotool search --sync --name "Capture Complete" | head -n 1)" "Capture Complete"
xdotool key alt+k ctrl+a BackSpace
xdotool type clicker
# The hot key is given by pressing it in the hot key field: Ctrl+Alt+N.
xdotool key alt+y
sleep 0.5
xdotool key ctrl+alt+n
sleep 1
# Every combination goes to the field while it has the focus: Tab leaves it.
xdotool key Tab
sleep 0.5
xdotool key alt+o
wait_for_trace "capture complete: clicker"
run_probe store_probe.exe list 'C:\tavrin\KELDA.ZYN' | tr -d '\r' | grep -qx '5 clicker|157|1' \
    || fail "macro 5 did not get Ctrl+Alt+N: $(run_probe store_probe.exe list 'C:\tavrin\KELDA.ZYN')"
text=$(run_probe store_probe.exe record 'C:\tavrin\KELDA.ZYN' 5 text)
printf '%s' "$text" | grep -q '^<MMW:[0-9-]*,[0-9-]*><LCLK>$' || fail "macro 5 holds \"$text\""

xdotool mousemove 700 600
focus_window "$target" "Key Target"
wine "$PROGRAM_DIR/QORVIL.EXE" /A clicker >/dev/null 2>&1 &
STARTED+=($!)
wait_for_trace 'run by nickname "CLICKER": macro 5'
for _ in $(seq 50); do [ "$(grep -c '^click' "$PROGRAM_DIR/target.log")" -ge 2 ] && break; sleep 0.1; done
played=$(tr -d '\r' <"$PROGRAM_DIR/target.log" | grep '^click' | sed -n 2p)
# The player's absolute pointer coordinates are truncated, which may land a
# pixel up or left of the place: the same control all the same.
read -r _ rx ry <<<"$recorded"
read -r _ px py <<<"$played"
[ -n "$played" ] && [ $(( (rx - px) * (rx - px) )) -le 1 ] && [ $(( (ry - py) * (ry - py) )) -le 1 ] \
    || fail "recorded \"$recorded\", played \"$played\" ($text)"

run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
