# The keyboard remapper: a remap file that makes "a" type "b" installs the
# remap hook at start, so "banana" typed on the X display reaches Notepad as
# "bbnbnb"; restoring "a" in the "&Remap" dialog saves the file, removes the
# hook, and "banana" is typed as it is.
. "$HERE/lib.sh"
fresh_program_dir src/app/QORVIL.EXE src/hooklib/ZYNHOOK.DLL tests/wine/store_probe.exe \
    tests/wine/window_tool.exe
STARTED=()
trap 'stop_started "${STARTED[@]}" $PROGRAM_PID' EXIT

add_macro "plain" 30000 "plain"
remap="$PROGRAM_DIR/KELDA.ZYS"
printf '%s' "ABCDEFGHIJKLMNOPQRSTUVWXYZ" "bbcdefghijklmnopqrstuvwxyz" "0123456789" \
    " !\"#\$%&'()*+,-./:;<=>?@[\\]^_\`}~" >"$remap"
[ "$(stat -c %s "$remap")" = 93 ] || fail "the test's remap file is not 93 bytes"

start_program
wait_for_trace "remap hook installed"
start_notepad

notepad_is() {  # notepad_is <expected text>
    printf '%s' "$1" >"$PROGRAM_DIR/expected.txt"
    wait_for_text "Untitled - Notepad" "$PROGRAM_DIR/expected.txt" \
        || fail "Notepad holds \"$(cat "$PROGRAM_DIR/expected.txt.got")\", expected \"$1\""
}
focus_title() {  # focus_title <title>
    wait_for_windows "$1" || fail "no window \"$1\""
    focus_window "$(xdotool search --name "$1" | head -n 1)" "$1"
}

xdotool type --delay 50 banana
notepad_is "bbnbnb"

focus_window "$(xdotool search --name "Tavrin 99 \(KELDA\)" | head -n 1)" "Tavrin 99 (KELDA)"
xdotool key alt+r
focus_title "Keyboard Remapper"
xdotool key alt+l F2                 # row "a" of the lower case list
focus_title "Select Character"
# Select Character opens just below that row, the first of the list, its left
# edge at the list's: 78 and 16 dialog units into the remapper's 300 x 196.
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --name "Keyboard Remapper" | head -n 1)")"
listLeft=$(( X + WIDTH * 78 / 300 )) listTop=$(( Y + HEIGHT * 16 / 196 ))
eval "$(xdotool getwindowgeometry --shell "$(xdotool search --name "Select Character" | head -n 1)")"
[ $(( X - listLeft )) -ge -12 ] && [ $(( X - listLeft )) -le 12 ] \
    && [ "$Y" -gt "$listTop" ] && [ "$Y" -lt $(( listTop + 90 )) ] \
    || fail "Select Character at $X,$Y is not below the first row of the list at $listLeft,$listTop"
xdotool key Left Return              # from "b" back to "a"
wait_for_windows "Select Character" 0 || fail "Select Character is still open"
focus_title "Keyboard Remapper"
xdotool key Return
wait_for_trace "remap hook removed"
[ "$(head -c 27 "$remap" | tail -c 1)" = a ] || fail "the remap file still remaps a"

focus_window "$NOTEPAD" "Untitled - Notepad"
xdotool type --delay 50 banana
notepad_is "bbnbnbbanana"
run_probe window_tool.exe close "Untitled - Notepad"
