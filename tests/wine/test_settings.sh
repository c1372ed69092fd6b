# The settings file through the real profile functions: it lands in the
# Windows directory with the exact section and key names, and a reload gives
# the record that was saved.
. "$HERE/lib.sh"
fresh_program_dir tests/wine/settings_probe.exe

run_probe settings_probe.exe save 'C:\tavrin' || fail "save failed"
ini=$(settings_file)
[ -n "$ini" ] || fail "no KELDA.INI in the Windows directory"
[ -e "$PROGRAM_DIR/KELDA.INI" ] && fail "KELDA.INI was written to the program folder"
tr -d '\r' <"$ini" >"$BUILD/kelda.ini.txt"
for line in '[Misc]' 'Current File=C:\tavrin\KELDA.ZYN' 'Last File 1=C:\A.ZYN' 'Last File 5=' \
    'Use Tray=Yes' '[Scheduler]' 'Timer Seconds=30' '[Main Window]' 'Col 2 Width=202' \
    '[Quillets]' 'Case Sensative=No' 'Prefix Keys=;;' '[Grid Font]' 'Font Name=Courier New' \
    '[Grid Title Font]' 'Size=12' '[Print List Font]' '[Capture]' 'Double Alt=Yes' \
    '[Network]' 'Sync Minutes=45' '[Script Page]' 'Width=606'; do
    grep -qxF "$line" "$BUILD/kelda.ini.txt" || fail "KELDA.INI lacks the line: $line"
done
out=$(run_probe settings_probe.exe check 'C:\tavrin' | tr -d '\r')
echo "$out"
[ "$out" = "settings ok" ] || fail "the reloaded settings differ"
