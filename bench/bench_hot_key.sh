# Hot-key-to-first-keystroke latency against the floor of a plain key: in
# turns, an X key press of "x" and of Ctrl+Alt+N (whose macro types "x"),
# timed until the key arrives in a target window, 50 of each. The target
# window logs the keys it receives; the log is polled the same way for both,
# so the difference of the medians is what the program adds. xdotool runs
# beside the polling and without its pauses between the keys of a
# combination, which would count against the hot key.
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

arrived=0
# Presses the keys $1 and appends to the array named $2 the ms until one more
# "x" reached the target.
time_press() {
    local start pid
    start=$(date +%s%N)
    xdotool key --delay 0 "$1" &
    pid=$!
    arrived=$((arrived + 1))
    until [ "$(grep -c '^down 88' "$PROGRAM_DIR/keys.log")" -ge "$arrived" ]; do
        [ $(( ($(date +%s%N) - start) / 1000000 )) -gt 5000 ] && fail "$1 typed nothing"
        sleep 0.002
    done
    wait "$pid"
    eval "$2+=($(( ($(date +%s%N) - start) / 1000000 )))"
}

plain=()
hot=()
for _ in $(seq 50); do
    time_press x plain
    sleep 0.3
    time_press ctrl+alt+n hot
    sleep 0.3
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
worst() { printf '%s\n' "$@" | sort -n | tail -n 1; }
p=$(median "${plain[@]}")
h=$(median "${hot[@]}")
echo "plain key to the window over ${#plain[@]} presses:" \
    "median $p ms, worst $(worst "${plain[@]}") ms"
echo "hot key to first keystroke over ${#hot[@]} presses:" \
    "median $h ms, worst $(worst "${hot[@]}") ms"
echo "the program adds $((h - p)) ms at the median"
