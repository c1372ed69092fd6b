# The release zip as a user meets it: unpacked into a fresh folder of the
# prefix, the program starts from there with its hook library, makes its
# macro file beside itself and shows its main window; the "Icons" folder
# came along, and the program files in it are the stripped ones.
. "$HERE/lib.sh"
fresh_program_dir tests/wine/window_tool.exe tests/wine/store_probe.exe
"$HERE/../../scripts/dist.sh" "$BUILD" "$PROGRAM_DIR/zip" >/dev/null || fail "dist.sh failed"
unzip -l "$PROGRAM_DIR/zip/Tavrin.zip" | grep -q "Tavrin/Icons/MENU.ICO" || fail "no Icons folder in the zip"
USER_DIR="$WINEPREFIX/drive_c/Tavrin Download"
rm -rf "$USER_DIR"
mkdir -p "$USER_DIR"
trap 'stop_started $PROGRAM_PID; rm -rf "$USER_DIR"' EXIT
unzip -q "$PROGRAM_DIR/zip/Tavrin.zip" -d "$USER_DIR" || fail "the zip does not unpack"
for f in QORVIL.EXE ZYNHOOK.DLL Icons/MENU.ICO; do
    [ -f "$USER_DIR/Tavrin/$f" ] || fail "the zip lacks $f"
done
for f in QORVIL.EXE ZYNHOOK.DLL; do
    x86_64-w64-mingw32-objdump -h "$USER_DIR/Tavrin/$f" | grep -q debug_info \
        && fail "$f ships with its debugging information"
    [ -f "$PROGRAM_DIR/zip/symbols/$f" ] || fail "no symbols of $f beside the zip"
done

TAVRIN_TRACE='C:\tavrin\trace.txt' wine "$USER_DIR/Tavrin/QORVIL.EXE" >/dev/null 2>&1 &
PROGRAM_PID=$!
wait_for_trace "hooks installed"
wait_for_windows "Tavrin 99 (KELDA)" || fail "no main window"
[ -f "$USER_DIR/Tavrin/KELDA.ZYN" ] || fail "no KELDA.ZYN beside the program"
run_probe window_tool.exe close "Tavrin 99 (KELDA)"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
