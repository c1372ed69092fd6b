# A macro of the longest text a record holds, 5000 characters of letters,
# digits, punctuation and line breaks, played into Notepad by nickname,
# arrives whole and in order: no key is dropped, however far the typing runs
# ahead of Notepad.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

long_text "$PROGRAM_DIR/long.txt"
run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "long" 30000 '@C:\tavrin\long.txt' \
    || fail "cannot add the macro"
start_program
wait_for_trace "hooks installed"

start_notepad
notepad=$NOTEPAD

wine "$PROGRAM_DIR/QORVIL.EXE" /A long >/dev/null 2>&1 &
STARTED+=($!)
wait_for_trace 'run by nickname "LONG": macro 5'
wait_for_trace "played macro 5" 100
if ! wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/long.txt"; then
    got="$PROGRAM_DIR/long.txt.got"
    first=$(cmp "$PROGRAM_DIR/long.txt" "$got" 2>&1 | head -n 1)
    fail "Notepad holds $(stat -c %s "$got") of 5000 characters; ${first:-a shorter text}"
fi

run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
