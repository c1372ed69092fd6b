# Start-up time to the hooks installed, and the idle working set five seconds
# after start, over five starts.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/window_tool.exe
for run in 1 2 3 4 5; do
    rm -f "$TRACE"
    start_program
    wait_for_trace "idle working set" 30
    tr -d '\r' <"$TRACE" | grep -E "hooks installed|idle working set" | sed "s/^/run $run: /"
    start=$(date +%s.%N)
    run_probe window_tool.exe close "Tavrin 99"
    wait_for_exit "$PROGRAM_PID" || kill "$PROGRAM_PID"
    echo "run $run: closed in $(echo "$(date +%s.%N) - $start" | bc) s"
done
