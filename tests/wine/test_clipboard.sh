# The clipboard tags on the real clipboard: a file's text (its last Ctrl+Z
# dropped) goes to the clipboard and plays back without its line breaks,
# its "<TAB>" pressed as a key; the text between "<BEGCLIP>" and
# "<ENDCLIP>" goes to the clipboard and "<CLIPP>" pastes it into Notepad.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

printf 'one\r\ntwo<TAB>three\x1a' >"$PROGRAM_DIR/clip.txt"
printf '%s' '<CLIPF:C:\tavrin\clip.txt><CLIPTYPEI><BEGCLIP>[pasted]<ENDCLIP><CLIPP>' \
    >"$PROGRAM_DIR/macro.txt"
run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "clipboard" 30000 '@C:\tavrin\macro.txt' \
    || fail "cannot add the clipboard macro"

start_program
wait_for_trace "hooks installed"
start_notepad

wine "$PROGRAM_DIR/QORVIL.EXE" /A clipboard >/dev/null 2>&1 &
second=$!
STARTED+=("$second")
wait_for_exit "$second" 20 || fail "the second copy did not end"
wait_for_trace "played macro 5" 30

printf 'onetwo\tthree[pasted]' >"$PROGRAM_DIR/typed.txt"
wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/typed.txt" \
    || fail "Notepad holds $(od -c "$PROGRAM_DIR/typed.txt.got")"

run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
