# Typing speed: the 5000-character text of the long-text test played into
# Notepad at speed 1 with no keystroke delay. Prints the characters per second
# from starting the second copy to the macro's end, how many characters
# Notepad had taken by then, and when the whole text had arrived.
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

seconds_since() { echo "$(date +%s.%N) - $1" | bc; }
start=$(date +%s.%N)
wine "$PROGRAM_DIR/QORVIL.EXE" /A long >/dev/null 2>&1 &
STARTED+=($!)
wait_for_trace "played macro 5" 200
played=$(seconds_since "$start")
run_probe window_tool.exe text "Untitled - Notepad" >"$PROGRAM_DIR/at_end.txt"
taken=$(stat -c %s "$PROGRAM_DIR/at_end.txt")
if wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/long.txt"; then
    whole="arrived whole after $(seconds_since "$start") s"
else
    whole="did NOT arrive whole: Notepad holds $(stat -c %s "$PROGRAM_DIR/long.txt.got") characters"
fi
echo "typing: 5000 characters played in $played s: $(echo "5000 / $played" | bc) chars/s" \
    "(key pace from key_pace.h: $(grep -o 'kKeyPace = [0-9]*' "$HERE/../../src/playback/key_pace.h" | grep -o '[0-9]*$') ms)"
echo "typing: Notepad had taken $taken characters when the macro ended; the text $whole"
echo "typing: load average $(cut -d ' ' -f 1-3 /proc/loadavg) on $(nproc) processors"
