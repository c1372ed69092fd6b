# Folders and files for real: a macro creates a folder with its missing
# parents, copies over an existing file, moves one into the new folder,
# deletes one, and plays a text file whose own tags create a folder.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

mkdir -p "$PROGRAM_DIR/one"
printf 'copied' >"$PROGRAM_DIR/SRC.TXT"
printf 'old' >"$PROGRAM_DIR/OLD.TXT"
printf 'moved' >"$PROGRAM_DIR/GONE.TXT"
printf 'deleted' >"$PROGRAM_DIR/DEL.TXT"
printf '<MKDIR:C:\\tavrin\\from file>\032' >"$PROGRAM_DIR/PLAY.TXT"
text='<MKDIR:C:\tavrin\one\two\three><COPYFILE:C:\tavrin\SRC.TXT;C:\tavrin\OLD.TXT>'
text+='<RENFILE:C:\tavrin\GONE.TXT;C:\tavrin\one\two\MOVED.TXT><DELFILE:C:\tavrin\DEL.TXT>'
text+='<TFILE:C:\tavrin\PLAY.TXT>'
add_macro "files" 30000 "$text"  # 5

start_program
wait_for_trace "hooks installed"
wine "$PROGRAM_DIR/QORVIL.EXE" /A files >/dev/null 2>&1 &
STARTED+=($!)
wait_for_trace "played macro 5" 20

[ -d "$PROGRAM_DIR/one/two/three" ] || fail "the folder was not created"
[ "$(cat "$PROGRAM_DIR/OLD.TXT")" = copied ] || fail "the copy did not replace OLD.TXT"
[ "$(cat "$PROGRAM_DIR/one/two/MOVED.TXT" 2>/dev/null)" = moved ] || fail "GONE.TXT was not moved"
[ -e "$PROGRAM_DIR/GONE.TXT" ] && fail "GONE.TXT is still there"
[ -e "$PROGRAM_DIR/DEL.TXT" ] && fail "DEL.TXT was not deleted"
[ -d "$PROGRAM_DIR/from file" ] || fail "the text file's tag was not played"
exit 0
