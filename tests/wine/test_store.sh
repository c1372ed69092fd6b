# The macro store on real files: a new macro file gets its four system
# macros, and appending, toggling, deleting and reloading work on disk.
. "$HERE/lib.sh"
fresh_program_dir tests/wine/store_probe.exe
out=$(run_probe store_probe.exe 'C:\tavrin\KELDA.ZYN' | tr -d '\r') || fail "probe failed: $out"
echo "$out"
size=$(stat -c %s "$PROGRAM_DIR/KELDA.ZYN")
[ "$size" -eq $((5 * 5165)) ] || fail "KELDA.ZYN has $size bytes"
expected="loaded 4
reloaded 5
1 Activate Tavrin|262|5|1|MAIN|0
2 Resume Pause|264|5|1|MAIN|0
3 Menu of Macros for Top Most Window|265|5|1|MAIN|0
4 Probe Macro|0|1|0|MAIN|5000
5 Start / Stop Capture|263|5|1|MAIN|0"
[ "$out" = "$expected" ] || fail "unexpected store contents"
