# Every menu command runs once: one item of each top menu of the main window,
# chosen by its underlined letters and clicked with the mouse, opens its
# window once, and once that window is closed it does not come again (a
# later command's window opens and the first is still gone).
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/window_tool.exe \
    tests/wine/store_probe.exe
trap 'stop_started $PROGRAM_PID' EXIT
main="Tavrin 99 (KELDA)"

start_program
wait_for_trace "hooks installed"
window=$(xdotool search --sync --name "Tavrin 99 \(KELDA\)" | head -n 1)

# Visible windows titled exactly $1.
shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
wait_shown() {  # wait_shown <title> <count>
    for _ in $(seq 50); do [ "$(shown "$1")" = "$2" ] && return 0; sleep 0.2; done
    return 1
}
# Closes the window titled exactly $1, which is in front, with Escape.
close_shown() {
    xdotool key Escape
    wait_shown "$1" 0 || fail "\"$1\" did not close on Escape"
}
# Clicks the point $1,$2 of the main window's frame.
click_at() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + $1)) $((Y + $2)) click 1
    sleep 0.3
}
# runs_once <how> <title>: the command chosen by "$how" opens "$title" once.
runs_once() {
    focus_window "$window" "$main"
    eval "$1"
    wait_shown "$2" 1 || fail "\"$2\" did not open ($1)"
    close_shown "$2"
    # The later command: "&About", or "&Appearance" after "&About" itself.
    local later="About Tavrin 99" keys="alt+h a"
    [ "$2" = "$later" ] && later="Appearance" keys="alt+o a"
    xdotool key "${keys%% *}" sleep 0.3 key "${keys##* }"
    wait_shown "$later" 1 || fail "\"$later\" did not open after \"$2\""
    [ "$(shown "$2")" = 0 ] || fail "\"$2\" opened again after it was closed ($1)"
    close_shown "$later"
}
keys() {  # keys <top letter> <item letters...>
    local top=$1
    shift
    xdotool key "alt+$top"
    for k in "$@"; do sleep 0.3; xdotool key "$k"; done
}

runs_once "keys f n" "New Tavrin File"
runs_once "click_at 15 10; click_at 56 29" "New Tavrin File"
runs_once "keys m o" "Sort Order"
runs_once "click_at 59 10; click_at 86 261" "Sort Order"
runs_once "keys w t t" "Tavrin 99"
runs_once "click_at 116 10; click_at 146 29; click_at 376 30" "Tavrin 99"
runs_once "xdotool key alt+r" "Keyboard Remapper"
runs_once "click_at 172 10" "Keyboard Remapper"
runs_once "keys o a" "Appearance"
runs_once "keys o Return" "Appearance"
runs_once "click_at 228 10; click_at 246 29" "Appearance"
runs_once "keys t l" "Error"
runs_once "click_at 278 10; click_at 296 29" "Error"
runs_once "keys h a" "About Tavrin 99"
runs_once "click_at 320 10; click_at 336 80" "About Tavrin 99"

run_probe window_tool.exe close "$main"
wait_for_exit "$PROGRAM_PID" || fail "the program did not end on close"
PROGRAM_PID=""
