# Processor time the program uses while a macro waits in a 10-second
# "<DELAY:10.00>": the utime + stime of the QORVIL process (and of this
# prefix's wineserver) from /proc, as a percentage of one core.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe
trap 'stop_started $SECOND_PID $PROGRAM_PID' EXIT
run_probe store_probe.exe add 'C:\tavrin\KELDA.ZYN' "delay" 30000 '<DELAY:10.00>' \
    || fail "cannot add the macro"
start_program
wait_for_trace "hooks installed"
sleep 1
# Other prefixes may run copies of their own: take this prefix's processes.
ours() { tr '\0' '\n' <"/proc/$1/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; }
qorvil=""
for p in $(pgrep -f 'QORVIL\.EXE'); do ours "$p" && qorvil=$p && break; done
[ -n "$qorvil" ] || fail "no QORVIL.EXE process"
server=""
for p in $(pgrep wineserver); do ours "$p" && server=$p; done

ticks() { [ -n "$1" ] && awk '{ print $14 + $15 }' "/proc/$1/stat" || echo 0; }
wine "$PROGRAM_DIR/QORVIL.EXE" /A delay >/dev/null 2>&1 &
SECOND_PID=$!
wait_for_trace 'run by nickname "DELAY": macro 5'
start=$(date +%s.%N)
q0=$(ticks "$qorvil")
s0=$(ticks "$server")
wait_for_trace "played macro 5" 30
q1=$(ticks "$qorvil")
s1=$(ticks "$server")
wall=$(echo "$(date +%s.%N) - $start" | bc)
hz=$(getconf CLK_TCK)
percent() { printf "%.2f" "$(echo "scale=4; 100 * ($2 - $1) / $hz / $wall" | bc)"; }
echo "delay: the 10-second delay took $wall s"
echo "delay: QORVIL.EXE (pid $qorvil) used $(percent "$q0" "$q1") % of one core (target under 2 %)"
[ -n "$server" ] && echo "delay: wineserver (pid $server) used $(percent "$s0" "$s1") % of one core"
exit 0
