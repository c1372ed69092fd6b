# Start-up time to the hooks installed, the idle working set five seconds
# after start and the time to the process's end after a close, over five
# starts each of the program files as shipped (without their debugging
# information, as scripts/dist.sh makes them) and as built.
. "$HERE/lib.sh"
fresh_program_dir tests/wine/window_tool.exe
for f in src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL; do
    name=$(basename "$f")
    cp "$BUILD/$f" "$PROGRAM_DIR/built-$name"
    x86_64-w64-mingw32-strip --strip-all -o "$PROGRAM_DIR/shipped-$name" "$BUILD/$f"
done
for kind in shipped built; do
    for name in QORVIL.EXE ZYNHOOK.DLL; do
        cp "$PROGRAM_DIR/$kind-$name" "$PROGRAM_DIR/$name"
        echo "$kind: $name $(( $(stat -c %s "$PROGRAM_DIR/$name") / 1024 )) KB"
    done
    for run in 1 2 3 4 5; do
        rm -f "$TRACE"
        start_program
        wait_for_trace "idle working set" 30
        tr -d '\r' <"$TRACE" | grep -E "hooks installed|idle working set" | sed "s/^/$kind, run $run: /"
        start=$(date +%s.%N)
        run_probe window_tool.exe close "Tavrin 99"
        wait_for_exit "$PROGRAM_PID" || kill "$PROGRAM_PID"
        echo "$kind, run $run: gone in $(echo "$(date +%s.%N) - $start" | bc) s after the close"
    done
done
