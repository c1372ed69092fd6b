# ZYNHOOK.DLL for real, through hook_host, a window that prints what the
# library posts to it and which key presses reach it. A user's Ctrl+Alt+N is
# reported as its hot key and kept from the window; typing, caret keys,
# Caps Lock, Pause, clicks, activity, activations and a program start are
# reported. The program's own playback (injected while InUse) triggers
# nothing, and its end marker clears InUse and WaitDrain.
. "$HERE/lib.sh"
fresh_program_dir tests/wine/hook_host.exe src/hooklib/ZYNHOOK.DLL

STARTED=()
stop_started() {
    local pid
    for pid in "${STARTED[@]}"; do kill "$pid" 2>/dev/null; done
}
trap stop_started EXIT

LOG=""
# Starts the host in the background, its output in $PROGRAM_DIR/<mode>.log.
start_host() {
    local seconds=$1 mode=$2
    LOG="$PROGRAM_DIR/$mode.log"
    : >"$LOG"
    wine "$PROGRAM_DIR/hook_host.exe" "$seconds" "$mode" >"$LOG" 2>"$PROGRAM_DIR/$mode.err" &
    STARTED+=($!)
}
show_log() {
    echo "--- $LOG"
    tr -d '\r' <"$LOG"
}
# Waits (at most $2 seconds, default 10) for a log line matching $1.
expect() {
    local pattern=$1 limit=${2:-10} i
    for ((i = 0; i < limit * 10; i++)); do
        tr -d '\r' <"$LOG" | grep -q -- "$pattern" && return 0
        sleep 0.1
    done
    show_log
    fail "no line matching '$pattern'"
}
refuse() {
    if tr -d '\r' <"$1" | grep -q -- "$2"; then
        show_log
        fail "unexpected line matching '$2' in $1"
    fi
}
count() { tr -d '\r' <"$LOG" | grep -c -- "$1"; }

# --- a user at the keyboard and mouse
start_host 20 user
expect "^hooked [1-9][0-9]* [1-9][0-9]* [1-9][0-9]*$" 30
expect "^hotkey 157$"
window=$(tr -d '\r' <"$LOG" | sed -n 's/^window //p')
expect "^msg 0x407 $window 0$"
id=""
for _ in $(seq 100); do
    id=$(xdotool search --name "^Hook Host$" 2>/dev/null | head -n 1)
    [ -n "$id" ] && break
    sleep 0.1
done
[ -n "$id" ] || fail "the Hook Host window did not appear"
xdotool windowfocus --sync "$id"

xdotool key ctrl+alt+n
expect "^msg 0x402 \(157\|32925\) [0-9-]*$"
xdotool key a b Left
expect "^msg 0x406 0 97$"
expect "^msg 0x406 0 98$"
expect "^msg 0x410 0 98$"
expect "^msg 0x40f 65 0$"
expect "^msg 0x406 1 0$"
expect "^msg 0x410 1 0$"
expect "^key 66$"
xdotool key Pause
expect "^msg 0x405 0 0$"
expect "^key 19$"
xdotool key Caps_Lock a Caps_Lock
expect "^msg 0x409 1 0$"
expect "^msg 0x406 2 65$"
expect "^msg 0x409 0 0$"
xdotool mousemove --window "$id" 60 60 click 1
expect "^msg 0x40e 1 0$"
expect "^msg 0x40b 0 0$"
# The hot key's N never reached the window, nor counted as typed.
refuse "$LOG" "^key 78$"
refuse "$LOG" "^msg 0x406 0 110$"

programs=$(count "^msg 0x40d ")
wine notepad >/dev/null 2>&1 &
STARTED+=($!)
for ((i = 0; i < 150; i++)); do
    [ "$(count "^msg 0x40d ")" -gt "$programs" ] && break
    sleep 0.1
done
[ "$(count "^msg 0x40d ")" -gt "$programs" ] || { show_log; fail "no 0x40D after notepad started"; }
expect "^unhooked$" 40

# --- the program's own playback
start_host 6 inuse
expect "^unhooked$" 40
played="$PROGRAM_DIR/played.log"
tr -d '\r' <"$LOG" | sed -n '/^injecting$/,/^msg 0x40c /p' >"$played"
after="$PROGRAM_DIR/after.log"
tr -d '\r' <"$LOG" | sed -n '/^msg 0x40c /,$p' >"$after"
grep -q "^msg 0x40c 0 0$" "$played" || { show_log; fail "no 0x40C for the end marker"; }
grep -q "^msg 0x411 0 0$" "$after" || { show_log; fail "no 0x411 for the end marker"; }
for pattern in "^msg 0x402 " "^msg 0x406 [02] " "^msg 0x40f " "^msg 0x410 0 " "^msg 0x40b "; do
    refuse "$played" "$pattern"
done
# Posted messages overtake key input in the window's queue, so the keys are
# counted over the whole run: the N injected while InUse passed, the one
# after the marker was a hot key, and the marker itself never arrived.
[ "$(count "^key 78$")" -eq 1 ] || { show_log; fail "expected exactly one N at the window"; }
refuse "$LOG" "^key 43$"
# The marker cleared the library's InUse: the same keys now are a hot key.
grep -q "^msg 0x402 157 " "$after" || { show_log; fail "no hot key after the end marker"; }
