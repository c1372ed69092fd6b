# Hot-key-to-first-keystroke latency: from an X key press of Ctrl+Alt+N to
# the macro's first key arriving in a target window, median and worst of 50
# presses. The target window logs the keys it receives; the log is polled.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe tests/wine/key_target.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT
run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "latency" 157 "x" || fail "cannot add"
start_program
wait_for_trace "hooks installed"
wine "$PROGRAM_DIR/key_target.exe" 200 >"$PROGRAM_DIR/keys.log" 2>&1 &
STARTED+=($!)
target=$(xdotool search --sync --name "Key Target" | head -n 1)
focus_window "$target" "Key Target"

times=()
for press in $(seq 50); do
    start=$(date +%s%N)
    xdotool key ctrl+alt+n
    until [ "$(grep -c '^down 88' "$PROGRAM_DIR/keys.log")" -ge "$press" ]; do
        [ $(( ($(date +%s%N) - start) / 1000000 )) -gt 5000 ] && fail "press $press typed nothing"
        sleep 0.005
    done
    times+=($(( ($(date +%s%N) - start) / 1000000 )))
    sleep 0.3
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "hot key to first keystroke over ${#sorted[@]} presses: median ${sorted[24]} ms, worst ${sorted[49]} ms"
